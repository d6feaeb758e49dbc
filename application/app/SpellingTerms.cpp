#include "application/app/SpellingTerms.h"

#include "foundation/terminology/TermsMap.h"

namespace
{
const struct
{
    const char* british;
    const char* american;
} Spellings[] = {
    {"Authorise", "Authorize"},       {"Authorised", "Authorized"},       {"Unauthorised", "Unauthorized"},
    {"Licence", "License"},           {"Licenced", "Licensed"},           {"Licences", "Licenses"},
    {"Licencing", "Licensing"},       {"Colour", "Color"},                {"Colours", "Colors"},
    {"Colouring", "Coloring"},        {"Coloured", "Colored"},            {"Favourite", "Favorite"},
    {"Favour", "Favor"},              {"Optimise", "Optimize"},           {"Optimised", "Optimized"},
    {"Optimisation", "Optimization"}, {"Organise", "Organize"},           {"Organised", "Organized"},
    {"Organising", "Organizing"},     {"Organisations", "Organizations"}, {"Organisation", "Organization"},
    {"Initialise", "Initialize"},     {"Initialises", "Initializes"},     {"Initialised", "Initialized"},
    {"Initialising", "Initializing"}, {"Customise", "Customize"},         {"Customisable", "Customizable"},
    {"Customised", "Customized"},     {"Customising", "Customizing"},     {"Customisations", "Customizations"},
    {"Customisation", "Customization"}, {"Recognise", "Recognize"},       {"Recognises", "Recognizes"},
    {"Recognised", "Recognized"},     {"Recognising", "Recognizing"},     {"Grey", "Gray"},
    {"Greyed", "Grayed"},             {"Greying", "Graying"},             {"Surname", "Last Name"},
    {"Surnames", "Last Names"},       {"Forename", "First Name"},         {"Forenames", "First Names"},
    {"Categorise", "Categorize"},     {"Categorises", "Categorizes"},     {"Categorised", "Categorized"},
    {"Categorising", "Categorizing"}, {"Cheque", "Check"},                {"Cheques", "Checks"},
    {"Catalogue", "Catalog"},         {"Catalogues", "Catalogs"},         {"Realise", "Realize"},
    {"Realised", "Realized"},         {"Advertise", "Advertize"},         {"Advertised", "Advertized"},
};
}  // namespace

void RegisterSpellingTerms(BOOL american)
{
    for (const auto& word : Spellings)
    {
        // "Licenced" and "Licencing" are misspellings in both forms of English.
        const bool alwaysAmerican = strcmp(word.british, "Licenced") == 0 || strcmp(word.british, "Licencing") == 0;
        SetTerm(word.british, american || alwaysAmerican ? word.american : word.british, TRUE);
    }
}
