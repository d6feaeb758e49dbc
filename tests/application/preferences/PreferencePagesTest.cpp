// The preference pages as a user meets them: each page shows the values the
// program holds, takes the user's changes on OK, and the changed values are
// written to the profile and read again at the next start. Also the picture
// options dialog of the general page, the controls that follow the page's
// choices, and the restart note of the spelling preference.
#include "application/app/Preferences.h"
#include "application/preferences/DisplayPrefsPage.h"
#include "application/preferences/PreferencesIds.h"
#include "application/preferences/PreferencesSheet.h"
#include "foundation/values/Decimal.h"
#include "framework/app/Preferences.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "framework/values/ValueFormatSettings.h"
#include "output/pictures/PictureSettings.h"

#include "support/MessageBoxAnswerer.h"
#include "support/ScratchFolder.h"
#include "support/TestApp.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
using Driver = CDialogDriver;

HWND CurrentPage(HWND sheet)
{
    return (HWND)::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
}
void PressOk(HWND sheet)
{
    ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}
void SetText(HWND page, int id, const char* text)
{
    ::SetDlgItemTextA(page, id, text);
}
BOOL IsEnabled(HWND page, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(page, id));
}
BOOL IsChecked(HWND page, int id)
{
    return ::IsDlgButtonChecked(page, id) == BST_CHECKED;
}
// Clicks a check box or radio button as the mouse would.
void ClickButton(HWND page, int id)
{
    ::SendMessageA(::GetDlgItem(page, id), BM_CLICK, 0, 0);
}
// Chooses the last entry of a drop-down list.
void ChooseLast(HWND page, int id)
{
    HWND list = ::GetDlgItem(page, id);
    ::SendMessageA(list, CB_SETCURSEL, ::SendMessageA(list, CB_GETCOUNT, 0, 0) - 1, 0);
}

struct PageCase
{
    const char* name;
    int page;
    // Changes the page's controls (checking what it shows first).
    std::function<void(HWND page)> change;
    // Checks the program's values after OK, and again after a restart.
    std::function<void()> check;
    // Sets the values checked to others, as a new run would start.
    std::function<void()> forget;
};

class PreferencePagesTest : public ::testing::TestWithParam<PageCase>
{
protected:
    PreferencePagesTest() : m_registry("KestrovaPreferencePagesTest"), m_app("KestrovaPreferencePagesTest")
    {
        InitDateFormats();
        InitCurrencyFormatCodes();
        ExchangePreferences(NULL, TRUE);
    }
    ~PreferencePagesTest() override
    {
        ExchangePreferences(NULL, TRUE);
        MeasurementUnit = 0;
    }

    CTestRegistryKey m_registry;
    CTestApp m_app;
};

const PageCase Cases[] = {
    {"general", PREFS_GENERAL,
     [](HWND page) {
         EXPECT_EQ(Driver::ItemText(page, IDC_PICTURE_FOLDER), std::string(DefaultPictureFolder));
         SetText(page, IDC_PICTURE_FOLDER, "C:\\Litters\\Pictures");
         // The picture options come back to the page when their dialog is accepted.
         Driver::Click(page, IDC_PICTURE_OPTIONS);
     },
     [] {
         EXPECT_STREQ(DefaultPictureFolder, "C:\\Litters\\Pictures");
         EXPECT_EQ(UseAlternatePictureRendering, 0);
         EXPECT_EQ(BackupCount, 7);
     },
     [] {
         DefaultPictureFolder.Empty();
         UseAlternatePictureRendering = 1;
         BackupCount = 2;
     }},
    {"logo", PREFS_LOGO,
     [](HWND page) {
         EXPECT_FALSE(IsChecked(page, IDC_LOGO_USE_PICTURE) || IsChecked(page, IDC_LOGO_USE_TEXT)) << "no logo yet";
         EXPECT_FALSE(IsEnabled(page, IDC_LOGO_PATH) || IsEnabled(page, IDC_LOGO_BROWSE) ||
                      IsEnabled(page, IDC_LOGO_PATH_LABEL) || IsEnabled(page, IDC_LOGO_TEXT));
         ClickButton(page, IDC_LOGO_USE_PICTURE);
         EXPECT_TRUE(IsEnabled(page, IDC_LOGO_PATH) && IsEnabled(page, IDC_LOGO_BROWSE) &&
                     IsEnabled(page, IDC_LOGO_PATH_LABEL));
         EXPECT_FALSE(IsEnabled(page, IDC_LOGO_TEXT));
         ClickButton(page, IDC_LOGO_USE_TEXT);
         EXPECT_FALSE(IsChecked(page, IDC_LOGO_USE_PICTURE));
         EXPECT_FALSE(IsEnabled(page, IDC_LOGO_PATH) || IsEnabled(page, IDC_LOGO_BROWSE));
         EXPECT_TRUE(IsEnabled(page, IDC_LOGO_TEXT));
         SetText(page, IDC_LOGO_TEXT, "Kennel Mirolf");
     },
     [] {
         EXPECT_EQ(DefaultLogoIsPath, 0);
         EXPECT_EQ(DefaultLogoIsText, 1);
         EXPECT_STREQ(DefaultLogoText, "Kennel Mirolf");
     },
     [] {
         DefaultLogoIsText = 0;
         DefaultLogoText.Empty();
     }},
    {"dates", PREFS_DATES,
     [](HWND page) {
         EXPECT_FALSE(Driver::ItemText(page, IDC_DATA_ENTRY_DATE).empty()) << "the regional format is shown";
         ChooseLast(page, IDC_OUTPUT_DATE);
     },
     [] {
         const CDateFormatLists& lists = DateFormatLists();
         const int last = (int)lists.displayFormats.GetSize() - 1;
         EXPECT_EQ(OutputDateFormat, lists.displayFormats[last]);
     },
     [] { OutputDateFormat.Empty(); }},
    {"currency", PREFS_CURRENCY,
     [](HWND page) {
         EXPECT_EQ(Driver::ItemText(page, IDC_CURRENCY_GROUP_DIGITS), "3");
         SetText(page, IDC_CURRENCY_SYMBOL, "EUR");
         SetText(page, IDC_CURRENCY_GROUP_DIGITS, "4");
         ChooseLast(page, IDC_NEGATIVE_CURRENCY_FIRST + 1);
     },
     [] {
         EXPECT_STREQ(ValueFormatSettings().currencySymbol, "EUR");
         EXPECT_EQ(ValueFormatSettings().currencyGroupDigitsCount, 4);
         const CStringArray& codes = NegativeCurrencyFormatCodes();
         EXPECT_EQ(NegativeListCurrencyFormat, codes[codes.GetSize() - 1]);
     },
     [] {
         ValueFormatSettings().currencySymbol = "?";
         ValueFormatSettings().currencyGroupDigitsCount = 3;
         NegativeListCurrencyFormat.Empty();
     }},
    {"display", PREFS_DISPLAY,
     [](HWND page) {
         EXPECT_EQ(Driver::ItemText(page, IDC_LIST_FONT_SIZE), "14");
         EXPECT_TRUE(IsEnabled(page, IDC_ALTERNATE_BACKGROUND_BUTTON) && IsEnabled(page, IDC_ALTERNATE_BACKGROUND));
         ClickButton(page, IDC_ALTERNATING_BACKGROUNDS);
         EXPECT_FALSE(IsEnabled(page, IDC_ALTERNATE_BACKGROUND_BUTTON) ||
                      IsEnabled(page, IDC_ALTERNATE_BACKGROUND)) << "the alternate colour goes with the check box";
         ClickButton(page, IDC_USE_24_HOUR_CLOCK);
         ClickButton(page, IDC_TOOL_TIPS);
         SetText(page, IDC_PRINT_TEXT_COLOUR, "#102030");
         SetText(page, IDC_LIST_FONT_SIZE, "11");
         ::SendDlgItemMessageA(page, IDC_MEASUREMENT_UNITS, CB_SETCURSEL, 2, 0);
     },
     [] {
         EXPECT_EQ(AlternatingIndexBackgroundColours, 0);
         EXPECT_TRUE(Use24HourClock);
         EXPECT_TRUE(ValueFormatSettings().use24HourClock) << "the clock follows at once";
         EXPECT_FALSE(ToolTipsEnabled);
         EXPECT_EQ(DefaultPrintTextColour, RGB(0x10, 0x20, 0x30));
         EXPECT_EQ(ListFontPtSize, 11);
         EXPECT_EQ(MeasurementUnit, 2);
     },
     [] {
         AlternatingIndexBackgroundColours = 1;
         Use24HourClock = FALSE;
         ToolTipsEnabled = TRUE;
         DefaultPrintTextColour = 0;
         ListFontPtSize = 14;
         MeasurementUnit = 0;
     }},
};
}  // namespace

TEST_P(PreferencePagesTest, PageShowsTheValuesAndOkKeepsTheChangesForTheNextStart)
{
    const PageCase& c = GetParam();
    Driver driver([&c](HWND dialog) {
        if (Driver::WindowText(dialog) == "Picture Options")
        {
            SaveWindowScreenshot(dialog, "preferences-picture-options");
            EXPECT_TRUE(IsChecked(dialog, IDC_ALTERNATE_RENDERING)) << "the page's copy";
            EXPECT_EQ(Driver::ItemText(dialog, IDC_BACKUP_COUNT), "2");
            ClickButton(dialog, IDC_ALTERNATE_RENDERING);
            SetText(dialog, IDC_BACKUP_COUNT, "7");
            ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            PressOk(::GetParent(dialog));
            return;
        }
        SaveWindowScreenshot(dialog, std::string("preferences-") + c.name);
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(CurrentPage(dialog))), "");
        c.change(CurrentPage(dialog));
        if (c.page != PREFS_GENERAL)
            PressOk(dialog);
    });
    EXPECT_EQ(RunPreferencesSheet(NULL, c.page), IDOK);
    c.check();

    ExchangeAllPreferences(0, FALSE);  // the exit's save
    c.forget();
    ExchangePreferences(NULL, TRUE);  // the next start
    c.check();
}

INSTANTIATE_TEST_SUITE_P(Pages, PreferencePagesTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST(PreferencePages, ChangingTheSpellingPreferenceAsksForARestartAndOnlyThen)
{
    CTestRegistryKey registry("KestrovaPreferencePagesTest");
    CTestApp app("KestrovaPreferencePagesTest");
    const BOOL saved = AmericanEnglish;
    CDisplayPrefsPage page;
    ExchangePreferences(&page, TRUE);
    CMessageBoxAnswerer answerer(IDOK);
    ExchangePreferences(&page, FALSE);
    EXPECT_EQ(answerer.Count(), 0) << "unchanged";
    page.m_americanEnglish = !saved;
    ExchangePreferences(&page, FALSE);
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_NE(answerer.LastText().find("American English"), std::string::npos);
    EXPECT_EQ(AmericanEnglish, !saved);
    AmericanEnglish = saved;
}

namespace
{
// A small bitmap file: 2 x 2 pixels, 24 bits.
std::string SmallBitmap()
{
    BITMAPINFOHEADER info = {sizeof info, 2, 2, 1, 24, BI_RGB, 16, 2835, 2835, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, (DWORD)(sizeof file + sizeof info + 16), 0, 0, (DWORD)(sizeof file + sizeof info)};
    std::string bytes((const char*)&file, sizeof file);
    bytes.append((const char*)&info, sizeof info);
    bytes.append(16, '\x7f');
    return bytes;
}

// The picture preview: the page's child window without an id.
HWND Preview(HWND page)
{
    for (HWND child = ::GetWindow(page, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == 0)
            return child;
    return NULL;
}
}  // namespace

TEST(PreferencePages, TheLogoPictureIsPreviewedWhileThePictureIsChosen)
{
    CTestRegistryKey registry("KestrovaPreferencePagesTest");
    CTestApp app("KestrovaPreferencePagesTest");
    CScratchFolder folder("KestrovaLogo");
    ASSERT_TRUE(folder.WriteFile("logo.bmp", SmallBitmap()));
    DefaultLogoPath = (folder / "logo.bmp").c_str();
    DefaultLogoIsPath = 1;
    DefaultLogoIsText = 0;
    Driver driver([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        ASSERT_NE(Preview(page), nullptr);
        EXPECT_TRUE(::IsWindowVisible(Preview(page))) << "the chosen picture";
        SaveWindowScreenshot(sheet, "preferences-logo-picture");
        ClickButton(page, IDC_LOGO_USE_TEXT);
        EXPECT_FALSE(::IsWindowVisible(Preview(page)));
        ClickButton(page, IDC_LOGO_USE_PICTURE);
        SetText(page, IDC_LOGO_PATH, "no such picture.bmp");
        EXPECT_FALSE(::IsWindowVisible(Preview(page))) << "nothing to show";
        ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(RunPreferencesSheet(NULL, PREFS_LOGO), IDCANCEL);
    EXPECT_EQ(DefaultLogoIsPath, 1) << "Cancel keeps the values";
    ExchangePreferences(NULL, TRUE);
}
