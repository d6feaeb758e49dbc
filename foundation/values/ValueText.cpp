#include "foundation/values/ValueText.h"

#include <cctype>
#include <cstring>

CString DefaultColourText("Default");

BOOL ParseTriState(const char* text, TriState* result)
{
    if (text == nullptr || text[0] == '\0' || text[1] != '\0')
        return FALSE;
    if (strchr("0FNfn", text[0]) != nullptr)
        *result = 0;
    else if (strchr("1TYty", text[0]) != nullptr)
        *result = 1;
    else if (strchr("2IUiu", text[0]) != nullptr)
        *result = 2;
    else
        return FALSE;
    return TRUE;
}

const char* TriStateToLetter(TriState value)
{
    return value == 0 ? "f" : value == 1 ? "t" : "i";
}

static int HexDigitValue(char c)
{
    if (c < 'A')
        return c - '0';
    if (c < 'a')
        return c - 'A' + 10;
    return c - 'a' + 10;
}

static int HexByteValue(const char* p)
{
    return HexDigitValue(p[0]) * 16 + HexDigitValue(p[1]);
}

BOOL ParseColour(const char* text, COLORREF* result)
{
    if (text == nullptr || *text == '\0')
        return FALSE;
    if (_stricmp(text, DefaultColourText) == 0)
    {
        *result = DEFAULT_COLOUR;
        return TRUE;
    }
    if (strlen(text) != 7 || text[0] != '#')
        return FALSE;
    // A character that is no hexadecimal digit would spill into the next
    // colour byte, or into the flag byte above blue.
    for (int i = 1; i < 7; ++i)
        if (!isxdigit((unsigned char)text[i]))
            return FALSE;
    int red = HexByteValue(text + 1);
    int green = HexByteValue(text + 3);
    int blue = HexByteValue(text + 5);
    *result = (COLORREF)(red + green * 256 + blue * 65536);
    return TRUE;
}

CString ColourToString(COLORREF colour)
{
    if (colour == DEFAULT_COLOUR)
        return DefaultColourText;
    CString text;
    text.Format("#%02x%02x%02x", (unsigned)(colour & 0xFF), (unsigned)((colour >> 8) & 0xFF),
                (unsigned)((colour >> 16) & 0xFF));
    return text;
}

BOOL ParseCompassPosition(const char* text, CompassPosition* result)
{
    static const char* const names[] = {"c", "n", "s", "e", "w", "ne", "nw", "se", "sw"};
    if (text == nullptr || *text == '\0')
        return FALSE;
    for (int i = 0; i < 9; ++i)
    {
        if (_stricmp(text, names[i]) == 0)
        {
            *result = i;
            return TRUE;
        }
    }
    return FALSE;
}
