#include "framework/dialogs/NameEntryDlg.h"

#include "framework/messages/MessageBoxIds.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"

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
