#include "application/app/Preferences.h"

#include "application/preferences/CurrencyPrefsPage.h"
#include "application/preferences/DatePrefsPage.h"
#include "application/preferences/DisplayPrefsPage.h"
#include "application/preferences/GeneralPrefsPage.h"
#include "application/preferences/LogoPrefsPage.h"
#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "output/pictures/PictureSettings.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/settings/RegionalSettings.h"
#include "foundation/settings/ProfileExchange.h"
#include "foundation/values/Decimal.h"
#include "framework/app/Preferences.h"
#include "framework/colours/CustomColours.h"
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

// The page as a page of that kind, else null.
template <class TPage>
TPage* PageOfKind(CPreferencesPage* page, CRuntimeClass* kind)
{
    return page != NULL && page->IsKindOf(kind) ? static_cast<TPage*>(page) : NULL;
}

// The page's copy of a value, or null when exchanging with the profile.
template <class TPage, class TValue>
TValue* CopyOf(TPage* page, TValue TPage::*member)
{
    return page != NULL ? &(page->*member) : NULL;
}

void ExchangeGeneral(int* changed, BOOL load, CGeneralPrefsPage* page)
{
    typedef CGeneralPrefsPage P;
    ExchangeProfileInt(changed, load, Section, "UseAlternatePictureRendering", 1, UseAlternatePictureRendering,
                       CopyOf(page, &P::m_useAlternatePictureRendering));
    ExchangeProfileInt(changed, load, Section, "BackupCount", 2, BackupCount, CopyOf(page, &P::m_backupCount));
    ExchangeProfileString(changed, load, Section, "DefaultPictureFolder", ProgramFolder, DefaultPictureFolder,
                          CopyOf(page, &P::m_defaultPictureFolder));
}

void ExchangeLogo(int* changed, BOOL load, CLogoPrefsPage* page)
{
    typedef CLogoPrefsPage P;
    ExchangeProfileString(changed, load, Section, "DefaultLogoPath", JoinPath(ProgramFolder, "DemoLogo.vqf"),
                          DefaultLogoPath, CopyOf(page, &P::m_logoPath));
    ExchangeProfileString(changed, load, Section, "DefaultLogoText",
                          "This is where your logo will go. To change it, select {b+}Preferences...{b-} from the "
                          "{b+}Configure{b-} menu",
                          DefaultLogoText, CopyOf(page, &P::m_logoText));
    ExchangeProfileInt(changed, load, Section, "DefaultLogoIsPath", 0, DefaultLogoIsPath,
                       CopyOf(page, &P::m_logoIsPath));
    ExchangeProfileInt(changed, load, Section, "DefaultLogoIsText", 0, DefaultLogoIsText,
                       CopyOf(page, &P::m_logoIsText));
}

void ExchangeDates(int* changed, BOOL load, CDatePrefsPage* page)
{
    typedef CDatePrefsPage P;
    const CDateFormatLists& dates = DateFormatLists();
    const CString regional = GetRegionalDateFormat(FALSE);
    ExchangeDateFormatSetting(changed, load, Section, "DataEntryDateFormat", regional, DataEntryDateFormat,
                              CopyOf(page, &P::m_dataEntryFormat), dates.formats);
    ExchangeDateFormatSetting(changed, load, Section, "ExportDateFormat", regional, ExportDateFormat,
                              CopyOf(page, &P::m_exportFormat), dates.exportFormats);
    ExchangeDateFormatSetting(changed, load, Section, "ImportTextDateFormat", regional, ImportTextDateFormat,
                              CopyOf(page, &P::m_importTextFormat), dates.importFormats);
    ExchangeDateFormatSetting(changed, load, Section, "OutputDateFormat", GetRegionalDateFormat(TRUE),
                              OutputDateFormat, CopyOf(page, &P::m_outputFormat), dates.displayFormats);
}

void ExchangeCurrency(int* changed, BOOL load, CCurrencyPrefsPage* page)
{
    typedef CCurrencyPrefsPage P;
    CValueFormatSettings& formats = ValueFormatSettings();
    const CString positive = GetRegionalCurrencyFormat(), negative = GetRegionalNegativeCurrencyFormat();
    const CStringArray& positiveCodes = PositiveCurrencyFormatCodes();
    const CStringArray& negativeCodes = NegativeCurrencyFormatCodes();
    // In the order of the page's lists: data entry, list, output, export, imported text.
    const struct
    {
        const char* entry;
        CString* value;
    } positives[P::UseCount] = {{"PositiveDataEntryCurrencyFormat", &formats.positiveDataEntryCurrencyFormat},
                                {"PositiveListCurrencyFormat", &PositiveListCurrencyFormat},
                                {"PositiveOutputCurrencyFormat", &PositiveOutputCurrencyFormat},
                                {"PositiveExportCurrencyFormat", &PositiveExportCurrencyFormat},
                                {"PositiveImportTextCurrencyFormat", &PositiveImportTextCurrencyFormat}},
      negatives[P::UseCount] = {{"NegativeDataEntryCurrencyFormat", &formats.negativeDataEntryCurrencyFormat},
                                {"NegativeListCurrencyFormat", &NegativeListCurrencyFormat},
                                {"NegativeOutputCurrencyFormat", &NegativeOutputCurrencyFormat},
                                {"NegativeExportCurrencyFormat", &NegativeExportCurrencyFormat},
                                {"NegativeImportTextCurrencyFormat", &NegativeImportTextCurrencyFormat}};
    for (int use = 0; use < P::UseCount; use++)
        ExchangeDateFormatSetting(changed, load, Section, positives[use].entry, positive, *positives[use].value,
                                  page != NULL ? &page->m_positiveFormats[use] : NULL, positiveCodes);
    for (int use = 0; use < P::UseCount; use++)
        ExchangeDateFormatSetting(changed, load, Section, negatives[use].entry, negative, *negatives[use].value,
                                  page != NULL ? &page->m_negativeFormats[use] : NULL, negativeCodes);
    ExchangeProfileString(changed, load, Section, "CurrencySymbol", GetRegionalCurrencySymbol(),
                          formats.currencySymbol, CopyOf(page, &P::m_currencySymbol));
    ExchangeProfileInt(changed, load, Section, "CurrencyGroupDigitsCount", 3, formats.currencyGroupDigitsCount,
                       CopyOf(page, &P::m_groupDigitsCount));
    ExchangeProfileString(changed, load, Section, "CurrencyGroupSymbol", GetRegionalThousandSeparator(),
                          formats.currencyGroupSymbol, CopyOf(page, &P::m_groupSymbol));
    ExchangeProfileString(changed, load, Section, "CurrencyFractionalSymbol", GetRegionalDecimalSeparator(),
                          formats.currencyFractionalSymbol, CopyOf(page, &P::m_fractionalSymbol));
}

void ExchangeDisplay(int* changed, BOOL load, CDisplayPrefsPage* page)
{
    typedef CDisplayPrefsPage P;
    int printColour = (int)DefaultPrintTextColour;
    ExchangeProfileIntAsText(changed, load, Section, "DefaultPrintTextColour", 0, printColour,
                             CopyOf(page, &P::m_printTextColour));
    DefaultPrintTextColour = (COLORREF)printColour;
    ExchangeProfileIntAsText(changed, load, Section, "EntColour", 0, EntColour, CopyOf(page, &P::m_entryColour));
    ExchangeProfileIntAsText(changed, load, Section, "EntBg", NoColour, EntBg, CopyOf(page, &P::m_entryBackground));
    ExchangeProfileIntAsText(changed, load, Section, "EntBgAlternate", NoColour, EntBgAlternate,
                             CopyOf(page, &P::m_alternateBackground));
    ExchangeProfileIntAsText(changed, load, Section, "EntBgSelected", NoColour, EntBgSelected,
                             CopyOf(page, &P::m_selectedBackground));
    ExchangeProfileInt(changed, load, Section, "AmericanEnglish", IsNorthAmericanEnglish(), AmericanEnglish,
                       CopyOf(page, &P::m_americanEnglish));
    ExchangeProfileInt(changed, load, Section, "Use24HourClock", 0, Use24HourClock,
                       CopyOf(page, &P::m_use24HourClock));
    ValueFormatSettings().use24HourClock = Use24HourClock;
    ExchangeProfileInt(changed, load, Section, "ToolTipsEnabled", 1, ToolTipsEnabled,
                       CopyOf(page, &P::m_toolTipsEnabled));
    MeasurementUnit = ClampMeasurementUnits(MeasurementUnit);
    if (page != NULL)
        page->m_measurementUnits = ClampMeasurementUnits(page->m_measurementUnits);
    ExchangeProfileInt(changed, load, Section, "MeasurementUnits", 0, MeasurementUnit,
                       CopyOf(page, &P::m_measurementUnits));
    MeasurementUnit = ClampMeasurementUnits(MeasurementUnit);
    ExchangeProfileInt(changed, load, Section, "ListFontPtSize", 14, ListFontPtSize,
                       CopyOf(page, &P::m_listFontPtSize));
    ExchangeProfileInt(changed, load, Section, "AlternatingIndexBackgroundColours", 1,
                       AlternatingIndexBackgroundColours, CopyOf(page, &P::m_alternatingBackgrounds));
}

// The values no page shows.
void ExchangeUnpaged(int* changed, BOOL load)
{
    ExchangeProfileString(changed, load, Section, "BackupDeviceDir", "A:\\", BackupDeviceDir, NULL);
    ExchangeProfileString(changed, load, Section, "RestoreDir", ProgramFolder, RestoreDir, NULL);
    ExchangeProfileInt(changed, load, Section, "WarnWhenOverwritingBackups", 1, WarnWhenOverwritingBackups, NULL);
    CString customColours = CustomColours.ToText();
    ExchangeProfileString(changed, load, Section, "Colours", customColours, customColours, NULL);
    if (load)
        CustomColours.FromText(customColours);
}
}  // namespace

int ClampMeasurementUnits(int units)
{
    return units < 0 ? 0 : (units > 3 ? 3 : units);
}

int ExchangePreferences(CPreferencesPage* page, BOOL load)
{
    int changed = 0;
    const BOOL wasAmericanEnglish = AmericanEnglish != FALSE;
    CGeneralPrefsPage* general = PageOfKind<CGeneralPrefsPage>(page, RUNTIME_CLASS(CGeneralPrefsPage));
    CLogoPrefsPage* logo = PageOfKind<CLogoPrefsPage>(page, RUNTIME_CLASS(CLogoPrefsPage));
    CDatePrefsPage* dates = PageOfKind<CDatePrefsPage>(page, RUNTIME_CLASS(CDatePrefsPage));
    CCurrencyPrefsPage* currency = PageOfKind<CCurrencyPrefsPage>(page, RUNTIME_CLASS(CCurrencyPrefsPage));
    CDisplayPrefsPage* display = PageOfKind<CDisplayPrefsPage>(page, RUNTIME_CLASS(CDisplayPrefsPage));
    if (page == NULL || general != NULL)
        ExchangeGeneral(&changed, load, general);
    if (page == NULL || logo != NULL)
        ExchangeLogo(&changed, load, logo);
    if (page == NULL || dates != NULL)
        ExchangeDates(&changed, load, dates);
    if (page == NULL || currency != NULL)
        ExchangeCurrency(&changed, load, currency);
    if (page == NULL || display != NULL)
        ExchangeDisplay(&changed, load, display);
    if (page == NULL)
        ExchangeUnpaged(&changed, load);

    if ((page == NULL && load) || (display != NULL && !load))
        UpdateAllToolTips();
    if (page != NULL && !load && (AmericanEnglish != FALSE) != wasAmericanEnglish)
    {
        CString text;
        ExpandTokens("Please restart ~AppName~ for changes to the American English setting to take place.", text);
        ShowInformation(NULL, 0, "%s", (LPCTSTR)text);
    }
    return changed;
}

int ExchangeAllPreferences(DWORD, BOOL load)
{
    return ExchangePreferences(NULL, load);
}
