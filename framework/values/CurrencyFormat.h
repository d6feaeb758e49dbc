#pragma once
// Amounts of money shown and typed by short format codes: 'S' the currency
// symbol, 'X' (or 'x') the whole units, 'Y' the hundredths, 'y' the
// hundredths left out when zero, '.' the decimal symbol, '#' ends the code
// (the rest names the colour a caller shows the amount in); any other
// character stands for itself. A negative code carries the sign itself.
#include "foundation/values/PackedDecimal.h"

struct CurrencyAmount
{
    CPackedDecimal amount;
    BOOL valid; // FALSE: no amount
};

// The largest amount an amount can hold: 9,999,999.99.
const DWORD MostCurrencyUnits = 9999999;

// The amount by the code its sign chooses; empty without an amount or code.
CString FormatCurrencyAmount(const CurrencyAmount& amount, LPCTSTR positiveCode, LPCTSTR negativeCode);

// Reads a typed amount against one code; blanks are ignored and an empty
// text is "no amount". 1 when it matched. A text beyond the largest amount
// does not match and sets *tooLarge when given.
int MatchCurrencyCode(LPCTSTR text, LPCTSTR code, BOOL positive, CurrencyAmount* amount,
                      BOOL* tooLarge = NULL);

// Reads a typed amount against the positive code and then the negative one
// (empty codes: the regional ones); 1 when either matched. An amount beyond
// the largest one is refused with a message.
int ParseCurrencyText(LPCTSTR text, LPCTSTR positiveCode, LPCTSTR negativeCode, CurrencyAmount* amount);

// The codes offered for the positive and the negative currency preferences.
CStringArray& PositiveCurrencyFormatCodes();
CStringArray& NegativeCurrencyFormatCodes();
// Fills both lists (start-up).
void InitCurrencyFormatCodes();
