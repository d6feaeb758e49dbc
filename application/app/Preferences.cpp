#include "application/app/Preferences.h"

#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/settings/RegionalSettings.h"
#include "foundation/settings/ProfileExchange.h"
#include "foundation/values/Decimal.h"
#include "framework/app/Preferences.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "framework/values/ValueFormatSettings.h"
#include "output/text/BracketFields.h"

int BackupCount = 2;
CString DefaultLogoPath;
CString DefaultLogoText;
int DefaultLogoIsPath = 0;
int DefaultLogoIsText = 0;
CString DataEntryDateFormat, ExportDateFormat, ImportTextDateFormat, OutputDateFormat;
CString PositiveListCurrencyFormat, PositiveExportCurrencyFormat, PositiveImportTextCurrencyFormat;
CString NegativeListCurrencyFormat, NegativeExportCurrencyFormat, NegativeImportTextCurrencyFormat;
int EntColour = 0, EntBg = (int)0xFF000000, EntBgAlternate = (int)0xFF000000, EntBgSelected = (int)0xFF000000;
int ListFontPtSize = 14;
int AlternatingIndexBackgroundColours = 1;
CString BackupDeviceDir;
CString RestoreDir;
int WarnWhenOverwritingBackups = 1;

namespace
{
const char Section[] = "Preferences";
const int NoColour = (int)0xFF000000;

void ExchangeBool(int* changed, BOOL load, LPCTSTR entry, int defaultValue, BOOL& value)
{
    int number = value;
    ExchangeProfileInt(changed, load, Section, entry, defaultValue, number, NULL);
    value = number;
}
}  // namespace

int ClampMeasurementUnits(int units)
{
    return units < 0 ? 0 : (units > 3 ? 3 : units);
}

int ExchangePreferences(DWORD, BOOL load)
{
    int changed = 0;
    // General and logo.
    ExchangeProfileInt(&changed, load, Section, "BackupCount", 2, BackupCount, NULL);
    ExchangeProfileString(&changed, load, Section, "DefaultLogoPath", JoinPath(ProgramFolder, "DemoLogo.vqf"),
                          DefaultLogoPath, NULL);
    ExchangeProfileString(&changed, load, Section, "DefaultLogoText",
                          "This is where your logo will go. To change it, select {b+}Preferences...{b-} from the "
                          "{b+}Configure{b-} menu",
                          DefaultLogoText, NULL);
    ExchangeProfileInt(&changed, load, Section, "DefaultLogoIsPath", 0, DefaultLogoIsPath, NULL);
    ExchangeProfileInt(&changed, load, Section, "DefaultLogoIsText", 0, DefaultLogoIsText, NULL);

    // Dates.
    const CDateFormatLists& dates = DateFormatLists();
    const CString regional = GetRegionalDateFormat(FALSE);
    ExchangeDateFormatSetting(&changed, load, Section, "DataEntryDateFormat", regional, DataEntryDateFormat, NULL,
                              dates.formats);
    ExchangeDateFormatSetting(&changed, load, Section, "ExportDateFormat", regional, ExportDateFormat, NULL,
                              dates.exportFormats);
    ExchangeDateFormatSetting(&changed, load, Section, "ImportTextDateFormat", regional, ImportTextDateFormat, NULL,
                              dates.importFormats);
    ExchangeDateFormatSetting(&changed, load, Section, "OutputDateFormat", GetRegionalDateFormat(TRUE),
                              OutputDateFormat, NULL, dates.displayFormats);

    // Currency.
    CValueFormatSettings& formats = ValueFormatSettings();
    const CString positive = GetRegionalCurrencyFormat(), negative = GetRegionalNegativeCurrencyFormat();
    const CStringArray& positiveCodes = PositiveCurrencyFormatCodes();
    const CStringArray& negativeCodes = NegativeCurrencyFormatCodes();
    const struct
    {
        const char* entry;
        bool positive;
        CString* value;
    } currencyCodes[] = {
        {"PositiveDataEntryCurrencyFormat", true, &formats.positiveDataEntryCurrencyFormat},
        {"PositiveListCurrencyFormat", true, &PositiveListCurrencyFormat},
        {"PositiveOutputCurrencyFormat", true, &PositiveOutputCurrencyFormat},
        {"PositiveExportCurrencyFormat", true, &PositiveExportCurrencyFormat},
        {"PositiveImportTextCurrencyFormat", true, &PositiveImportTextCurrencyFormat},
        {"NegativeDataEntryCurrencyFormat", false, &formats.negativeDataEntryCurrencyFormat},
        {"NegativeListCurrencyFormat", false, &NegativeListCurrencyFormat},
        {"NegativeOutputCurrencyFormat", false, &NegativeOutputCurrencyFormat},
        {"NegativeExportCurrencyFormat", false, &NegativeExportCurrencyFormat},
        {"NegativeImportTextCurrencyFormat", false, &NegativeImportTextCurrencyFormat},
    };
    for (const auto& code : currencyCodes)
        ExchangeDateFormatSetting(&changed, load, Section, code.entry, code.positive ? positive : negative,
                                  *code.value, NULL, code.positive ? positiveCodes : negativeCodes);
    ExchangeProfileString(&changed, load, Section, "CurrencySymbol", GetRegionalCurrencySymbol(),
                          formats.currencySymbol, NULL);
    ExchangeProfileInt(&changed, load, Section, "CurrencyGroupDigitsCount", 3, formats.currencyGroupDigitsCount,
                       NULL);
    ExchangeProfileString(&changed, load, Section, "CurrencyGroupSymbol", GetRegionalThousandSeparator(),
                          formats.currencyGroupSymbol, NULL);
    ExchangeProfileString(&changed, load, Section, "CurrencyFractionalSymbol", GetRegionalDecimalSeparator(),
                          formats.currencyFractionalSymbol, NULL);

    // Display.
    int printColour = (int)DefaultPrintTextColour;
    ExchangeProfileIntAsText(&changed, load, Section, "DefaultPrintTextColour", 0, printColour, NULL);
    DefaultPrintTextColour = (COLORREF)printColour;
    ExchangeProfileIntAsText(&changed, load, Section, "EntColour", 0, EntColour, NULL);
    ExchangeProfileIntAsText(&changed, load, Section, "EntBg", NoColour, EntBg, NULL);
    ExchangeProfileIntAsText(&changed, load, Section, "EntBgAlternate", NoColour, EntBgAlternate, NULL);
    ExchangeProfileIntAsText(&changed, load, Section, "EntBgSelected", NoColour, EntBgSelected, NULL);
    ExchangeBool(&changed, load, "AmericanEnglish", IsNorthAmericanEnglish(), AmericanEnglish);
    ExchangeBool(&changed, load, "Use24HourClock", 0, Use24HourClock);
    formats.use24HourClock = Use24HourClock;
    ExchangeBool(&changed, load, "ToolTipsEnabled", 1, ToolTipsEnabled);
    MeasurementUnit = ClampMeasurementUnits(MeasurementUnit);
    ExchangeProfileInt(&changed, load, Section, "MeasurementUnits", 0, MeasurementUnit, NULL);
    MeasurementUnit = ClampMeasurementUnits(MeasurementUnit);
    ExchangeProfileInt(&changed, load, Section, "ListFontPtSize", 14, ListFontPtSize, NULL);
    ExchangeProfileInt(&changed, load, Section, "AlternatingIndexBackgroundColours", 1,
                       AlternatingIndexBackgroundColours, NULL);

    // Kept without a page.
    ExchangeProfileString(&changed, load, Section, "BackupDeviceDir", "A:\\", BackupDeviceDir, NULL);
    ExchangeProfileString(&changed, load, Section, "RestoreDir", ProgramFolder, RestoreDir, NULL);
    ExchangeProfileInt(&changed, load, Section, "WarnWhenOverwritingBackups", 1, WarnWhenOverwritingBackups, NULL);
    return changed;
}
