#include "framework/values/CurrencyFormat.h"

#include "foundation/settings/RegionalSettings.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/values/ValueFormatSettings.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>

namespace
{
    const DWORD SignBit = 0x80000000;

    const char* const positiveCodes[] = {
        "SX.Y", "SX.y", "S X.Y", "S X.y", "X.Y", "X.y", "X.YS", "X.yS", "XS", "S X", "X", "SX",
        "X.YS#blue", "X.yS#blue", "S X.Y#blue", "S X.y#blue", "X.Y#blue", "X.y#blue", "SX.Y#blue",
        "SX.y#blue", "XS#blue", "S X#blue", "X#blue", "SX#blue",
    };

    const char* const negativeCodes[] = {
        "-SX.Y", "-SX.y", "S-X.Y", "S-X.y", "SX.Y-", "SX.y-", "(X.YS)", "(X.yS)", "-X.YS", "-X.yS",
        "X.Y-S", "X.y-S", "X.YS-", "X.yS-", "-X.Y S", "-X.y S", "-S X.Y", "-S X.y", "S X.Y-",
        "S X.y-", "(SX.Y)", "(SX.y)", "-SX", "S-X", "SX-", "(XS)", "-XS", "X-S", "XS-", "-X S",
        "-S X", "S X-", "(SX)", "-SX.Y#red", "-SX.y#red", "S-X.Y#red", "S-X.y#red", "SX.Y-#red",
        "SX.y-#red", "(X.YS)#red", "(X.yS)#red", "-X.YS#red", "-X.yS#red", "X.Y-S#red",
        "X.y-S#red", "X.YS-#red", "X.yS-#red", "-X.Y S#red", "-X.y S#red", "-S X.Y#red",
        "-S X.y#red", "S X.Y-#red", "S X.y-#red", "(SX.Y)#red", "(SX.y)#red", "-SX#red",
        "S-X#red", "SX-#red", "(XS)#red", "-XS#red", "X-S#red", "XS-#red", "-X S#red", "-S X#red",
        "S X-#red", "(SX)#red", "-X.Y", "-X.y", "X.Y-", "X.y-", "(X.Y)", "(X.y)", "-X", "X-", "(X)",
        "-X.Y#red", "-X.y#red", "X.Y-#red", "X.y-#red", "(X.Y)#red", "(X.y)#red", "-X#red",
        "X-#red", "(X)#red",
    };

    // The whole units with the digit-group symbol between groups counted
    // from the right.
    CString GroupedUnits(DWORD units, const CValueFormatSettings& settings)
    {
        char digits[16];
        snprintf(digits, sizeof(digits), "%lu", (unsigned long)units);
        int count = (int)strlen(digits);
        int group = settings.currencyGroupDigitsCount;
        if (group <= 1 || count <= group)
            return digits;
        CString text;
        int first = count % group == 0 ? group : count % group;
        text += CString(digits, first);
        for (int i = first; i < count; i += group)
        {
            text += settings.currencyGroupSymbol;
            text += CString(digits + i, group);
        }
        return text;
    }

    BOOL StartsWith(LPCTSTR text, const CString& prefix)
    {
        return !prefix.IsEmpty() && strncmp(text, prefix, prefix.GetLength()) == 0;
    }

    CString WithoutBlanks(LPCTSTR text)
    {
        CString result(text);
        result.Remove(' ');
        return result;
    }

    // Reads the whole units at p (digits with group symbols between them) and
    // moves p past them; beyond the largest amount it notes so and stops counting.
    DWORD ReadUnits(LPCTSTR& p, const CValueFormatSettings& settings, BOOL& beyondRange)
    {
        const CString& group = settings.currencyGroupSymbol;
        const CString& decimal = settings.currencyFractionalSymbol;
        DWORD units = 0;
        while (*p != '\0')
        {
            if (isdigit((unsigned char)*p))
            {
                units = units * 10 + (DWORD)(*p++ - '0');
                if (units > MostCurrencyUnits)
                {
                    beyondRange = TRUE;
                    units = MostCurrencyUnits + 1;
                }
            }
            else if (StartsWith(p, group) && !StartsWith(p, decimal))
                p += group.GetLength();
            else
                break;
        }
        return units;
    }

    // Reads the digits after the decimal symbol and moves p past them: the
    // first two count, one digit means tens of hundredths.
    DWORD ReadHundredths(LPCTSTR& p)
    {
        int digits = 0;
        DWORD hundredths = 0;
        for (; isdigit((unsigned char)*p); p++, digits++)
        {
            if (digits < 2)
                hundredths = hundredths * 10 + (DWORD)(*p - '0');
        }
        return digits == 1 ? hundredths * 10 : hundredths;
    }
}

CString FormatCurrencyAmount(const CurrencyAmount& amount, LPCTSTR positiveCode, LPCTSTR negativeCode)
{
    CString text;
    if (!amount.valid)
        return text;
    DWORD value = amount.amount.m_dwValue;
    LPCTSTR code = (value & SignBit) != 0 ? negativeCode : positiveCode;
    if (code == NULL)
        return text;
    const CValueFormatSettings& settings = ValueFormatSettings();
    DWORD units = value & 0x00FFFFFF;
    DWORD hundredths = (value >> 24) & 0x7F;
    if (hundredths >= 100)
    {
        units += hundredths / 100;
        hundredths %= 100;
    }
    char previous = 0;
    for (const char* c = code; *c != '\0' && *c != '#'; previous = *c++)
    {
        switch (*c)
        {
        case 'S':
            text += settings.currencySymbol;
            break;
        case '.':
            text += settings.currencyFractionalSymbol;
            break;
        case 'X':
        case 'x':
            text += GroupedUnits(units, settings);
            break;
        case 'Y':
        case 'y':
            if (*c == 'Y' || hundredths != 0)
            {
                char pair[8];
                snprintf(pair, sizeof(pair), "%02lu", (unsigned long)hundredths);
                text += pair;
            }
            else if (previous == '.')
                text = text.Left(text.GetLength() - settings.currencyFractionalSymbol.GetLength());
            break;
        default:
            text += *c;
            break;
        }
    }
    return text;
}

int MatchCurrencyCode(LPCTSTR text, LPCTSTR code, BOOL positive, CurrencyAmount* amount, BOOL* tooLarge)
{
    CString typed(text != NULL ? text : "");
    typed.TrimLeft();
    typed.TrimRight();
    typed.Remove(' ');
    if (typed.IsEmpty())
    {
        amount->amount.m_dwValue = 0;
        amount->valid = FALSE;
        return 1;
    }
    CString pattern = WithoutBlanks(code != NULL ? code : "");
    int end = pattern.Find('#');
    if (end >= 0)
        pattern = pattern.Left(end);

    const CValueFormatSettings& settings = ValueFormatSettings();
    const CString& decimal = settings.currencyFractionalSymbol;
    const CString& symbol = settings.currencySymbol;
    LPCTSTR p = typed;
    DWORD units = 0;
    DWORD hundredths = 0;
    BOOL decimalSeen = FALSE;
    BOOL beyondRange = FALSE;
    for (int i = 0; i < pattern.GetLength(); i++)
    {
        char c = pattern[i];
        if (c == '.')
        {
            if (StartsWith(p, decimal))
            {
                p += decimal.GetLength();
                decimalSeen = TRUE;
            }
        }
        else if (c == 'S')
        {
            if (StartsWith(p, symbol))
                p += symbol.GetLength();
            else if (*p != '\0' && !isdigit((unsigned char)*p) && !StartsWith(p, decimal))
                return 0;
        }
        else if (c == 'X' || c == 'x')
        {
            units = ReadUnits(p, settings, beyondRange);
        }
        else if (c == 'Y' || c == 'y')
        {
            if (decimalSeen)
                hundredths = ReadHundredths(p);
        }
        else if (*p == c)
            p++;
        else
            return 0;
    }
    if (*p != '\0')
        return 0;
    if (beyondRange)
    {
        if (tooLarge != NULL)
            *tooLarge = TRUE;
        return 0;
    }
    char number[32];
    snprintf(number, sizeof(number), "%lu.%02lu", (unsigned long)units, (unsigned long)hundredths);
    double value = atof(number);
    amount->amount.SetValue(positive ? value : -value);
    amount->valid = TRUE;
    return 1;
}

int ParseCurrencyText(LPCTSTR text, LPCTSTR positiveCode, LPCTSTR negativeCode, CurrencyAmount* amount)
{
    CString positive = positiveCode != NULL && *positiveCode != '\0' ? CString(positiveCode)
                                                                      : GetRegionalCurrencyFormat();
    CString negative = negativeCode != NULL && *negativeCode != '\0' ? CString(negativeCode)
                                                                      : GetRegionalNegativeCurrencyFormat();
    BOOL tooLarge = FALSE;
    if (MatchCurrencyCode(text, positive, TRUE, amount, &tooLarge) ||
        MatchCurrencyCode(text, negative, FALSE, amount, &tooLarge))
        return 1;
    if (tooLarge)
    {
        CurrencyAmount largest = {CPackedDecimal(), TRUE};
        largest.amount.m_dwValue = MostCurrencyUnits | (99u << 24);
        ShowError(NULL, 0, "The amount %s is too large: amounts may not exceed %s", text,
                  (LPCTSTR)FormatCurrencyAmount(largest, positive, negative));
    }
    return 0;
}

CStringArray& PositiveCurrencyFormatCodes()
{
    static CStringArray codes;
    return codes;
}

CStringArray& NegativeCurrencyFormatCodes()
{
    static CStringArray codes;
    return codes;
}

void InitCurrencyFormatCodes()
{
    CStringArray& positives = PositiveCurrencyFormatCodes();
    CStringArray& negatives = NegativeCurrencyFormatCodes();
    positives.RemoveAll();
    negatives.RemoveAll();
    for (const char* code : positiveCodes)
        positives.Add(code);
    for (const char* code : negativeCodes)
        negatives.Add(code);
}
