#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    ID_FIRST = 0x8201,
    ID_SECOND = 0x8202,
    ID_RANGE_FIRST = 0x8210,
    ID_RANGE_LAST = 0x8219,
    ID_NO_HANDLER = 0x8230,
};

class CBaseTarget : public CCmdTarget
{
public:
    afx_msg void OnFirst() { m_log += "base-first;"; }
    afx_msg void OnSecond() { m_log += "base-second;"; }
    CString m_log;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_COMMAND(ID_FIRST, OnFirst)
    ON_COMMAND(ID_SECOND, OnSecond)
END_MESSAGE_MAP()

// Its own map comes first; the base's answers the rest.
class CDerivedTarget : public CBaseTarget
{
public:
    afx_msg void OnFirstAgain() { m_log += "derived-first;"; }
    afx_msg void OnRange(UINT nID)
    {
        CString strID;
        strID.Format("range-%x;", nID);
        m_log += strID;
    }
    afx_msg void OnUpdateSecond(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == ID_RANGE_FIRST + 1); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_COMMAND(ID_FIRST, OnFirstAgain)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_UPDATE_COMMAND_UI(ID_SECOND, OnUpdateSecond)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
END_MESSAGE_MAP()

// Records what the update handlers asked for.
class CRecordingCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn)
    {
        m_nEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    virtual void SetCheck(int nCheck) { m_nChecked = nCheck; }
    int m_nEnabled = -1;
    int m_nChecked = -1;
};

TEST(CmdUITest, CommandsFindTheFirstHandlerUpTheMapChain)
{
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_FIRST, CN_COMMAND, NULL, NULL));
    EXPECT_TRUE(target.OnCmdMsg(ID_SECOND, CN_COMMAND, NULL, NULL));
    EXPECT_TRUE(target.OnCmdMsg(ID_RANGE_FIRST + 3, CN_COMMAND, NULL, NULL));
    EXPECT_FALSE(target.OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, NULL, NULL));
    EXPECT_STREQ("derived-first;base-second;range-8213;", target.m_log);
}

TEST(CmdUITest, AHandlerQueryReportsWithoutCalling)
{
    CDerivedTarget target;
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(target.OnCmdMsg(ID_SECOND, CN_COMMAND, NULL, &info));
    EXPECT_EQ(&target, info.pTarget);
    EXPECT_FALSE(target.OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, NULL, &info));
    EXPECT_STREQ("", target.m_log);
}

// Notifications from controls over a range of ids: the plain range handler
// always takes them, the extended one says whether it did.
class CNotifyTarget : public CCmdTarget
{
public:
    afx_msg void OnClickRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.Format("%s%u:%d;", (LPCTSTR)m_log, nID, pNMHDR->code == (UINT)NM_CLICK);
        *pResult = 5;
    }
    afx_msg BOOL OnNeedText(UINT nID, NMHDR*, LRESULT*) { return nID != 7; }
    CString m_log;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyTarget, CCmdTarget)
    ON_NOTIFY_RANGE(NM_CLICK, 100, 110, OnClickRange)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

TEST(CmdUITest, NotificationsReachRangeAndExtendedHandlers)
{
    CNotifyTarget target;
    NMHDR hdr = {};
    LRESULT lResult = 0;
    AFX_NOTIFY notify = {&lResult, &hdr};

    hdr.code = (UINT)NM_CLICK;
    EXPECT_TRUE(target.OnCmdMsg(104, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, NULL));
    EXPECT_EQ(5, lResult);
    EXPECT_FALSE(target.OnCmdMsg(111, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, NULL));
    EXPECT_STREQ("104:1;", target.m_log);

    hdr.code = (UINT)TTN_NEEDTEXTA;
    EXPECT_TRUE(target.OnCmdMsg(0, MAKELONG(TTN_NEEDTEXTA, WM_NOTIFY), &notify, NULL));
    EXPECT_FALSE(target.OnCmdMsg(7, MAKELONG(TTN_NEEDTEXTA, WM_NOTIFY), &notify, NULL));
}

TEST(CmdUITest, UpdatesReachTheirHandlersAndMissingOnesDisableOnRequest)
{
    CDerivedTarget target;
    CRecordingCmdUI second;
    second.m_nID = ID_SECOND;
    EXPECT_TRUE(second.DoUpdate(&target, TRUE));
    EXPECT_EQ(FALSE, second.m_nEnabled);

    CRecordingCmdUI ranged;
    ranged.m_nID = ID_RANGE_FIRST + 1;
    EXPECT_TRUE(ranged.DoUpdate(&target, TRUE));
    EXPECT_EQ(1, ranged.m_nChecked);
    EXPECT_EQ(TRUE, ranged.m_nEnabled); // not touched by its handler, but it has a command handler

    CRecordingCmdUI orphan;
    orphan.m_nID = ID_NO_HANDLER;
    EXPECT_FALSE(orphan.DoUpdate(&target, TRUE));
    EXPECT_EQ(FALSE, orphan.m_nEnabled);
    CRecordingCmdUI left;
    left.m_nID = ID_NO_HANDLER;
    left.DoUpdate(&target, FALSE);
    EXPECT_EQ(-1, left.m_nEnabled);

    CRecordingCmdUI separator; // id 0 is never asked
    EXPECT_TRUE(separator.DoUpdate(&target, TRUE));
    EXPECT_EQ(-1, separator.m_nEnabled);
}

CString AFXAPI ExpandColour(LPCTSTR lpszText)
{
    CString text(lpszText);
    text.Replace("~Colour~", "Color");
    return text;
}

TEST(CmdUITest, UpdatingAMenuItemExpandsItsTextAndKeepsItsState)
{
    AFX_TOKEN_EXPANDER pfnOld = AfxGetTokenExpander();
    AfxSetTokenExpander(ExpandColour);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_CHECKED | MF_GRAYED, ID_NO_HANDLER, "Pick ~Colour~");
    menu.AppendMenu(MF_SEPARATOR);
    CMenu subMenu;
    subMenu.CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, (UINT_PTR)subMenu.m_hMenu, "~Colour~ list");
    HMENU hSubMenu = subMenu.Detach(); // the menu owns it now

    CDerivedTarget target;
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = menu.GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = menu.GetMenuItemID(state.m_nIndex);
        state.m_pSubMenu = state.m_nID == (UINT)-1 ? CMenu::FromHandle(::GetSubMenu(menu.m_hMenu, state.m_nIndex)) : NULL;
        state.DoUpdate(&target, FALSE);
    }
    AfxSetTokenExpander(pfnOld);

    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ("Pick Color", text);
    UINT nState = menu.GetMenuState(0, MF_BYPOSITION);
    EXPECT_TRUE(nState & MF_CHECKED);
    EXPECT_TRUE(nState & MF_GRAYED);
    EXPECT_EQ((UINT)ID_NO_HANDLER, menu.GetMenuItemID(0));
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_STREQ("~Colour~ list", text); // a pop-up's own title is left alone
    EXPECT_EQ(hSubMenu, ::GetSubMenu(menu.m_hMenu, 2));
}

TEST(CmdUITest, ControlItemsChangeTheirWindow)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    CButton check;
    ASSERT_TRUE(check.Create("Check", BS_CHECKBOX | WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 1));
    CCmdUI state;
    state.m_pOther = &check;
    state.SetCheck(1);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    state.SetText("Changed");
    CString text;
    check.GetWindowText(text);
    EXPECT_STREQ("Changed", text);
    state.Enable(FALSE);
    EXPECT_FALSE(check.IsWindowEnabled());
    parent.DestroyWindow();
}

// Dialog controls brought up to date: the control's own reflected update
// first, then the dialog's map, then the target with full routing; only
// push-like buttons are disabled for want of a handler.
enum
{
    IDC_PUSH = 1601,
    IDC_AUTO_CHECK,
    IDC_AUTO_RADIO,
    IDC_GROUP,
    IDC_FIELD,
    IDC_HANDLED,
    IDC_DIALOG_UPDATED,
    IDC_SELF_UPDATED,
};

class CCommandsOfTarget : public CCmdTarget
{
public:
    afx_msg void OnCommand() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandsOfTarget, CCmdTarget)
    ON_COMMAND(IDC_HANDLED, OnCommand)
    ON_COMMAND(IDC_DIALOG_UPDATED, OnCommand)
    ON_COMMAND(IDC_SELF_UPDATED, OnCommand)
END_MESSAGE_MAP()

// A button that decides its own state.
class CSelfUpdatingButton : public CButton
{
public:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        m_nUpdatedId = pCmdUI->m_nID;
        pCmdUI->Enable(FALSE);
    }
    UINT m_nUpdatedId = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CButton)
    ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

class CUpdatedDialog : public CDialog
{
public:
    afx_msg void OnUpdateDialogUpdated(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatedDialog, CDialog)
    ON_UPDATE_COMMAND_UI(IDC_DIALOG_UPDATED, OnUpdateDialogUpdated)
END_MESSAGE_MAP()

TEST(CmdUITest, DialogControlsAreUpdatedByTheControlTheDialogOrTheTarget)
{
    CDialogTemplate t(L"Controls", WS_POPUP | WS_CAPTION | WS_VISIBLE);
    t.Add(CDialogTemplate::BUTTON, L"Push", IDC_PUSH, BS_PUSHBUTTON | WS_TABSTOP, 5, 5, 50, 14);
    t.Add(CDialogTemplate::BUTTON, L"Check", IDC_AUTO_CHECK, BS_AUTOCHECKBOX | WS_TABSTOP, 5, 20, 50, 10);
    t.Add(CDialogTemplate::BUTTON, L"Radio", IDC_AUTO_RADIO, BS_AUTORADIOBUTTON | WS_TABSTOP, 5, 32, 50, 10);
    t.Add(CDialogTemplate::BUTTON, L"Group", IDC_GROUP, BS_GROUPBOX, 60, 5, 60, 40);
    t.Add(CDialogTemplate::EDIT, L"", IDC_FIELD, WS_BORDER | WS_TABSTOP, 5, 45, 50, 12);
    t.Add(CDialogTemplate::BUTTON, L"Handled", IDC_HANDLED, BS_PUSHBUTTON | WS_TABSTOP, 5, 60, 50, 14);
    t.Add(CDialogTemplate::BUTTON, L"Dialog", IDC_DIALOG_UPDATED, BS_PUSHBUTTON | WS_TABSTOP, 60, 60, 50, 14);
    t.Add(CDialogTemplate::BUTTON, L"Self", IDC_SELF_UPDATED, BS_PUSHBUTTON | WS_TABSTOP, 115, 60, 50, 14);
    CUpdatedDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    CSelfUpdatingButton self;
    ASSERT_TRUE(self.SubclassDlgItem(IDC_SELF_UPDATED, &dlg));
    dlg.SetForegroundWindow();
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_PUSH));
    bool bFocusOnPush = ::GetFocus() == ::GetDlgItem(dlg.m_hWnd, IDC_PUSH);

    CCommandsOfTarget target;
    dlg.UpdateDialogControls(&target, TRUE);
    auto enabled = [&](int nID) { return ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, nID)) != FALSE; };
    EXPECT_FALSE(enabled(IDC_PUSH));
    EXPECT_TRUE(enabled(IDC_AUTO_CHECK));
    EXPECT_TRUE(enabled(IDC_AUTO_RADIO));
    EXPECT_TRUE(enabled(IDC_GROUP));
    EXPECT_TRUE(enabled(IDC_FIELD));
    EXPECT_TRUE(enabled(IDC_HANDLED));
    EXPECT_FALSE(enabled(IDC_DIALOG_UPDATED)); // the dialog's own handler first
    EXPECT_FALSE(enabled(IDC_SELF_UPDATED));   // and the control's before that
    EXPECT_EQ((UINT)IDC_SELF_UPDATED, self.m_nUpdatedId);
    // the disabled button handed the focus on
    EXPECT_TRUE(bFocusOnPush);
    EXPECT_NE(::GetDlgItem(dlg.m_hWnd, IDC_PUSH), ::GetFocus());
    EXPECT_TRUE(::IsChild(dlg.m_hWnd, ::GetFocus()));

    // with the flag off, controls without handlers keep their state
    ::EnableWindow(::GetDlgItem(dlg.m_hWnd, IDC_PUSH), TRUE);
    dlg.UpdateDialogControls(&target, FALSE);
    EXPECT_TRUE(enabled(IDC_PUSH));
    dlg.DestroyWindow();
}
} // namespace
