#include "framework/colours/NamedColours.h"

#include "foundation/terminology/TokenExpander.h"
#include "foundation/values/ValueText.h"
#include "framework/app/Preferences.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>
#include <string.h>

const NamedColour NamedColourTable[NamedColourCount] = {
    {0xFF00FF, "Magenta"},         {0x800080, "Dark magenta"},   {0xFFFF00, "Cyan"},
    {0x808000, "Dark cyan"},       {0x00008B, "Dark red"},       {0x2068FF, "Orange"},
    {0x008B8B, "Dark yellow"},     {0x009300, "Green"},          {0x8E8E38, "Teal"},
    {0xFF0000, "Blue"},            {0xC07B7B, "Blue-~grey~"},    {0x666666, "~Grey~ - 40"},
    {0x000000, "Black"},           {0x002AA5, "Brown"},          {0x404000, "Dark olive green"},
    {0x005500, "Dark green"},      {0x5E0000, "Dark teal"},      {0x8B0000, "Dark blue"},
    {0x82004B, "Indigo"},          {0x282828, "Dark ~grey~"},    {0xCBC0FF, "Pink"},
    {0x00D7FF, "Gold"},            {0x00FFFF, "Yellow"},         {0x00FF00, "Bright green"},
    {0xD0E040, "Turquoise"},       {0xFFFFC0, "Skyblue"},        {0x480048, "Plum"},
    {0xC0C0C0, "Light ~grey~"},    {0x0000FF, "Red"},            {0x5BADFF, "Light orange"},
    {0x32CD32, "Lime"},            {0x71B33C, "Sea green"},      {0xD4FF7F, "Aqua"},
    {0xC09E7D, "Light blue"},      {0x800080, "Violet"},         {0x7F7F7F, "~Grey~ - 50"},
    {0xE1E4FF, "Rose"},            {0x8CB4D2, "Tan"},            {0xE0FFFF, "Light yellow"},
    {0x98FB98, "Pale green "},     {0xEEEEAF, "Pale turquoise"}, {0x8B8368, "Pale blue"},
    {0xFAE6E6, "Lavender"},        {0xFFFFFF, "White"},
};

static const NamedColour* FindColour(COLORREF colour)
{
    for (const NamedColour& entry : NamedColourTable)
        if (entry.colour == colour)
            return &entry;
    return NULL;
}

static CString Expanded(LPCTSTR text)
{
    // Most names hold no token: no expansion to pay for (texts are read for
    // every colour word of every style).
    if (strchr(text, '~') == NULL)
        return CString(text);
    CString result;
    ExpandTokens(text, result);
    return result;
}

CString GetColourName(COLORREF colour)
{
    const NamedColour* entry = FindColour(colour);
    if (entry != NULL)
        return Expanded(entry->name);
    return AmericanEnglish ? "Custom Color" : "Custom Colour";
}

CString ColourToText(COLORREF colour)
{
    const NamedColour* entry = FindColour(colour);
    return entry != NULL ? Expanded(entry->name) : ColourToString(colour);
}

BOOL TextToColour(LPCTSTR text, COLORREF* colour)
{
    if (text == NULL || *text == '\0')
        return FALSE;
    CString wanted = Expanded(text);
    for (const NamedColour& entry : NamedColourTable)
        if (wanted.CompareNoCase(Expanded(entry.name)) == 0)
        {
            *colour = entry.colour;
            return TRUE;
        }
    return ParseColour(text, colour);
}

int MatchColourNameAt(LPCTSTR text, COLORREF* colour)
{
    const int textLength = (int)strlen(text);
    int longest = 0, consumed = 0;
    for (const NamedColour& entry : NamedColourTable)
    {
        CString name = Expanded(entry.name);
        const int length = name.GetLength();
        if (length <= longest)
            continue;
        BOOL matches;
        if (length > textLength)
        {
            // Blanks that end the name may have been cut off with the text.
            CString rest = name.Mid(textLength);
            matches = textLength > 0 && rest.SpanIncluding(" ") == rest && _strnicmp(text, name, textLength) == 0;
        }
        else
            matches = _strnicmp(text, name, length) == 0 &&
                      (text[length] == '\0' || text[length] == ' ' || name[length - 1] == ' ');
        if (!matches)
            continue;
        longest = length;
        consumed = std::min(length, textLength);
        *colour = entry.colour;
    }
    return consumed;
}

COLORREF GetDefaultTextColour(CDC* dc)
{
    if (DefaultPrintTextColour != DEFAULT_COLOUR)
        return DefaultPrintTextColour;
    if (dc == NULL || dc->GetDeviceCaps(TECHNOLOGY) != DT_RASDISPLAY)
        return RGB(0, 0, 0);
    return GetSystemColour(COLOR_WINDOWTEXT);
}
