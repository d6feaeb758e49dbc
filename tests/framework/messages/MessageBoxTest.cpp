#include "framework/dialogs/MyDialog.h"
#include "framework/messages/MessageBoxButtons.h"
#include "framework/messages/MessageBoxIds.h"
#include "framework/messages/MyMessageBoxDlg.h"
#include "framework/messages/MessagePrompts.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct BoxCase
{
    const char* name;
    UINT flags;
    UINT option;
    std::vector<int> buttons;   // left to right
    int defaultButton;
    int escapeAnswer;           // 0: Escape does nothing
};

const BoxCase boxCases[] = {
    {"ok", MB_OK, 0, {IDOK}, IDOK, IDOK},
    {"ok_cancel", MB_OKCANCEL, 0, {IDOK, IDCANCEL}, IDOK, IDCANCEL},
    {"abort_retry_ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, 0, {IDABORT, IDRETRY, IDIGNORE}, IDRETRY, 0},
    {"yes_no_cancel", MB_YESNOCANCEL | MB_DEFBUTTON3, 0, {IDYES, IDNO, IDCANCEL}, IDCANCEL, IDCANCEL},
    {"yes_no", MB_YESNO | MB_DEFBUTTON2, 0, {IDYES, IDNO}, IDNO, 0},
    {"retry_cancel", MB_RETRYCANCEL, 0, {IDRETRY, IDCANCEL}, IDRETRY, IDCANCEL},
    {"ok_to_all", MB_OK, 0x201, {IDOK, 33200, IDCANCEL}, IDCANCEL, IDCANCEL},
    {"yes_to_all", MB_OK, 0x103, {IDYES, 33203, IDNO, 33199, IDCANCEL}, 33203, IDCANCEL},
    {"type_wins_over_option", MB_YESNO, 4, {IDYES, IDNO}, IDYES, 0},
    {"abort_all_print", MB_OK, 0x1002, {IDABORT, 33197, IDRETRY, 33202, IDIGNORE, 33198, 33201}, IDABORT, 0},
    {"print_info", MB_ICONINFORMATION, 0x1000, {IDOK, 33201}, IDOK, IDOK},
};

class MessageBoxVariantTest : public ::testing::TestWithParam<BoxCase>
{
protected:
    CFrameworkTestApp app;
};

TEST_P(MessageBoxVariantTest, ShowsItsButtonsDefaultAndEscape)
{
    const BoxCase& c = GetParam();
    std::vector<int> buttons;
    int defaultId = 0;
    bool hasIcon = false, hasCheckBox = true;
    std::string title, text;
    CDialogDriver driver([&](HWND box) {
        buttons = CDialogDriver::ButtonIds(box);
        LRESULT defId = ::SendMessageA(box, DM_GETDEFID, 0, 0);
        defaultId = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : 0;
        hasIcon = ::SendDlgItemMessageA(box, IDC_MSGBOX_ICON, STM_GETICON, 0, 0) != 0;
        hasCheckBox = ::GetDlgItem(box, IDC_MSGBOX_DONT_SHOW) != NULL;
        title = CDialogDriver::WindowText(box);
        text = CDialogDriver::ItemText(box, IDC_MSGBOX_TEXT);
        SaveWindowScreenshot(box, std::string("framework_message_box_") + c.name);
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(box)), "");
        ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);   // Escape
        CDialogDriver::Click(box, defaultId);            // ends a box that Escape did not
    });
    int answer = ShowPromptedMessageBox(NULL, "Whelping & weaning dates are due.", "", c.flags, c.option, 0, "");
    EXPECT_EQ(c.buttons, buttons);
    EXPECT_EQ(c.defaultButton, defaultId);
    EXPECT_EQ(c.escapeAnswer != 0 ? c.escapeAnswer : c.defaultButton, answer);
    EXPECT_TRUE(hasIcon);
    EXPECT_FALSE(hasCheckBox);
    EXPECT_EQ("Kestrova Framework Tests", title);   // the application's name for an empty title
    EXPECT_EQ("Whelping & weaning dates are due.", text);
}

INSTANTIATE_TEST_SUITE_P(Sets, MessageBoxVariantTest, ::testing::ValuesIn(boxCases),
                         [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(MessageBoxButtons, OptionSetAlwaysCopiesAndLeavesAFullSetAlone)
{
    MsgBoxButtonSet first = GetButtonSet(MB_OK, 2);
    MsgBoxButtonSet second = GetButtonSet(MB_OKCANCEL, 0);
    EXPECT_EQ((UINT)IDABORT, first.buttons[0]);   // not overwritten by the later call
    EXPECT_EQ(6, first.Count());
    EXPECT_EQ(2, second.Count());
    // eight buttons leave no room for "Print Info"
    MsgBoxButtonSet full = GetButtonSet(MB_OK, 2 | MSGBOX_OPTION_PRINT_INFO);
    EXPECT_EQ(7, full.Count());
    EXPECT_EQ(IDC_MSGBOX_PRINT_INFO, (int)full.buttons[6]);
}

TEST(MessageBoxButtons, DontShowTextAndIconFollowTheFlags)
{
    struct Case
    {
        UINT flags, option, textId;
        LPCTSTR icon;
    } cases[] = {
        {MB_YESNO, 0, IDS_DONT_ASK_QUESTION, IDI_ASTERISK},
        {MB_OK, 3, IDS_DONT_ASK_QUESTION, IDI_ASTERISK},
        {MB_ICONHAND, 0, IDS_DONT_SHOW_ERROR, IDI_HAND},
        {MB_ICONEXCLAMATION, 0, IDS_DONT_SHOW_ERROR, IDI_EXCLAMATION},
        {MB_ICONQUESTION, 0, IDS_DONT_SHOW_MESSAGE, IDI_QUESTION},
        {MB_ICONINFORMATION, 0, IDS_DONT_SHOW_MESSAGE, IDI_ASTERISK},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.textId, GetDontShowText(c.flags, c.option)) << c.flags;
        HINSTANCE instance = (HINSTANCE)1;
        LPCTSTR icon = NULL;
        GetIcon(c.flags, 0, instance, icon);
        EXPECT_EQ(NULL, instance);
        EXPECT_EQ(c.icon, icon) << c.flags;
    }
    HINSTANCE instance = NULL;
    LPCTSTR icon = NULL;
    GetIcon(MB_ICONHAND, 103, instance, icon);
    EXPECT_EQ(AfxGetResourceHandle(), instance);
    EXPECT_EQ(MAKEINTRESOURCEA(103), icon);
}

// The box's outer size for a text, and the width of its text.
CSize BoxSizeFor(const char* text, const char* screenshot = NULL, int* textWidth = NULL)
{
    CSize size;
    CDialogDriver driver([&](HWND box) {
        CRect rect;
        ::GetWindowRect(box, &rect);
        size = rect.Size();
        ::GetClientRect(::GetDlgItem(box, IDC_MSGBOX_TEXT), &rect);
        if (textWidth != NULL)
            *textWidth = rect.Width();
        if (screenshot != NULL)
            SaveWindowScreenshot(box, screenshot);
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(box)), "") << text;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ShowPromptedMessageBox(NULL, text, "Sizing", MB_OK, 0, 0, "");
    return size;
}

TEST(MessageBoxSizing, ShortTextKeepsTheTemplateLongTextGrowsWithinTheWorkArea)
{
    CFrameworkTestApp app;
    CSize oneWord = BoxSizeFor("Done");
    EXPECT_EQ(oneWord, BoxSizeFor("Saved."));

    CString longText;
    for (int i = 0; i < 120; i++)
        longText += "The sire carries one copy of the merle allele and the dam none. ";
    int textWidth = 0;
    CSize grown = BoxSizeFor(longText, "framework_message_box_long_text", &textWidth);
    CRect area = GetDesktopWorkArea();
    EXPECT_GT(grown.cx, oneWord.cx);
    EXPECT_GT(grown.cy, oneWord.cy);
    EXPECT_LE(textWidth, area.Width() * 9 / 10);
    EXPECT_LE(grown.cx, area.Width());
    EXPECT_LE(grown.cy, area.Height());
}
} // namespace

namespace
{
class CRecordingPrinting : public CPrintableDlgPrinting
{
public:
    CPrintableDlgPrintData* CreatePrintData(CPrintableDlg*) override { return NULL; }
    void SetupPrinter(CPrintableDlg*, BOOL) override {}
    BOOL Print(CPrintableDlg* dialog) override
    {
        titles.push_back(dialog->GetPrintTitle());
        texts.push_back(dialog->GetPrintText());
        return TRUE;
    }
    std::vector<CString> titles, texts;
};

TEST(MessageBoxPrintInfo, PrintsTitleAndTextAndTheBoxStaysOpen)
{
    CFrameworkTestApp app;
    CRecordingPrinting printing;
    SetPrintableDlgPrinting(&printing);
    struct Case
    {
        const char* text;
        size_t printed;
    } cases[] = {{"Line one\nline two", 1}, {"", 0}};
    for (const Case& c : cases)
    {
        printing.titles.clear();
        printing.texts.clear();
        bool boxOpenAfterPrinting = false;
        CDialogDriver driver([&](HWND window) {
            if (::GetDlgItem(window, IDC_MSGBOX_TEXT) == NULL)
            {
                // the printing dialog, when it did not print and close itself
                ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            ::SendMessageA(window, WM_COMMAND, IDC_MSGBOX_PRINT_INFO, 0);
            boxOpenAfterPrinting = ::IsWindow(window) != FALSE;
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
        CMyMessageBoxDlg dialog(NULL, c.text, "Litter", MB_OK, MSGBOX_OPTION_PRINT_INFO, 0, -1);
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_TRUE(boxOpenAfterPrinting);
        ASSERT_EQ(c.printed, printing.texts.size()) << c.text;
        if (c.printed > 0)
        {
            EXPECT_STREQ("Litter", printing.titles[0]);
            EXPECT_STREQ("Line one\r\nline two", printing.texts[0]);
        }
    }
    SetPrintableDlgPrinting(NULL);
}
} // namespace
