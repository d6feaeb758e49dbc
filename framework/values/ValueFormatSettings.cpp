#include "framework/values/ValueFormatSettings.h"

#include "foundation/settings/RegionalSettings.h"

namespace
{
    CValueFormatSettings* settings = NULL;
}

CValueFormatSettings& ValueFormatSettings()
{
    if (settings == NULL)
    {
        settings = new CValueFormatSettings;
        ResetValueFormatSettings();
    }
    return *settings;
}

void ResetValueFormatSettings()
{
    CValueFormatSettings& values = ValueFormatSettings();
    values.use24HourClock = FALSE;
    values.currencySymbol = GetRegionalCurrencySymbol();
    values.currencyGroupSymbol = GetRegionalThousandSeparator();
    values.currencyFractionalSymbol = GetRegionalDecimalSeparator();
    values.currencyGroupDigitsCount = GetRegionalCurrencyGroupDigits();
    values.positiveDataEntryCurrencyFormat.Empty();
    values.negativeDataEntryCurrencyFormat.Empty();
}
