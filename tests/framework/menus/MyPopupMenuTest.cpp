#include "framework/menus/MenuCommands.h"
#include "framework/menus/MenuTestSupport.h"
#include "framework/menus/MyMenuItem.h"
#include "framework/menus/MyPopupMenu.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
enum
{
    ID_OPEN = 39252,
    ID_SAVE,
    ID_NOTES,
    ID_CLOSE,
    ID_PLAIN,
    ID_RADIO,
    ID_RENAMED
};

class CStateTarget : public CCmdTarget
{
public:
    afx_msg void OnUpdateEnabled(CCmdUI* ui) { ui->Enable(TRUE); }
    afx_msg void OnUpdateChecked(CCmdUI* ui)
    {
        ui->Enable(TRUE);
        ui->SetCheck(1);
    }
    afx_msg void OnUpdateRadio(CCmdUI* ui)
    {
        ui->Enable(TRUE);
        ui->SetRadio(TRUE);
    }
    afx_msg void OnUpdateRenamed(CCmdUI* ui)
    {
        ui->Enable(m_renamedEnabled);
        ui->SetText(m_renamedText);
    }
    BOOL m_renamedEnabled = TRUE;
    CString m_renamedText = "Handler &text";
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(ID_OPEN, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_SAVE, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_CLOSE, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_RADIO, OnUpdateRadio)
ON_UPDATE_COMMAND_UI(ID_RENAMED, OnUpdateRenamed)
END_MESSAGE_MAP()

// Owns the tracked menus: answers mnemonics as the dialogs do, and types
// the next key of its list each time the menu waits for input.
class CMenuOwner : public CWnd
{
public:
    afx_msg LRESULT OnMenuChar(UINT character, UINT flags, CMenu* menu)
    {
        return AnswerMenuChar(this, character, flags, menu);
    }
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        if (wParam != MSGF_MENU)
            return 0;
        HWND menuWindow = ::FindWindowA("#32768", NULL);
        if (m_idles++ == 0 && menuWindow != NULL && !m_screenshot.empty())
            SaveWindowScreenshot(menuWindow, m_screenshot);
        if (m_keys.empty() || menuWindow == NULL)
            ::EndMenu();
        else
        {
            ::PostMessageA(menuWindow, WM_CHAR, m_keys.front(), 0);
            m_keys.erase(m_keys.begin());
        }
        return 0;
    }
    std::vector<char> m_keys;
    std::string m_screenshot;
    int m_idles = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
ON_WM_MENUCHAR()
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

void CALLBACK EndMenuLate(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu(); // in case no idle message comes
}

class MyPopupMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterTestMenuToolbars();
        ASSERT_TRUE(
            m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, 60, 50, 300, 200, NULL, NULL));
        m_owner.SetForegroundWindow();
    }
    void TearDown() override { m_owner.DestroyWindow(); }
    UINT Track(CMyPopupMenu& menu)
    {
        UINT_PTR timer = ::SetTimer(NULL, 0, 5000, EndMenuLate);
        UINT chosen = menu.Track(TPM_RIGHTBUTTON);
        ::KillTimer(NULL, timer);
        return chosen;
    }
    CMenuOwner m_owner;
    CStateTarget m_target;
};
}

TEST_F(MyPopupMenuTest, CommandItemsTakeTheirStatesFromTheRouting)
{
    CMyPopupMenu menu;
    EXPECT_TRUE(AddCommandMenuItem(&menu, ID_OPEN, -1, 601, &m_target, "&Open"));
    EXPECT_TRUE(InsertCommandMenuItem(&menu, ID_SAVE, -1, -1, &m_target, "Save %d &copies", 2));
    EXPECT_TRUE(AddCommandMenuItem(&menu, ID_NOTES, -1, -1, &m_target, "R&&D notes")); // no handler: disabled
    EXPECT_TRUE(AddCommandMenuItem(&menu, ID_RADIO, -1, -1, &m_target, "&Radio"));
    EXPECT_TRUE(AddCommandMenuItem(&menu, ID_RENAMED, -1, -1, &m_target, "Given"));
    EXPECT_FALSE(AddCommandMenuItem(&menu, ID_PLAIN, -1, -1, &m_target, NULL)); // no text at all
    EXPECT_FALSE(InsertCommandMenuItem(&menu, ID_PLAIN, -1, -1, &m_target, NULL));
    ASSERT_EQ(5u, menu.GetMenuItemCount());

    CString text;
    menu.GetItemText(1, text, MF_BYPOSITION);
    EXPECT_STREQ("Save 2 &copies", text);
    menu.GetItemText(ID_RENAMED, text, MF_BYCOMMAND);
    EXPECT_STREQ("Handler &text", text);
    const struct
    {
        UINT id;
        UINT state;
    } states[] = {{ID_OPEN, 0}, {ID_SAVE, MF_CHECKED}, {ID_NOTES, MF_GRAYED}, {ID_RADIO, MF_CHECKED}};
    for (const auto& s : states)
        EXPECT_EQ(s.state, menu.GetMenuState(s.id, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED)) << s.id;

    // A refresh takes the new text and state and leaves the check marks.
    m_target.m_renamedEnabled = FALSE;
    m_target.m_renamedText = "Changed";
    UpdateMenuCommandStates(&menu, &m_target);
    menu.GetItemText(ID_RENAMED, text, MF_BYCOMMAND);
    EXPECT_STREQ("Changed", text);
    EXPECT_NE(0u, menu.GetMenuState(ID_RENAMED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, menu.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MyPopupMenuTest, PositionsFollowTheFirstOwner)
{
    CMyPopupMenu menu;
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Other", WS_POPUP, 200, 220, 50, 50, NULL, NULL));
    menu.SetPosition(&m_owner, 0, 0, 0);
    EXPECT_EQ(CPoint(60, 50), menu.GetPosition());
    menu.SetPosition(&other, 10, 5, 0);
    EXPECT_EQ(&m_owner, menu.GetOwner());
    EXPECT_EQ(CPoint(70, 55), menu.GetPosition());
    menu.SetRelativePosition(FALSE);
    menu.SetPosition(&other, 10, 5, 0);
    EXPECT_EQ(CPoint(10, 5), menu.GetPosition());
    other.DestroyWindow();

    // Commands remember their source command, sub-menus share the root's record.
    menu.AppendCommand(0, ID_OPEN, 601);
    CMyMenu* subMenu = menu.CreateSubMenu();
    ASSERT_TRUE(subMenu->IsKindOf(RUNTIME_CLASS(CMyPopupMenu)));
    subMenu->AppendCommand(0, ID_SAVE);
    menu.AppendItem(MF_POPUP, (UINT_PTR)subMenu->m_hMenu, "&More");
    UINT source = 1;
    EXPECT_TRUE(menu.LookupSourceCommand(ID_OPEN, source));
    EXPECT_EQ(601u, source);
    EXPECT_TRUE(menu.LookupSourceCommand(ID_SAVE, source));
    EXPECT_EQ(0u, source);
    EXPECT_FALSE(menu.LookupSourceCommand(ID_CLOSE, source));
}

TEST_F(MyPopupMenuTest, EmptyMenuAnswersNothingWithoutShowing)
{
    CMyPopupMenu menu;
    menu.SetPosition(&m_owner, 10, 10);
    EXPECT_EQ(0u, Track(menu));
    EXPECT_EQ(0, m_owner.m_idles);
}

TEST_F(MyPopupMenuTest, TrackedMenuIsDrawnAndAnswersTheMnemonicsCommand)
{
    CMyPopupMenu menu;
    AddCommandMenuItem(&menu, ID_OPEN, -1, 601, &m_target, "&Open");
    AddCommandMenuItem(&menu, ID_SAVE, -1, -1, &m_target, "&Save\tCtrl+S");
    AddCommandMenuItem(&menu, ID_NOTES, -1, -1, &m_target, "R&&D notes");
    menu.AppendItem(0, 0, NULL);
    AddCommandMenuItem(&menu, ID_RADIO, -1, -1, &m_target, "&Radio choice");
    AddCommandMenuItem(&menu, ID_CLOSE, -1, 604, &m_target, "&Close");
    menu.SetPosition(&m_owner, 20, 10);
    // "d" is no mnemonic (R&&D shows an ampersand), so the menu stays; "c" chooses Close.
    m_owner.m_keys = {'d', 'c'};
    m_owner.m_screenshot = "framework_owner_drawn_menu";
    EXPECT_EQ((UINT)ID_CLOSE, Track(menu));
    EXPECT_GE(m_owner.m_idles, 2);

    m_owner.m_keys = {'x'};
    m_owner.m_screenshot.clear();
    EXPECT_EQ(0u, Track(menu)); // closed without a choice
}
