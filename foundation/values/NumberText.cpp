#include "foundation/values/NumberText.h"
#include "foundation/text/Whitespace.h"

#include <cstdio>
#include <cstring>

namespace
{
// Reads the digits of a whole number; blanks before it are skipped and a
// blank after the digits ends it. With allowMinus, one '-' may come before
// the first digit. A magnitude above the limit is refused rather than
// wrapped round.
BOOL ParseWhole(const char* text, bool allowMinus, unsigned long long limit, UINT* magnitude,
                bool* negative)
{
    bool minusSeen = false;
    bool digitSeen = false;
    unsigned long long value = 0;
    for (const char* p = text; *p != '\0'; ++p)
    {
        char c = *p;
        if (IsTextWhitespace(c))
        {
            if (digitSeen)
                break;
            if (minusSeen)
                return FALSE;
            continue;
        }
        if (c == '-' && allowMinus)
        {
            if (minusSeen || digitSeen)
                return FALSE;
            minusSeen = true;
            continue;
        }
        if (c < '0' || c > '9')
            return FALSE;
        value = value * 10 + (unsigned)(c - '0');
        if (value > limit + 1)
            return FALSE;
        digitSeen = true;
    }
    if (!digitSeen || value > limit + (minusSeen ? 1 : 0))
        return FALSE;
    *magnitude = (UINT)value;
    *negative = minusSeen;
    return TRUE;
}

enum { DigitArea = 40 };

CString FormatDigits(UINT magnitude, bool negative, int width)
{
    if (width >= DigitArea)
        return CString();
    char area[DigitArea + 1];
    int pos = DigitArea;
    area[pos] = '\0';
    do
    {
        area[--pos] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (width > 0)
    {
        int signWidth = negative ? 1 : 0;
        while (DigitArea - pos + signWidth < width)
            area[--pos] = '0';
    }
    if (negative)
        area[--pos] = '-';
    return CString(area + pos, DigitArea - pos);
}

const CString& SingleDigitText(UINT digit)
{
    static const CString digits[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return digits[digit];
}
}

BOOL ParseInt(const char* text, int* result)
{
    if (text == nullptr || *text == '\0')
        return FALSE;
    if (text[0] >= '0' && text[0] <= '9' && text[1] == '\0')
    {
        *result = text[0] - '0';
        return TRUE;
    }
    UINT magnitude;
    bool negative;
    if (!ParseWhole(text, true, 0x7FFFFFFFu, &magnitude, &negative))
        return FALSE;
    *result = negative ? (int)(0u - magnitude) : (int)magnitude;
    return TRUE;
}

BOOL ParseUInt(const char* text, UINT* result)
{
    if (text == nullptr || *text == '\0')
        return FALSE;
    UINT magnitude;
    bool negative;
    if (!ParseWhole(text, false, 0xFFFFFFFFu, &magnitude, &negative))
        return FALSE;
    *result = magnitude;
    return TRUE;
}

BOOL ParseDouble(const char* text, double* result)
{
    if (text == nullptr || *text == '\0')
        return FALSE;
    double value;
    if (sscanf(text, "%lf", &value) != 1)
        return FALSE;
    *result = value;
    return TRUE;
}

CString IntToString(int value, int width)
{
    if (value >= 0 && value <= 9 && width < 0)
        return SingleDigitText((UINT)value);
    UINT magnitude = value < 0 ? 0u - (UINT)value : (UINT)value;
    return FormatDigits(magnitude, value < 0, width);
}

CString FormatUInt(UINT value, int width)
{
    if (value <= 9 && width < 0)
        return SingleDigitText(value);
    return FormatDigits(value, false, width);
}

CString UIntToString(UINT value, int width)
{
    return FormatUInt(value, width);
}

CString DoubleToString(double value, int places)
{
    // Formatted into a string sized for the text, so that very large values
    // or many places cannot overrun a fixed area.
    const int mostPlaces = 400;
    char format[16];
    if (places != 0)
    {
        int digits = places < -mostPlaces || places > mostPlaces ? mostPlaces
                     : places < 0 ? -places : places;
        sprintf(format, "%%.%df", digits);
    }
    else
        strcpy(format, "%f");
    CString text;
    text.Format(format, value);

    if (places >= 0 && text.GetLength() > 1 && strchr((const char*)text + 1, '.') != nullptr)
    {
        int length = text.GetLength();
        const char* chars = (const char*)text;
        while (length > 0 && chars[length - 1] == '0')
            --length;
        if (length > 0 && chars[length - 1] == '.')
            --length;
        text = text.Left(length);
    }
    return text;
}
