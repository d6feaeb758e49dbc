#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"
#include "afx/RecordingApp.h"
#include "afx/windows/EnabledStateCmdUI.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
enum
{
    IDC_ACTION = 1001,
    IDC_STATE = 1002,
    IDC_LABEL = 1003,
    ID_APP_COMMAND = 0x8123,
};

CDialogTemplate MakeButtonsTemplate()
{
    CDialogTemplate t(L"Buttons");
    t.Add(CDialogTemplate::BUTTON, L"Action", IDC_ACTION, BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 14);
    t.Add(CDialogTemplate::BUTTON, L"State", IDC_STATE, BS_PUSHBUTTON | WS_TABSTOP, 10, 30, 60, 14);
    t.Add(CDialogTemplate::BUTTON, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 50, 60, 14);
    return t;
}

// A modal dialog made from an in-memory template.
class CTemplateDialog : public CDialog
{
public:
    explicit CTemplateDialog(LPCDLGTEMPLATE lpTemplate, CWnd* pParent = NULL) { InitModalIndirect(lpTemplate, pParent); }
};

// Acts once initialised and ends with IDOK before it is shown.
class CActAtInitDialog : public CTemplateDialog
{
public:
    using CTemplateDialog::CTemplateDialog;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        Act();
        EndDialog(IDOK);
        return FALSE;
    }

protected:
    virtual void Act() = 0;
};

// Acts once from a timer, after its modal loop has run for the delay.
class CTimedDialog : public CTemplateDialog
{
public:
    CTimedDialog(LPCDLGTEMPLATE lpTemplate, UINT nDelay) : CTemplateDialog(lpTemplate), m_nDelay(nDelay) {}

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        SetTimer(1, m_nDelay, NULL);
        return TRUE;
    }

    afx_msg void OnTimer(UINT)
    {
        KillTimer(1);
        OnTimeUp();
    }

protected:
    virtual void OnTimeUp() = 0;

    UINT m_nDelay;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimedDialog, CTemplateDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A dialog driven by a posted button notification.
class CCommandDialog : public CTemplateDialog
{
public:
    using CTemplateDialog::CTemplateDialog;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_bInitialised = true;
        if (m_pParentWnd != NULL)
            m_bParentEnabledWhileModal = ::IsWindowEnabled(m_pParentWnd->m_hWnd) != FALSE;
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, IDC_ACTION));
        return TRUE;
    }

    afx_msg void OnAction()
    {
        ++m_nActions;
        EndDialog(42);
    }

    bool m_bInitialised = false;
    bool m_bParentEnabledWhileModal = true;
    int m_nActions = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandDialog, CTemplateDialog)
    ON_BN_CLICKED(IDC_ACTION, OnAction)
END_MESSAGE_MAP()

TEST(DialogTest, ModalDialogIsInitialisedAndRoutesAButtonToItsHandler)
{
    CDialogTemplate t = MakeButtonsTemplate();
    CCommandDialog dlg(t.Get());
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bInitialised);
    EXPECT_EQ(1, dlg.m_nActions);
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

TEST(DialogTest, ModalDialogDisablesItsOwnerUntilItEnds)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL));
    CDialogTemplate t = MakeButtonsTemplate();
    CCommandDialog dlg(t.Get(), &owner);
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bParentEnabledWhileModal);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

// Disables one button from its update handler whenever the modal loop idles.
class CIdleUpdateDialog : public CTimedDialog
{
public:
    explicit CIdleUpdateDialog(LPCDLGTEMPLATE lpTemplate) : CTimedDialog(lpTemplate, 150) {}

    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKicks;
        UpdateDialogControls(this, FALSE);
        return 0;
    }

    afx_msg void OnUpdateState(CCmdUI* pCmdUI)
    {
        ++m_nUpdates;
        pCmdUI->Enable(FALSE);
    }

    afx_msg void OnState() { ++m_nStateCommands; }

    virtual void OnTimeUp()
    {
        m_bStateEnabled = ::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_STATE)) != FALSE;
        m_bActionEnabled = ::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_ACTION)) != FALSE;
        m_bVisible = IsWindowVisible() != FALSE;
        // a command whose update handler disables it is dropped
        SendMessage(WM_COMMAND, IDC_STATE, 0);
        EndDialog(IDOK);
    }

    int m_nKicks = 0;
    int m_nUpdates = 0;
    int m_nStateCommands = 0;
    bool m_bStateEnabled = true;
    bool m_bActionEnabled = false;
    bool m_bVisible = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleUpdateDialog, CTimedDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_UPDATE_COMMAND_UI(IDC_STATE, OnUpdateState)
    ON_COMMAND(IDC_STATE, OnState)
END_MESSAGE_MAP()

TEST(DialogTest, IdleProcessingOfTheModalLoopUpdatesControls)
{
    CDialogTemplate t = MakeButtonsTemplate();
    CIdleUpdateDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_GT(dlg.m_nKicks, 0);
    EXPECT_GT(dlg.m_nUpdates, 0);
    EXPECT_FALSE(dlg.m_bStateEnabled);
    EXPECT_TRUE(dlg.m_bActionEnabled); // no handler, and not asked to disable those
    EXPECT_TRUE(dlg.m_bVisible);       // shown when the loop first went idle
    EXPECT_EQ(0, dlg.m_nStateCommands);
}

// Ends itself during its initialisation.
class CEndAtInitDialog : public CTemplateDialog
{
public:
    using CTemplateDialog::CTemplateDialog;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        EndDialog(7);
        return FALSE;
    }

    afx_msg LRESULT OnShowWindow(WPARAM wParam, LPARAM)
    {
        if (wParam)
            m_bShown = true;
        return Default();
    }

    afx_msg void OnDestroy()
    {
        m_bDestroyed = true;
        CDialog::OnDestroy();
    }

    virtual void PostNcDestroy() { m_bNcDestroyed = true; }

    bool m_bShown = false;
    bool m_bDestroyed = false;
    bool m_bNcDestroyed = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEndAtInitDialog, CTemplateDialog)
    ON_MESSAGE(WM_SHOWWINDOW, OnShowWindow)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(DialogTest, EndDialogDuringInitialisationReturnsTheCodeWithoutShowing)
{
    CDialogTemplate t = MakeButtonsTemplate();
    CEndAtInitDialog dlg(t.Get());
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bShown);
    EXPECT_TRUE(dlg.m_bDestroyed);
    EXPECT_TRUE(dlg.m_bNcDestroyed);
}

// Destroys its window instead of ending the dialog.
class CSelfDestroyingDialog : public CTimedDialog
{
public:
    explicit CSelfDestroyingDialog(LPCDLGTEMPLATE lpTemplate) : CTimedDialog(lpTemplate, 20) {}

    virtual void OnTimeUp() { DestroyWindow(); }
};

TEST(DialogTest, AModalDialogWhoseWindowIsDestroyedEndsItsLoop)
{
    CDialogTemplate t = MakeButtonsTemplate();
    CSelfDestroyingDialog dlg(t.Get());
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

// Throws from its handlers; the window procedure must catch and report.
class CThrowingDialog : public CActAtInitDialog
{
public:
    using CActAtInitDialog::CActAtInitDialog;

    virtual void Act()
    {
        SendMessage(WM_COMMAND, IDC_ACTION, 0);
        SendMessage(WM_COMMAND, IDC_STATE, 0);
        SendMessage(WM_COMMAND, IDC_LABEL, 0);
        m_bSurvived = true;
    }

    afx_msg void OnUserFailure() { AfxThrowUserException(); }
    afx_msg void OnFrameworkFailure() { AfxThrowNotSupportedException(); }
    afx_msg void OnForeignFailure() { throw 5; }

    bool m_bSurvived = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingDialog, CActAtInitDialog)
    ON_COMMAND(IDC_ACTION, OnUserFailure)
    ON_COMMAND(IDC_STATE, OnFrameworkFailure)
    ON_COMMAND(IDC_LABEL, OnForeignFailure)
END_MESSAGE_MAP()

TEST(DialogTest, ExceptionsFromHandlersAreCaughtAndReported)
{
    CRecordingApp app;
    CDialogTemplate t = MakeButtonsTemplate();
    CThrowingDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bSurvived);
    // the user exception was reported by its thrower; the two others here
    EXPECT_EQ(2u, app.m_messages.size());
}

class CFailingInitDialog : public CTemplateDialog
{
public:
    using CTemplateDialog::CTemplateDialog;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        AfxThrowMemoryException();
    }
};

TEST(DialogTest, AnExceptionDuringInitialisationEndsTheDialogWithMinusOne)
{
    CRecordingApp app;
    CDialogTemplate t = MakeButtonsTemplate();
    CFailingInitDialog dlg(t.Get());
    EXPECT_EQ(-1, dlg.DoModal());
    ASSERT_EQ(1u, app.m_messages.size());
    EXPECT_EQ("Out of memory.", app.m_messages[0]);
}

// The application takes commands that no window handles, and the help.
class CCommandApp : public CRecordingApp
{
public:
    afx_msg void OnAppCommand() { ++m_nAppCommands; }
    afx_msg void OnHelpCommand() {}

    int m_nAppCommands = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandApp, CRecordingApp)
    ON_COMMAND(ID_APP_COMMAND, OnAppCommand)
    ON_COMMAND(ID_HELP, OnHelpCommand)
END_MESSAGE_MAP()

class CRoutingDialog : public CActAtInitDialog
{
public:
    using CActAtInitDialog::CActAtInitDialog;

    virtual void Act()
    {
        m_bHelpVisible = ::IsWindowVisible(::GetDlgItem(m_hWnd, ID_HELP)) != FALSE
                         || (::GetWindowLongA(::GetDlgItem(m_hWnd, ID_HELP), GWL_STYLE) & WS_VISIBLE) != 0;
        SendMessage(WM_COMMAND, ID_APP_COMMAND, 0);
        SendMessage(WM_COMMANDHELP, 0, 0);
    }

    bool m_bHelpVisible = false;
};

TEST(DialogTest, CommandsGoOnToTheApplicationAndHelpShowsWhenHandled)
{
    CDialogTemplate t = MakeButtonsTemplate();
    t.Add(CDialogTemplate::BUTTON, L"Help", ID_HELP, BS_PUSHBUTTON, 80, 50, 60, 14);
    {
        CCommandApp app;
        CRoutingDialog dlg(t.Get());
        dlg.m_nIDHelp = 458;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(1, app.m_nAppCommands);
        EXPECT_TRUE(dlg.m_bHelpVisible);
        ASSERT_EQ(1u, app.m_helpRequests.size());
        EXPECT_EQ(HID_BASE_RESOURCE + 458, app.m_helpRequests[0]);
    }
    {
        CRecordingApp app; // no help handler: the Help button is hidden
        CRoutingDialog dlg(t.Get());
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(dlg.m_bHelpVisible);
    }
}

// The owner of a dialog handles commands of the whole id range; the dialog
// passes on only command ids below the system range, and only commands and
// their updates.
enum
{
    ID_OWNER_COMMAND = 0x8300,
    IDC_OWNER_CONTROL = 0x0300,
    ID_OWNER_SYSTEM = 0xF010,
};

class COwnerCommandWnd : public CWnd
{
public:
    afx_msg void OnCommandHere() { ++m_nCommands; }
    afx_msg void OnUpdateHere(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    int m_nCommands = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerCommandWnd, CWnd)
    ON_COMMAND(ID_OWNER_COMMAND, OnCommandHere)
    ON_UPDATE_COMMAND_UI(ID_OWNER_COMMAND, OnUpdateHere)
    ON_CONTROL(EN_CHANGE, ID_OWNER_COMMAND, OnCommandHere)
    ON_COMMAND(IDC_OWNER_CONTROL, OnCommandHere)
    ON_COMMAND(ID_OWNER_SYSTEM, OnCommandHere)
END_MESSAGE_MAP()

class COwnedRoutingDialog : public CActAtInitDialog
{
public:
    using CActAtInitDialog::CActAtInitDialog;

    virtual void Act()
    {
        m_log += OnCmdMsg(ID_OWNER_COMMAND, CN_COMMAND, NULL, NULL) ? "command;" : "-;";
        CEnabledStateCmdUI state;
        state.m_nID = ID_OWNER_COMMAND;
        OnCmdMsg(ID_OWNER_COMMAND, CN_UPDATE_COMMAND_UI, &state, NULL);
        m_log += state.m_bEnabled ? "-;" : "update;";
        AFX_CMDHANDLERINFO info = {};
        m_log += OnCmdMsg(ID_OWNER_COMMAND, CN_COMMAND, NULL, &info) && info.pTarget == m_pParentWnd ? "query;" : "-;";
        m_log += OnCmdMsg(ID_OWNER_COMMAND, EN_CHANGE, NULL, NULL) ? "notification;" : "-;";
        m_log += OnCmdMsg(IDC_OWNER_CONTROL, CN_COMMAND, NULL, NULL) ? "control;" : "-;";
        m_log += OnCmdMsg(ID_OWNER_SYSTEM, CN_COMMAND, NULL, NULL) ? "system;" : "-;";
    }

    CString m_log;
};

TEST(DialogTest, CommandIdsGoOnToTheOwnerButControlIdsAndNotificationsDoNot)
{
    COwnerCommandWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    CDialogTemplate t = MakeButtonsTemplate();
    COwnedRoutingDialog dlg(t.Get(), &owner);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("command;update;query;-;-;-;", dlg.m_log);
    EXPECT_EQ(1, owner.m_nCommands); // the query did not call it
    owner.DestroyWindow();
}

// F1: the help goes from the focus window up to the first window that gives it.
class CHelpDialog : public CTimedDialog
{
public:
    explicit CHelpDialog(LPCDLGTEMPLATE lpTemplate) : CTimedDialog(lpTemplate, 20) {}

    virtual void OnTimeUp()
    {
        GotoDlgCtrl(GetDlgItem(IDC_STATE));
        m_bFocusOnState = ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_STATE);
        OnHelp();
        EndDialog(IDOK);
    }

    bool m_bFocusOnState = false;
};

TEST(DialogTest, HelpGoesFromTheFocusToTheDialogThatGivesIt)
{
    CRecordingApp app;
    CDialogTemplate t = MakeButtonsTemplate();
    CHelpDialog dlg(t.Get());
    dlg.m_nIDHelp = 479;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bFocusOnState);
    ASSERT_EQ(1u, app.m_helpRequests.size());
    EXPECT_EQ(HID_BASE_RESOURCE + 479, app.m_helpRequests[0]);
}

CString AFXAPI ExpandForTest(LPCTSTR lpszText)
{
    CString text(lpszText);
    text.Replace("~Genotype~", "Genotype");
    text.Replace("~AppName~", "Kestrova");
    return text;
}

class CTextDialog : public CActAtInitDialog
{
public:
    using CActAtInitDialog::CActAtInitDialog;

    virtual void Act()
    {
        GetDlgItem(IDC_LABEL)->GetWindowText(m_label);
        GetDlgItem(IDC_ACTION)->GetWindowText(m_button);
        GetWindowText(m_caption);
    }

    CString m_label, m_button, m_caption;
};

TEST(DialogTest, InitialisationExpandsTheTokensOfControlsAndCaption)
{
    AFX_TOKEN_EXPANDER pfnOld = AfxGetTokenExpander();
    AfxSetTokenExpander(ExpandForTest);
    CDialogTemplate t(L"About ~AppName~");
    t.Add(CDialogTemplate::STATIC, L"Select ~Genotype~", IDC_LABEL, SS_LEFT, 10, 10, 100, 10);
    t.Add(CDialogTemplate::BUTTON, L"Plain", IDC_ACTION, BS_PUSHBUTTON, 10, 30, 60, 14);
    CTextDialog dlg(t.Get());
    EXPECT_EQ(IDOK, dlg.DoModal());
    AfxSetTokenExpander(pfnOld);
    EXPECT_STREQ("Select Genotype", dlg.m_label);
    EXPECT_STREQ("Plain", dlg.m_button);
    EXPECT_STREQ("About Kestrova", dlg.m_caption);
}
} // namespace
