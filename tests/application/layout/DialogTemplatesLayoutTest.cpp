// Every dialog template of the program, opened with its texts expanded as the
// dialog initialisation expands them: no text clipped by its control, no two
// controls on top of each other, nothing cut by the dialog's edge.
#include "support/DialogTemplate.h"
#include "application/main/MainDlgIds.h"
#include "application/viewer/TextViewerIds.h"
#include "foundation/terminology/FrameworkTextHooks.h"
#include "foundation/terminology/TerminologySetup.h"
#include "support/LayoutCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
// Controls that a template places over others because the dialog moves,
// removes or alternates them when it opens.
const std::map<int, std::vector<LayoutExemption>> exemptions = {
    {IDD_GENETICS_MAIN, {{IDC_VIEWER_PRINT, 0}}}, // removed when the dialog opens
};

BOOL CALLBACK AddDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(ids)->push_back((int)(UINT_PTR)name);
    return TRUE;
}

std::vector<int> DialogTemplateIds()
{
    std::vector<int> ids;
    ::EnumResourceNamesA(::GetModuleHandleA(NULL), RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

class DialogTemplateLayout : public ::testing::TestWithParam<int>
{
protected:
    static void SetUpTestSuite()
    {
        InitProductTerms();
        InitDefaultTerms();
    }
};

TEST_P(DialogTemplateLayout, TextsFitAndControlsKeepApart)
{
    HWND host = ::CreateWindowA("Static", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HWND dialog =
        ::CreateDialogParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(GetParam()), host, PlainDialogProc, 0);
    ASSERT_NE(dialog, (HWND)NULL);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char text[1024] = "";
        ::GetWindowTextA(child, text, sizeof text);
        ::SetWindowTextA(child, ExpandFrameworkText(text));
    }
    const auto found = exemptions.find(GetParam());
    const std::vector<std::string> faults =
        FindLayoutFaults(dialog, found != exemptions.end() ? found->second : std::vector<LayoutExemption>());
    EXPECT_TRUE(faults.empty()) << JoinLayoutFaults(faults);
    ::DestroyWindow(dialog);
    ::DestroyWindow(host);
}

// The check itself: one fault of each kind (clipped text, overlap, cut by the
// edge, a label off its field's line), and a group box that holds a button
// below its caption is none.
TEST(LayoutCheck, FindsClippedTextOverlapsAndCutControls)
{
    CDialogTemplate form(L"Faults", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 200, 100);
    form.Add(CDialogTemplate::STATIC, L"A label far too long for its place", 11, WS_VISIBLE, 5, 5, 30, 8)
        .Add(CDialogTemplate::BUTTON, L"First", 12, WS_VISIBLE | BS_PUSHBUTTON, 5, 20, 50, 14)
        .Add(CDialogTemplate::BUTTON, L"Second", 13, WS_VISIBLE | BS_PUSHBUTTON, 40, 25, 50, 14)
        .Add(CDialogTemplate::BUTTON, L"Outside", 14, WS_VISIBLE | BS_PUSHBUTTON, 170, 80, 50, 14)
        .Add(CDialogTemplate::BUTTON, L"Group", 15, WS_VISIBLE | BS_GROUPBOX, 100, 5, 90, 40)
        .Add(CDialogTemplate::BUTTON, L"Inside", 16, WS_VISIBLE | BS_PUSHBUTTON, 110, 20, 50, 14)
        .Add(CDialogTemplate::STATIC, L"Low:", 17, WS_VISIBLE, 5, 66, 30, 8)
        .Add(CDialogTemplate::EDIT, L"", 18, WS_VISIBLE | WS_BORDER, 40, 60, 60, 12);
    HWND dialog = ::CreateDialogIndirectParamA(NULL, form.Get(), NULL, PlainDialogProc, 0);
    ASSERT_NE(dialog, (HWND)NULL);
    const std::vector<std::string> faults = FindLayoutFaults(dialog);
    const std::string all = JoinLayoutFaults(faults);
    EXPECT_EQ(faults.size(), 4u) << all;
    for (const char* expected :
         {"control 11", "control 12 \"First\" overlaps control 13", "control 14", "control 17 \"Low:\" stands"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " in\n" << all;
    EXPECT_EQ(FindLayoutFaults(dialog, {{12, 13}}).size(), 3u);
    ::DestroyWindow(dialog);
}

// Fields of one column line up: radio buttons that start left of the lists
// beside the other labels of the column are out of line; a second column may
// keep its own line.
TEST(LayoutCheck, FindsFieldsOutOfTheirColumnsLine)
{
    CDialogTemplate form(L"Columns", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 240, 80);
    form.Add(CDialogTemplate::STATIC, L"Long label:", 11, WS_VISIBLE, 5, 5, 40, 8)
        .Add(CDialogTemplate::COMBOBOX, L"", 12, WS_VISIBLE | CBS_DROPDOWNLIST, 50, 4, 60, 40)
        .Add(CDialogTemplate::STATIC, L"Short:", 13, WS_VISIBLE, 5, 22, 25, 8)
        .Add(CDialogTemplate::BUTTON, L"Clear", 14, WS_VISIBLE | BS_AUTORADIOBUTTON, 35, 21, 40, 10)
        .Add(CDialogTemplate::STATIC, L"Other:", 15, WS_VISIBLE, 130, 5, 25, 8)
        .Add(CDialogTemplate::EDIT, L"", 16, WS_VISIBLE | WS_BORDER, 160, 4, 60, 12)
        .Add(CDialogTemplate::STATIC, L"Next:", 17, WS_VISIBLE, 130, 22, 25, 8)
        .Add(CDialogTemplate::EDIT, L"", 18, WS_VISIBLE | WS_BORDER, 160, 21, 60, 12);
    HWND dialog = ::CreateDialogIndirectParamA(NULL, form.Get(), NULL, PlainDialogProc, 0);
    ASSERT_NE(dialog, (HWND)NULL);
    const std::vector<std::string> faults = FindColumnFaults(dialog);
    ASSERT_EQ(faults.size(), 1u) << JoinLayoutFaults(faults);
    EXPECT_EQ(faults[0].rfind("control 14 \"Clear\" starts at x=", 0), 0u) << faults[0];
    ::DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Resources, DialogTemplateLayout, ::testing::ValuesIn(DialogTemplateIds()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param);
                         });
} // namespace
