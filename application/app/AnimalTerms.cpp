#include "application/app/AnimalTerms.h"

#include "foundation/terminology/TermsMap.h"

void RegisterAnimalTerms()
{
    const struct
    {
        const char* name;
        const char* text;
    } terms[] = {
        {"FemaleAnimal", "Female"}, {"MaleAnimal", "Male"},        {"FemaleAnimals", "Females"},
        {"MaleAnimals", "Males"},   {"AAnimal", "An animal"},      {"FemaleAnimalLetter", "F"},
        {"MaleAnimalLetter", "M"},
    };
    for (const auto& term : terms)
    {
        CString existing;
        if (!TermsMap.Lookup(term.name, existing))
            SetTerm(term.name, term.text, TRUE);
    }
}
