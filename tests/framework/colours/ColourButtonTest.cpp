#include "framework/colours/ColourButton.h"
#include "framework/colours/ColourPalettePopup.h"
#include "framework/colours/CustomColours.h"

#include "support/DialogTemplate.h"
#include "foundation/settings/SettingsExchangers.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/SystemColours.h"
#include "framework/app/Preferences.h"
#include "framework/app/SharedImageLists.h"
#include "framework/resources/CommandImagesIds.h"
#include "framework/dialogs/MyDialog.h"
#include "support/DialogDriver.h"
#include "support/MessagePump.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "../controls/ControlPixels.h"

#include <gtest/gtest.h>

namespace
{
    enum { IDC_LABEL = 299, IDC_COLOUR = 300, IDC_COLOUR_BUTTON = 301, IDC_OTHER = 302 };

    // A dialog with one colour field: label, edit, button.
    class CColourDialog : public CMyDialog
    {
    public:
        explicit CColourDialog(LPCTSTR defaultText) : CMyDialog(0, NULL), m_defaultText(defaultText)
        {
            CDialogTemplate form(L"Colour", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT, 200, 50);
            form.Add(CDialogTemplate::STATIC, L"&Colour:", IDC_LABEL, SS_LEFT, 5, 7, 30, 10)
                .Add(CDialogTemplate::EDIT, L"", IDC_COLOUR, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, 40, 5, 100, 13)
                .Add(CDialogTemplate::BUTTON, L"", IDC_COLOUR_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 142, 5, 18, 13)
                .Add(CDialogTemplate::EDIT, L"", IDC_OTHER, WS_BORDER | WS_TABSTOP, 40, 25, 100, 13);
            CreateIndirect(form.Get());
        }
        ~CColourDialog() override { DestroyWindow(); }

        void Click() { CDialogDriver::ClickNow(m_hWnd, IDC_COLOUR_BUTTON); }
        CColourPalettePopup* Popup() { return dynamic_cast<CColourPalettePopup*>(CWnd::FromHandlePermanent(::GetFocus())); }
        void Keys(std::initializer_list<UINT> keys)
        {
            CColourPalettePopup* popup = Popup();
            ASSERT_NE(popup, nullptr);
            for (UINT key : keys)
                popup->SendMessage(WM_KEYDOWN, key, 0);
            PumpWaitingMessages();
        }
        CString Text()
        {
            CString text;
            GetDlgItemText(IDC_COLOUR, text);
            return text;
        }
        BOOL Enabled()
        {
            for (int id : {IDC_LABEL, IDC_COLOUR, IDC_COLOUR_BUTTON})
                if (!GetDlgItem(id)->IsWindowEnabled())
                    return FALSE;
            return TRUE;
        }

        CColourButton m_button;
        COLORREF m_colour = DEFAULT_COLOUR;
        CString m_defaultText;

    protected:
        void DoDataExchange(CDataExchange* pDX) override
        {
            CMyDialog::DoDataExchange(pDX);
            DDX_ColourButton(pDX, IDC_COLOUR, m_button, "The ~colour~ of the text.", m_defaultText);
            DDX_ColourValue(pDX, IDC_COLOUR, m_colour);
        }
    };

    class ColourButtonTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            CustomColours.Reset();
            ASSERT_TRUE(GetSharedImageLists().Build(IDB_COMMAND_IMAGES));
        }
        void TearDown() override
        {
            GetSharedImageLists().Release();
            AmericanEnglish = FALSE;
            CustomColours.Reset();
        }
        CFrameworkTestApp m_app;
    };
}

TEST_F(ColourButtonTest, TheFieldShowsTheColourNameOnTheColour)
{
    const COLORREF window = GetSystemColour(COLOR_WINDOW), windowText = GetSystemColour(COLOR_WINDOWTEXT);
    const struct
    {
        COLORREF colour;
        const char* defaultText;
        BOOL american;
        const char* text;
        COLORREF background, foreground;
    } cases[] = {
        {DEFAULT_COLOUR, "", FALSE, "Default", window, windowText},
        {DEFAULT_COLOUR, "Automatic", FALSE, "Automatic", window, windowText},
        {0x00008B, "", FALSE, "Dark red", 0x00008B, window},
        {0x00FFFF, "", FALSE, "Yellow", 0x00FFFF, windowText},
        {0x7F7F7F, "", FALSE, "Grey - 50", 0x7F7F7F, windowText},
        {0x0000FF, "", FALSE, "Red", 0x0000FF, windowText}, // black on red reads well (5:1)
        {0xFF0000, "", FALSE, "Blue", 0xFF0000, window},    // black on blue would not (2.4:1)
        {windowText, "", FALSE, "Black", windowText, window},
        {0x123456, "", FALSE, "Custom Colour", 0x123456, window},
        {0xD0E0F0, "", TRUE, "Custom Color", 0xD0E0F0, windowText},
    };
    for (const auto& c : cases)
    {
        AmericanEnglish = c.american;
        CColourDialog dialog(c.defaultText);
        dialog.m_colour = c.colour;
        dialog.UpdateData(FALSE);
        EXPECT_STREQ(dialog.Text(), c.text);
        EXPECT_EQ(dialog.m_button.m_edit.m_backgroundColour, c.background) << c.text;
        EXPECT_EQ(dialog.m_button.m_edit.m_textColour, c.foreground) << c.text;
        CControlPixels pixels(dialog.m_button.m_edit.m_hWnd);
        EXPECT_EQ(pixels.At(pixels.m_width - 3, pixels.m_height / 2), c.background) << c.text;
        if (c.colour != 0x00008B)
            continue;
        SaveWindowScreenshot(dialog.m_hWnd, "colour_button");
        CControlPixels face(dialog.m_button.m_hWnd);
        CRect inner(3, 3, face.m_width - 3, face.m_height - 3);
        EXPECT_GT(inner.Width() * inner.Height() - face.Count(GetSystemColour(COLOR_BTNFACE), inner), 40)
            << "the palette picture";
    }
}

TEST_F(ColourButtonTest, ThePaletteRoundTripsByKeysAndMouse)
{
    CColourDialog dialog("Automatic");
    dialog.m_colour = 0x00008B;
    dialog.UpdateData(FALSE);
    EXPECT_STREQ(dialog.m_toolTip.GetTipText(&dialog.m_button.m_edit),
                 "The colour of the text.\r\n\r\nClick the button on the right to change the colour.");
    EXPECT_STREQ(dialog.m_toolTip.GetTipText(&dialog.m_button), "Click this button to select a colour.");

    dialog.Click();
    CColourPalettePopup* popup = dialog.Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->m_initialItem, 4);
    EXPECT_FALSE(dialog.Enabled());
    CRect button, shown;
    dialog.m_button.GetWindowRect(&button);
    popup->GetWindowRect(&shown);
    EXPECT_EQ(shown.TopLeft(), CPoint(button.left, button.bottom)) << "drops down under the button";
    // Right from nothing: "Other", the default entry, then the first cell.
    dialog.Keys({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN});
    EXPECT_STREQ(dialog.Text(), "Magenta");
    EXPECT_TRUE(dialog.Enabled());
    EXPECT_EQ(::GetFocus(), dialog.m_button.m_hWnd);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.m_colour, 0xFF00FFu);

    dialog.Click();
    dialog.Keys({VK_LEFT, VK_ESCAPE});
    EXPECT_STREQ(dialog.Text(), "Magenta");
    EXPECT_TRUE(dialog.Enabled());

    dialog.Click();
    popup = dialog.Popup();
    ASSERT_NE(popup, nullptr);
    CPoint black = popup->GetItemRect(12).CenterPoint();
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(black.x, black.y));
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(black.x, black.y));
    PumpWaitingMessages();
    EXPECT_STREQ(dialog.Text(), "Black");
    EXPECT_EQ(dialog.m_button.GetColour(), 0u);

    // Moving the focus elsewhere closes the palette without a colour.
    dialog.Click();
    dialog.GetDlgItem(IDC_OTHER)->SetFocus();
    PumpWaitingMessages();
    EXPECT_EQ(dialog.Popup(), nullptr);
    EXPECT_TRUE(dialog.Enabled());
    EXPECT_STREQ(dialog.Text(), "Black");
}

TEST_F(ColourButtonTest, OtherColoursRunsTheColourDialog)
{
    CColourDialog dialog("");
    dialog.m_colour = 0x123456;
    dialog.UpdateData(FALSE);
    // What the colour dialog does: cancel, add a custom colour and cancel, OK.
    const struct
    {
        std::vector<int> commands;
        BOOL typeRed;
        BOOL settingsChanged;
        COLORREF colour;
    } cases[] = {
        {{IDCANCEL}, FALSE, FALSE, 0x123456},
        {{712, IDCANCEL}, FALSE, TRUE, 0x123456},
        {{IDOK}, FALSE, FALSE, 0x123456},
        {{IDOK}, TRUE, FALSE, 0x0000FF},
    };
    for (const auto& c : cases)
    {
        dialog.m_button.SetColour(0x123456);
        SettingsChangedFlag = FALSE;
        CustomColours.Reset();
        HWND ours = dialog.m_hWnd;
        std::string title;
        int colourDialogs = 0; // the driver also sees the test dialog come back to the front
        CDialogDriver driver([&](HWND shown) {
            if (shown == ours)
                return;
            colourDialogs++;
            title = CDialogDriver::WindowText(shown);
            SaveWindowScreenshot(shown, "colour_dialog");
            const char* red[] = {"255", "0", "0"}; // the red, green and blue fields
            for (int i = 0; c.typeRed && i < 3; i++)
                ::SetDlgItemTextA(shown, 706 + i, red[i]);
            for (int command : c.commands)
                ::SendMessageA(shown, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), (LPARAM)::GetDlgItem(shown, command));
        });
        dialog.Click();
        CColourPalettePopup* popup = dialog.Popup();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->m_initialItem, CColourPalettePopup::OtherItem);
        dialog.Keys({VK_RIGHT, VK_RETURN}); // returns when the colour dialog has closed
        EXPECT_EQ(colourDialogs, 1);
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(SettingsChangedFlag, c.settingsChanged) << c.commands.size();
        if (c.settingsChanged)
        {
            EXPECT_EQ(CustomColours.m_colours[0], 0x123456u) << "the dialog starts on the field's colour";
        }
        EXPECT_STREQ(dialog.Text(), c.colour == 0x0000FF ? "Red" : "Custom Colour");
        EXPECT_EQ(dialog.m_button.GetColour(), c.colour);
        EXPECT_TRUE(dialog.Enabled());
        EXPECT_EQ(dialog.Popup(), nullptr);
    }
}
