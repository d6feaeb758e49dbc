#include "foundation/settings/EditCmdUI.h"
#include "foundation/windows/ControlStates.h"
#include "foundation/windows/DialogExchange.h"
#include "foundation/windows/ListSelection.h"
#include "foundation/windows/ModifierKeys.h"
#include "foundation/windows/RectPlacement.h"

#include "support/MessageBoxAnswerer.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    enum { IDC_NAME = 101, IDC_CHECK = 102, IDC_OTHER = 103, IDC_BUTTON = 104 };

    class DialogExchangeTest : public ::testing::Test
    {
    protected:
        DialogExchangeTest()
        {
            m_edit = m_window.AddControl("EDIT", "", ES_AUTOHSCROLL, IDC_NAME);
            m_check = m_window.AddControl("BUTTON", "", BS_AUTO3STATE, IDC_CHECK);
            m_other = m_window.AddControl("BUTTON", "", BS_PUSHBUTTON, IDC_OTHER);
        }

        // Runs one exchange; FALSE when it failed.
        template <typename Exchange>
        bool Run(BOOL save, Exchange exchange)
        {
            CDataExchange dx(m_window.Wnd(), save);
            try
            {
                exchange(&dx);
            }
            catch (CUserException* e)
            {
                e->Delete();
                return false;
            }
            return true;
        }

        CTestWindow m_window;
        HWND m_edit;
        HWND m_check;
        HWND m_other;
    };
}

TEST_F(DialogExchangeTest, TrimmedTextWithALengthRange)
{
    CString name;
    ::SetWindowTextA(m_edit, "  Bella  ");
    EXPECT_TRUE(Run(TRUE, [&](CDataExchange* dx) { DDX_TrimmedText(dx, IDC_NAME, name, 1, 20); }));
    EXPECT_STREQ(name, "Bella");

    CMessageBoxAnswerer answerer(IDOK);
    ::SetWindowTextA(m_edit, "    ");
    EXPECT_FALSE(Run(TRUE, [&](CDataExchange* dx) { DDX_TrimmedText(dx, IDC_NAME, name, 1, 20); }));
    EXPECT_EQ(answerer.LastText(), "Please enter between 1 and 20 characters.");
    EXPECT_STREQ(name, "");

    EXPECT_TRUE(Run(TRUE, [&](CDataExchange* dx) { DDX_TextLength(dx, IDC_NAME, name, 0, 5, TRUE, FALSE); }));
    ::SetWindowTextA(m_edit, "  ab  ");
    EXPECT_TRUE(Run(TRUE, [&](CDataExchange* dx) { DDX_TextLength(dx, IDC_NAME, name, 0, 5, FALSE, TRUE); }));
    EXPECT_STREQ(name, "  ab");
    EXPECT_EQ(answerer.Count(), 1);

    // Loading shows the untrimmed text and trims the variable.
    name = " Rex ";
    EXPECT_TRUE(Run(FALSE, [&](CDataExchange* dx) { DDX_TrimmedText(dx, IDC_NAME, name, 1, 2); }));
    char shown[32];
    ::GetWindowTextA(m_edit, shown, sizeof(shown));
    EXPECT_STREQ(shown, " Rex ");
    EXPECT_STREQ(name, "Rex");
}

TEST_F(DialogExchangeTest, InvertedChecksAndFlagBits)
{
    int value = 5;
    Run(FALSE, [&](CDataExchange* dx) { DDX_CheckInverted(dx, IDC_CHECK, value); });
    EXPECT_EQ(::SendMessageA(m_check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Run(TRUE, [&](CDataExchange* dx) { DDX_CheckInverted(dx, IDC_CHECK, value); });
    EXPECT_EQ(value, 1);
    ::SendMessageA(m_check, BM_SETCHECK, BST_INDETERMINATE, 0);
    Run(TRUE, [&](CDataExchange* dx) { DDX_CheckInverted(dx, IDC_CHECK, value); });
    EXPECT_EQ(value, 0);

    DWORD flags = 0x01;
    ::SendMessageA(m_check, BM_SETCHECK, BST_CHECKED, 0);
    Run(TRUE, [&](CDataExchange* dx) { DDX_CheckFlag(dx, IDC_CHECK, flags, 0x0C); });
    EXPECT_EQ(flags, 0x0Du);
    ::SendMessageA(m_check, BM_SETCHECK, BST_UNCHECKED, 0);
    Run(TRUE, [&](CDataExchange* dx) { DDX_CheckFlag(dx, IDC_CHECK, flags, 0x0C); });
    EXPECT_EQ(flags, 0x01u);
    flags = 0x04;
    Run(FALSE, [&](CDataExchange* dx) { DDX_CheckFlag(dx, IDC_CHECK, flags, 0x0C); });
    EXPECT_EQ(::SendMessageA(m_check, BM_GETCHECK, 0, 0), BST_CHECKED);

    WORD word = 0x8001;
    ::SendMessageA(m_check, BM_SETCHECK, BST_CHECKED, 0);
    Run(TRUE, [&](CDataExchange* dx) { DDX_CheckFlagWord(dx, IDC_CHECK, word, 0x0100); });
    EXPECT_EQ(word, 0x8101);
}

TEST_F(DialogExchangeTest, ControlListsAndWindowTexts)
{
    const UINT ids[] = {IDC_NAME, 999, IDC_OTHER, 0};
    SetControlsState(m_window.Wnd(), ids, 1);
    EXPECT_FALSE(::IsWindowEnabled(m_edit));
    EXPECT_FALSE(::IsWindowEnabled(m_other));
    EXPECT_TRUE(::IsWindowEnabled(m_check));
    EnableControls(m_window.Wnd(), TRUE, IDC_NAME, IDC_OTHER, 0);
    EXPECT_TRUE(::IsWindowEnabled(m_edit));
    SetControlsState(m_window.Wnd(), ids, 2);
    EXPECT_FALSE(::GetWindowLongA(m_other, GWL_STYLE) & WS_VISIBLE);
    SetControlsState(m_window.Wnd(), ids, 3);
    EXPECT_TRUE(::GetWindowLongA(m_other, GWL_STYLE) & WS_VISIBLE);
    const UINT none[] = {0};
    SetControlsState(m_window.Wnd(), none, 1);

    ::SetWindowTextA(m_edit, "\t Bella \r\n");
    EXPECT_STREQ(GetTrimmedWindowText(CWnd::FromHandle(m_edit)), "Bella");
}

TEST_F(DialogExchangeTest, EditControlsBecomeReadOnlyInsteadOfDisabled)
{
    CEditCmdUI update;
    update.m_bEditReadOnly = TRUE;
    update.m_nID = IDC_NAME;
    update.m_pOther = CWnd::FromHandle(m_edit);
    update.Enable(FALSE);
    EXPECT_TRUE(::IsWindowEnabled(m_edit));
    EXPECT_TRUE(::GetWindowLongA(m_edit, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(update.m_bEnableChanged);
    update.Enable(TRUE);
    EXPECT_FALSE(::GetWindowLongA(m_edit, GWL_STYLE) & ES_READONLY);

    CEditCmdUI button;
    button.m_bEditReadOnly = TRUE;
    button.m_nID = IDC_OTHER;
    button.m_pOther = CWnd::FromHandle(m_other);
    button.Enable(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(m_other));
}

TEST(WindowHelpersTest, ModifierKeysAndRectangles)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE saved[256];
    memcpy(saved, keys, sizeof(keys));
    keys[VK_SHIFT] = 0x80;
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_EQ(GetModifierKeyFlags(), 12);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(GetModifierKeyFlags(), MK_SHIFT);
    ::SetKeyboardState(saved);

    const RECT bounds = {0, 0, 100, 100};
    EXPECT_EQ(MoveRectInside(CRect(90, 90, 110, 110), bounds), CRect(80, 80, 100, 100));
    EXPECT_EQ(MoveRectInside(CRect(-10, 5, 20, 25), bounds), CRect(0, 5, 30, 25));
    EXPECT_EQ(MoveRectInside(CRect(0, 0, 200, 50), CRect(10, 10, 100, 100)), CRect(10, 10, 210, 60));
}

TEST(WindowHelpersTest, SelectAllWorksOnMultipleSelectionListsOnly)
{
    CTestWindow window;
    HWND multi = window.AddControl("LISTBOX", "", LBS_EXTENDEDSEL, 201, 0, 0, 100, 100);
    HWND single = window.AddControl("LISTBOX", "", 0, 202, 0, 100, 100, 100);
    for (HWND list : {multi, single})
        for (const char* item : {"Bella", "Rex", "Luna"})
            ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)item);
    CListBox multiList;
    multiList.Attach(multi);
    CListBox singleList;
    singleList.Attach(single);
    SelectAllListItems(&multiList);
    EXPECT_EQ(::SendMessageA(multi, LB_GETSELCOUNT, 0, 0), 3);
    EXPECT_EQ(SelectAllListItems(&singleList), -1);
    EXPECT_EQ(::SendMessageA(single, LB_GETCURSEL, 0, 0), LB_ERR);
    multiList.Detach();
    singleList.Detach();
}
