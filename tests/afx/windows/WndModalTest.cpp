// The modal loop's idle work (WM_ENTERIDLE to the owner, WM_KICKIDLE to the
// window, the application's OnIdle) and WM_QUIT arriving while a modal dialog
// runs.
#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
// Logs the idle calls of the modal loop: "k<n>" for WM_KICKIDLE with idle
// count n, "i<n>" for the application's OnIdle, "e" for WM_ENTERIDLE.
CString g_idleLog;

void LogIdle(char chKind, LONG lCount)
{
    CString entry;
    if (lCount >= 0)
        entry.Format("%c%ld ", chKind, lCount);
    else
        entry.Format("%c ", chKind);
    g_idleLog += entry;
}

class CIdleApp : public CWinApp
{
public:
    CIdleApp() : CWinApp("Idle Tests") {}

    virtual BOOL OnIdle(LONG lCount)
    {
        LogIdle('i', lCount);
        return CWinApp::OnIdle(lCount);
    }
};

class COwnerWnd : public CWnd
{
public:
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam)
    {
        LogIdle('e', -1);
        m_bFromDialogBox = wParam == MSGF_DIALOGBOX;
        m_hWndIdle = (HWND)lParam;
        return 0;
    }

    bool m_bFromDialogBox = false;
    HWND m_hWndIdle = NULL;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

// Records its idle kicks, and after a while ends or posts WM_QUIT.
class CIdlingDialog : public CDialog
{
public:
    CIdlingDialog(LPCDLGTEMPLATE lpTemplate, CWnd* pParent) { InitModalIndirect(lpTemplate, pParent); }

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_hWndAtInit = m_hWnd;
        SetTimer(1, 100, NULL);
        return TRUE;
    }

    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam)
    {
        LogIdle('k', (LONG)lParam);
        m_bKickFromDialogBox = wParam == MSGF_DIALOGBOX;
        return 0;
    }

    afx_msg void OnTimer(UINT)
    {
        KillTimer(1);
        if (m_bQuit)
            ::PostQuitMessage(3);
        else
            EndDialog(IDOK);
    }

    bool m_bQuit = false;
    bool m_bKickFromDialogBox = false;
    HWND m_hWndAtInit = NULL;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdlingDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_WM_TIMER()
END_MESSAGE_MAP()

int Count(const CString& text, LPCTSTR lpszWord)
{
    int nCount = 0;
    for (int i = text.Find(lpszWord); i >= 0; i = text.Find(lpszWord, i + 1))
        ++nCount;
    return nCount;
}

class WndModalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_idleLog.Empty();
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL,
                                     NULL));
    }

    void TearDown() override { m_owner.DestroyWindow(); }

    CIdleApp m_app;
    COwnerWnd m_owner;
};
} // namespace

TEST_F(WndModalTest, EachIdlePeriodTellsTheOwnerThenKicksTheWindowAndTheApplication)
{
    CDialogTemplate t(L"Idling");
    CIdlingDialog dlg(t.Get(), &m_owner);
    EXPECT_EQ(IDOK, dlg.DoModal());

    // An idle period starts at count 0 with one WM_ENTERIDLE; each pass kicks
    // the window, then the application. Both answer "no more" at count 1,
    // which ends the period until a message (the timer's) starts the next.
    EXPECT_STREQ("e k0 i0 ", g_idleLog.Left(8));
    EXPECT_EQ(Count(g_idleLog, "k0"), Count(g_idleLog, "e "));
    EXPECT_EQ(Count(g_idleLog, "k0"), Count(g_idleLog, "k0 i0 "));
    EXPECT_GE(Count(g_idleLog, "k1 i1 "), 1);
    EXPECT_EQ(Count(g_idleLog, "k1"), Count(g_idleLog, "k1 i1 "));
    EXPECT_EQ(0, Count(g_idleLog, "k2"));
    EXPECT_TRUE(m_owner.m_bFromDialogBox);
    EXPECT_EQ(dlg.m_hWndAtInit, m_owner.m_hWndIdle);
    EXPECT_TRUE(dlg.m_bKickFromDialogBox);
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

TEST_F(WndModalTest, ADialogWithoutIdleMessagesDoesNotTellItsOwner)
{
    CDialogTemplate t(L"Quiet", WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_NOIDLEMSG);
    CIdlingDialog dlg(t.Get(), &m_owner);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, Count(g_idleLog, "e "));
    EXPECT_STREQ("k0 i0 ", g_idleLog.Left(6));
}

TEST_F(WndModalTest, QuitEndsTheLoopWithMinusOneAndIsPostedAgain)
{
    CDialogTemplate t(L"Quitting");
    CIdlingDialog dlg(t.Get(), &m_owner);
    dlg.m_bQuit = true;
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_TRUE(m_owner.IsWindowEnabled());

    // the loops further out still see the quit, with its code
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}
