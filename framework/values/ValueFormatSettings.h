#pragma once
// The user's choices for showing times and amounts of money. The application
// fills them from its preferences at start-up; until it does, the clock is a
// 12-hour one and the currency texts are the regional settings'.
#include "afx/core/AfxCore.h"

struct CValueFormatSettings
{
    BOOL use24HourClock;
    CString currencySymbol;
    CString currencyGroupSymbol;
    CString currencyFractionalSymbol;
    int currencyGroupDigitsCount;
    // The codes with which amounts are typed (empty: the regional ones).
    CString positiveDataEntryCurrencyFormat;
    CString negativeDataEntryCurrencyFormat;
};

CValueFormatSettings& ValueFormatSettings();
// Back to the defaults above, read again from the regional settings.
void ResetValueFormatSettings();
