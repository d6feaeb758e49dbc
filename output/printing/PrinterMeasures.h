// Printer margins and calibration gaps are lengths in inches kept to eight
// decimal places; the dialogs accept 0 to 10 inches for each of them.
#pragma once

#include "foundation/values/Decimal.h"

class CDataExchange;

inline CDecimal Inches(double value)
{
    return CDecimal().InitEightPlaces().SetValue(value);
}

// Two printer flags agree when both are set or both are clear, whatever their values.
inline bool FlagsAgree(DWORD a, DWORD b)
{
    return (a == 0) == (b == 0);
}

// Exchanges one margin or gap field, refusing what is not 0 to 10 inches.
void DDX_PrinterInches(CDataExchange* pDX, int id, CDecimal& length);
