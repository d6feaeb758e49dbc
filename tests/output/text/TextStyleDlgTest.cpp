#include "output/text/TextStyle.h"

#include "foundation/values/ValueText.h"
#include "framework/app/FrameworkApp.h"
#include "framework/app/SharedFonts.h"
#include "framework/app/SharedImageLists.h"
#include "framework/resources/CommandImagesIds.h"
#include "framework/colours/ColourPalettePopup.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "output/ScreenshotFile.h"
#include "output/text/TextStyleDlgIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
class CTestApp : public CFrameworkApp
{
public:
    CTestApp() : CFrameworkApp("Kestrova")
    {
        InitStartupValues();
        CreateSharedFonts();
        GetSharedImageLists().Build(IDB_COMMAND_IMAGES);
    }
    ~CTestApp() override
    {
        GetSharedImageLists().Release();
        DeleteSharedFonts();
    }
};

BOOL Checked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class TextStyleDlgTest : public ::testing::Test
{
protected:
    // Edits the style in the dialog; the action runs on the dialog once it
    // is up and must end it. A message box is counted, answered OK, and the
    // dialog then cancelled. The dialog's result.
    int Edit(std::function<void(HWND)> action)
    {
        m_shown = 0;
        m_messages = 0;
        HWND dialog = NULL;
        CDialogDriver driver([&](HWND window) {
            if (CDialogDriver::WindowText(window) != "Style of the Headings")
            {
                m_messages++;
                ::PostMessageA(window, WM_COMMAND, IDOK, 0);
                CDialogDriver::Click(dialog, IDCANCEL);
                return;
            }
            m_shown++;
            dialog = window;
            action(window);
        });
        int result = m_style.EditProperties(NULL, "Style of the Headings", FALSE, 0, 0);
        EXPECT_EQ(m_shown, 1);
        return result;
    }

    CTestApp m_app;
    CTextStyle m_style;
    int m_shown = 0;
    int m_messages = 0;
};
} // namespace

TEST_F(TextStyleDlgTest, OkTakesTheEditedStyleAndCancelKeepsTheOld)
{
    m_style.FromText("Arial,12,Bold Underline Red");
    std::string chosenFont;
    EXPECT_EQ(Edit([&](HWND dialog) {
                  EXPECT_TRUE(Checked(dialog, IDC_STYLE_BOLD));
                  EXPECT_TRUE(Checked(dialog, IDC_STYLE_UNDERLINE));
                  for (int id : {IDC_STYLE_ITALIC, IDC_STYLE_SMALL_CAPS, IDC_STYLE_ALL_CAPS})
                      EXPECT_FALSE(Checked(dialog, id)) << id;
                  EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_STYLE_COLOUR), "Red");
                  EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_STYLE_POINT_SIZE), "12");
                  // The installed fonts are listed; the last one is chosen.
                  HWND fonts = ::GetDlgItem(dialog, IDC_STYLE_FONT);
                  int count = (int)::SendMessageA(fonts, CB_GETCOUNT, 0, 0);
                  ASSERT_GT(count, 1);
                  ::SendMessageA(fonts, CB_SETCURSEL, count - 1, 0);
                  chosenFont = CDialogDriver::ItemText(dialog, IDC_STYLE_FONT);
                  SaveWindowScreenshot(dialog, "text_style_dialog");
                  EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
                  ::CheckDlgButton(dialog, IDC_STYLE_BOLD, BST_UNCHECKED);
                  ::CheckDlgButton(dialog, IDC_STYLE_ALL_CAPS, BST_CHECKED);
                  ::SetDlgItemTextA(dialog, IDC_STYLE_POINT_SIZE, "20");
                  CDialogDriver::Click(dialog, IDOK);
              }),
              1);
    const std::string edited = chosenFont + ",20,Underline AllCaps Red";
    EXPECT_EQ(std::string(m_style.ToText()), edited);
    EXPECT_EQ(m_style.m_kindCode, CTextStyle::KindCode);

    EXPECT_EQ(Edit([&](HWND dialog) {
                  EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_STYLE_FONT), chosenFont);
                  ::CheckDlgButton(dialog, IDC_STYLE_ITALIC, BST_CHECKED);
                  CDialogDriver::Click(dialog, IDCANCEL);
              }),
              0);
    EXPECT_EQ(std::string(m_style.ToText()), edited);
}

TEST_F(TextStyleDlgTest, PointSizesOutsideFourToSeventyTwoAreRefused)
{
    const struct
    {
        const char* typed;
        int result;
        int points;
    } cases[] = {{"3", 0, 10}, {"73", 0, 10}, {"4", 1, 4}, {"72", 1, 72}};
    for (const auto& c : cases)
    {
        m_style.SetDefault();
        EXPECT_EQ(Edit([&](HWND dialog) {
                      ::SetDlgItemTextA(dialog, IDC_STYLE_POINT_SIZE, c.typed);
                      CDialogDriver::Click(dialog, IDOK);
                  }),
                  c.result)
            << c.typed;
        EXPECT_EQ(m_style.m_pointSize, c.points) << c.typed;
        EXPECT_EQ(m_messages, 1 - c.result) << c.typed;
    }
}

TEST_F(TextStyleDlgTest, TheColourComesFromThePalette)
{
    m_style.FromText("Times New Roman,10,Red");
    EXPECT_EQ(Edit([](HWND dialog) {
                  HWND button = ::GetDlgItem(dialog, IDC_STYLE_COLOUR_BUTTON);
                  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_STYLE_COLOUR_BUTTON, BN_CLICKED), (LPARAM)button);
                  HWND popup = ::GetFocus();
                  CColourPalettePopup* palette = dynamic_cast<CColourPalettePopup*>(CWnd::FromHandlePermanent(popup));
                  ASSERT_NE(palette, nullptr);
                  EXPECT_EQ(palette->m_initialItem, 28);
                  EXPECT_STREQ(palette->m_defaultText, "Default");
                  // Left from nothing: the default entry, "Other", the last cell.
                  for (int i = 0; i < 3; i++)
                      ::SendMessageA(popup, WM_KEYDOWN, VK_LEFT, 0);
                  ::SendMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
                  CDialogDriver::Click(dialog, IDOK);
              }),
              1);
    EXPECT_EQ(m_style.m_colour, 0xFFFFFFu) << "White";

    EXPECT_EQ(Edit([](HWND dialog) {
                  EXPECT_EQ(CDialogDriver::ItemText(dialog, IDC_STYLE_COLOUR), "White");
                  HWND button = ::GetDlgItem(dialog, IDC_STYLE_COLOUR_BUTTON);
                  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_STYLE_COLOUR_BUTTON, BN_CLICKED), (LPARAM)button);
                  HWND popup = ::GetFocus();
                  ::SendMessageA(popup, WM_KEYDOWN, VK_LEFT, 0);
                  ::SendMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
                  CDialogDriver::Click(dialog, IDOK);
              }),
              1);
    EXPECT_EQ(m_style.m_colour, DEFAULT_COLOUR);
    EXPECT_EQ(m_style.m_attributes, 0);
}
