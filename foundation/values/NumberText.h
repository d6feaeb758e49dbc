#pragma once
// Numbers to and from text. Parsers take a zero-terminated text (null counts
// as empty) and a result pointer, answer TRUE or FALSE and write the result
// only on TRUE.
#include "afx/core/AfxCore.h"

// Optional blanks, one leading '-', decimal digits; a blank after the digits
// ends the number ("12 abc" gives 12). A text without any digit, and a
// number that does not fit in 32 bits, is refused.
BOOL ParseInt(const char* text, int* result);
// As ParseInt without the minus sign.
BOOL ParseUInt(const char* text, UINT* result);
// One number read as "%lf" does; leading whitespace skipped, anything after
// the number ignored.
BOOL ParseDouble(const char* text, double* result);

// Decimal text; a width from 1 to 39 pads with zeros in front (the sign
// counts), a width of 40 or more gives an empty text, 0 or less no padding.
CString IntToString(int value, int width = 0);
CString FormatUInt(UINT value, int width = 0);
CString UIntToString(UINT value, int width = 0);

// places n > 0: n decimals with trailing zeros and a trailing '.' dropped;
// 0: six decimals, trimmed the same way; n < 0: exactly -n decimals.
CString DoubleToString(double value, int places);
