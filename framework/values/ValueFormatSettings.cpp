#include "framework/values/ValueFormatSettings.h"

#include "foundation/settings/RegionalSettings.h"

#include <memory>

namespace
{
    // Made on first use, so that it is there whenever a value is formatted;
    // freed at exit.
    std::unique_ptr<CValueFormatSettings> settings;
}

CValueFormatSettings& ValueFormatSettings()
{
    if (!settings)
    {
        settings = std::make_unique<CValueFormatSettings>();
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
