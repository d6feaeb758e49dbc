#include "framework/popups/LogDlg.h"
#include "framework/popups/ProgressWnd.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/LayoutCheck.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
    const DWORD SCAN = PWF_BAR | PWF_SMOOTH | PWF_SUBTEXT;                 // 0x5C
    const DWORD CANCELLABLE_SCAN = SCAN | PWF_CANCEL;                      // 0x5E
    const DWORD MODELESS_MESSAGE = PWF_ICON | PWF_CANCEL | PWF_OK_BUTTON;  // 0x8A

    class ProgressWndTest : public ::testing::Test
    {
    protected:
        ProgressWndTest()
        {
            owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL);
        }
        ~ProgressWndTest() override { owner.DestroyWindow(); }

        static CRect ChildRect(CWnd& parent, int id)
        {
            CRect rect;
            ::GetWindowRect(::GetDlgItem(parent.m_hWnd, id), &rect);
            parent.ScreenToClient(&rect);
            return rect;
        }

        CFrameworkTestApp app;
        CWnd owner;
    };
}

TEST_F(ProgressWndTest, CountsClampsAndGivesTheOwnerBack)
{
    for (BOOL ownerEnabled : {TRUE, FALSE})
    {
        SCOPED_TRACE(ownerEnabled);
        owner.EnableWindow(ownerEnabled);
        CProgressWnd progress;
        ASSERT_TRUE(progress.Open(&owner, 0, "", "Reading configurations", SCAN));
        EXPECT_FALSE(owner.IsWindowEnabled());
        EXPECT_TRUE(progress.IsWindowVisible());
        EXPECT_NE(progress.GetStyle() & WS_CAPTION, (DWORD)WS_CAPTION);
        HWND bar = ::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BAR);
        ASSERT_NE(bar, (HWND)NULL);
        EXPECT_EQ(::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BUTTON), (HWND)NULL);

        progress.SetProgress(3, 50);
        EXPECT_EQ(::SendMessageA(bar, PBM_GETPOS, 0, 0), 3);
        EXPECT_EQ(::SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 50);
        struct Case { int asked, shown; };
        for (const Case& c : {Case{20, 20}, Case{60, 50}, Case{-4, 0}, Case{50, 50}})
        {
            EXPECT_EQ(progress.SetPos(c.asked), c.shown);
            EXPECT_EQ(::SendMessageA(bar, PBM_GETPOS, 0, 0), c.shown);
        }
        progress.SetSubText("%d of %d", 7, 12);
        EXPECT_STREQ(progress.GetSubText(), "7 of 12");

        // A window that cannot be cancelled holds the wait cursor while open.
        EXPECT_GT(app.m_nWaitCursorCount, 0);
        progress.Close();
        EXPECT_EQ(app.m_nWaitCursorCount, 0);
        EXPECT_EQ(progress.m_hWnd, (HWND)NULL);
        EXPECT_EQ(owner.IsWindowEnabled() != FALSE, ownerEnabled != FALSE);
    }
    owner.EnableWindow(TRUE);
}

TEST_F(ProgressWndTest, EscapeOrTheButtonCancelsACancellableWindow)
{
    CProgressWnd progress;
    ASSERT_TRUE(progress.Open(&owner, 0, "Scanning", "Looking for configurations", CANCELLABLE_SCAN));
    EXPECT_EQ(progress.GetStyle() & WS_CAPTION, (DWORD)WS_CAPTION);
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    HWND button = ::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BUTTON);
    ASSERT_NE(button, (HWND)NULL);
    EXPECT_EQ(CDialogDriver::WindowText(button), " Cancel ");

    // The key waits in the queue behind other messages.
    for (int i = 0; i < 5; ++i)
        owner.PostMessage(WM_NULL);
    progress.PostMessage(WM_CHAR, VK_ESCAPE, 1);
    EXPECT_EQ(progress.SetPos(10), 10);
    EXPECT_TRUE(progress.m_cancelled);
    EXPECT_TRUE(progress.m_hWnd == NULL || !progress.IsWindowVisible());
    progress.Close();
    EXPECT_TRUE(owner.IsWindowEnabled());

    // Open again from a clean state; the button cancels too.
    ASSERT_TRUE(progress.Open(&owner, 0, "Scanning", "Again", CANCELLABLE_SCAN));
    EXPECT_FALSE(progress.m_cancelled);
    EXPECT_EQ(progress.GetPos(), 0);
    ::SendMessageA(::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(progress.m_cancelled);
    progress.Close();
    // An Escape dispatched to the window, not seen waiting by the pump, cancels too.
    ASSERT_TRUE(progress.Open(&owner, 0, "Scanning", "Again", CANCELLABLE_SCAN));
    progress.SendMessage(WM_CHAR, VK_ESCAPE, 1);
    EXPECT_TRUE(progress.m_cancelled);
    progress.Close();

    // Without the button, Escape does nothing.
    ASSERT_TRUE(progress.Open(&owner, 0, "", "Working", SCAN));
    progress.PostMessage(WM_CHAR, VK_ESCAPE, 1);
    progress.PumpMessages();
    EXPECT_FALSE(progress.m_cancelled);
    progress.Cancel();
    EXPECT_FALSE(progress.m_cancelled);
    progress.Close();
}

// The About look: an icon, no bar, an OK default button that ends the
// caller's pump.
TEST_F(ProgressWndTest, ModelessMessageWithTheProgramIcon)
{
    CProgressWnd progress;
    ASSERT_TRUE(progress.Open(&owner, CProgressWnd::APPLICATION_ICON, "About Kestrova",
                              "Kestrova predicts the offspring of a mating.", MODELESS_MESSAGE));
    EXPECT_EQ(progress.GetFlags() & (PWF_ICON | PWF_TITLE), (DWORD)(PWF_ICON | PWF_TITLE));
    HWND icon = ::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_ICON);
    ASSERT_NE(icon, (HWND)NULL);
    EXPECT_NE(::SendMessageA(icon, STM_GETICON, 0, 0), 0);
    HWND button = ::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BUTTON);
    EXPECT_EQ(CDialogDriver::WindowText(button), " OK ");
    EXPECT_TRUE(::GetWindowLongA(button, GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(::GetDlgItem(progress.m_hWnd, CProgressWnd::ID_BAR), (HWND)NULL);

    // Icon left of the text, the button below it and inside the window.
    CRect iconRect = ChildRect(progress, CProgressWnd::ID_ICON);
    CRect buttonRect = ChildRect(progress, CProgressWnd::ID_BUTTON);
    CRect client;
    progress.GetClientRect(&client);
    EXPECT_LT(iconRect.right, buttonRect.left);
    CRect inside;
    EXPECT_EQ(inside.IntersectRect(client, buttonRect) ? inside : CRect(), buttonRect);
    EXPECT_TRUE(SaveWindowScreenshot(progress.m_hWnd, "framework_progress_about"));

    ::PostMessageA(progress.m_hWnd, WM_COMMAND, MAKEWPARAM(CProgressWnd::ID_BUTTON, BN_CLICKED), (LPARAM)button);
    for (int i = 0; i < 100 && !progress.m_cancelled; ++i)
        progress.PumpMessages();
    EXPECT_TRUE(progress.m_cancelled);
    progress.Close();
}

TEST_F(ProgressWndTest, ScanLayoutKeepsItsPartsApart)
{
    CProgressWnd progress;
    ASSERT_TRUE(progress.Open(&owner, 0, "Installing configuration", "Copying the configuration files",
                              CANCELLABLE_SCAN));
    progress.SetProgress(35, 100);
    progress.SetSubText("%s", "Herding breeds.txt");
    CRect bar = ChildRect(progress, CProgressWnd::ID_BAR);
    CRect button = ChildRect(progress, CProgressWnd::ID_BUTTON);
    CRect client;
    progress.GetClientRect(&client);
    EXPECT_EQ(bar.top, button.top);
    EXPECT_EQ(bar.Height(), button.Height());
    EXPECT_LT(bar.right, button.left);
    EXPECT_LT(button.right, client.right);
    EXPECT_GT(client.Width(), CProgressWnd::DEFAULT_WIDTH);
    EXPECT_TRUE(SaveWindowScreenshot(progress.m_hWnd, "framework_progress_scan"));
    EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(progress.m_hWnd)), "");
    progress.Close();
}

TEST_F(ProgressWndTest, AQuitMetWhilePumpingIsPostedAgain)
{
    CProgressWnd progress;
    ASSERT_TRUE(progress.Open(&owner, 0, "", "Working", SCAN));
    ::PostQuitMessage(3);
    progress.PumpMessages();
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    progress.Close();
}

TEST_F(ProgressWndTest, LogWindowKeepsTheLastLineInViewUntilInterrupted)
{
    CLogDlg log;
    ASSERT_TRUE(log.Create(IDD_LOG_DIALOG, NULL));
    log.ShowWindow(SW_SHOW);
    HWND list = ::GetDlgItem(log.m_hWnd, IDC_LOG_LIST);
    for (int i = 1; i <= 40; ++i)
        log.AddLine("Reading gene %d of 40: %s", i,
                    i == 20 ? "a rather long line that needs the list to scroll sideways to be read in full" : "ok");
    EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 40);
    CRect client;
    ::GetClientRect(list, &client);
    int visible = client.Height() / (int)::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ(::SendMessageA(list, LB_GETTOPINDEX, 0, 0), 40 - visible);
    EXPECT_GT(::SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0), client.Width());
    EXPECT_TRUE(SaveWindowScreenshot(log.m_hWnd, "framework_log_dialog"));

    log.SendMessage(WM_COMMAND, ID_LOG_INTERRUPT);
    EXPECT_TRUE(log.IsInterrupted());
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(log.m_hWnd, ID_LOG_INTERRUPT)));
    log.AddLine("after %d", 1);
    ASSERT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 41);
    char last[40];
    ::SendMessageA(list, LB_GETTEXT, 40, (LPARAM)last);
    EXPECT_STREQ(last, "*** interrupted");
    log.DestroyWindow();
}
