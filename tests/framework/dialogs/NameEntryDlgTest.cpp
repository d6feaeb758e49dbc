#include "framework/dialogs/NameEntryDlg.h"

#include "framework/messages/MessageBoxIds.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>

TEST(NameEntryDlgTest, AcceptsOnlyAllowedTextsAndTrimsTheResult)
{
    CFrameworkTestApp app;
    CNameEntryDlg dialog(IDD_NAME_ENTRY, NULL);
    dialog.m_allowedCharacters = "abc ";
    dialog.m_allowEmpty = FALSE;
    dialog.m_initialName = "cab";
    dialog.m_label = "Name of the litter:";
    std::string message;
    CDialogDriver driver([&](HWND window) {
        if (::GetDlgItem(window, IDC_NAME_ENTRY_EDIT) == NULL)
        {
            message = CDialogDriver::ItemText(window, IDC_MSGBOX_TEXT);
            CDialogDriver::Click(window, IDOK);
            return;
        }
        EXPECT_EQ(CDialogDriver::ItemText(window, IDC_NAME_ENTRY_LABEL), "Name of the litter:");
        EXPECT_EQ(CDialogDriver::ItemText(window, IDC_NAME_ENTRY_EDIT), "cab");
        HWND ok = ::GetDlgItem(window, IDOK);
        const struct
        {
            const char* text;
            bool enabled;
        } cases[] = {{"abd", false}, {"", false}, {" ab c ", true}};
        for (const auto& c : cases)
        {
            ::SetDlgItemTextA(window, IDC_NAME_ENTRY_EDIT, c.text);
            EXPECT_EQ(::IsWindowEnabled(ok) != FALSE, c.enabled) << c.text;
        }
        ::SetDlgItemTextA(window, IDC_NAME_ENTRY_EDIT, "abd");
        ::SendMessageA(window, WM_COMMAND, IDOK, 0); // refused again on OK
        EXPECT_TRUE(::IsWindow(window));
        ::SetDlgItemTextA(window, IDC_NAME_ENTRY_EDIT, " ab c ");
        CDialogDriver::Click(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(message, "You may not use the d character here. ");
    EXPECT_EQ(dialog.m_name, "ab c");
    EXPECT_EQ(dialog.Validate(""), "You must enter a non-empty string in the box");
}

namespace
{
struct TemplateCase
{
    UINT templateId;
    const char* label;
};

class NameEntryTemplateTest : public ::testing::TestWithParam<TemplateCase>
{
protected:
    CFrameworkTestApp m_app;
};

CRect ItemRect(HWND dialog, int id)
{
    RECT rect = {};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(NULL, dialog, (POINT*)&rect, 2);
    return rect;
}
}

TEST_P(NameEntryTemplateTest, EveryTemplateShowsTheLabelTheEditAndTheButtonsApart)
{
    UINT templateId = GetParam().templateId;
    CNameEntryDlg dialog(templateId, NULL);
    dialog.SetTitle("New Colour");
    dialog.m_label = GetParam().label;
    dialog.m_initialName = "Blue Merle";
    dialog.m_okCaption = "Add";
    CDialogDriver driver([&](HWND window) {
        int ids[] = {IDC_NAME_ENTRY_LABEL, IDC_NAME_ENTRY_EDIT, IDOK, IDCANCEL};
        RECT client;
        ::GetClientRect(window, &client);
        for (int a : ids)
        {
            CRect rect = ItemRect(window, a), inside;
            EXPECT_TRUE(inside.IntersectRect(&rect, &client) && inside == rect) << templateId << " item " << a;
            for (int b : ids)
                EXPECT_TRUE(a == b || !inside.IntersectRect(&rect, ItemRect(window, b))) << a << " meets " << b;
        }
        CRect label = ItemRect(window, IDC_NAME_ENTRY_LABEL), edit = ItemRect(window, IDC_NAME_ENTRY_EDIT);
        EXPECT_TRUE(label.bottom <= edit.top || label.right <= edit.left); // above or beside
        EXPECT_LE(edit.bottom, ItemRect(window, IDOK).top);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(window, IDC_NAME_ENTRY_EDIT));
        DWORD start = 1, end = 0;
        ::SendDlgItemMessageA(window, IDC_NAME_ENTRY_EDIT, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 10u);
        EXPECT_EQ(CDialogDriver::ItemText(window, IDOK), "Add");
        EXPECT_TRUE(SaveWindowScreenshot(window, "framework_name_entry_" + std::to_string(templateId)));
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(window)), "");
        CDialogDriver::Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Templates, NameEntryTemplateTest,
                         ::testing::Values(TemplateCase{IDD_NAME_ENTRY_UNDER, "Enter the new colour below:"},
                                           TemplateCase{IDD_NAME_ENTRY_BESIDE, "Colour:"},
                                           TemplateCase{IDD_NAME_ENTRY, "Enter the new colour below:"},
                                           TemplateCase{IDD_NAME_ENTRY_WIDE,
                                                        "Enter the new colour below. It is offered for "
                                                        "every litter of the kennel from now on."}));
