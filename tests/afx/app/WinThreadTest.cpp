// The thread's share of message pumping: pre-translation along the parent
// chain up to the main window, the messages that restart idling, and the idle
// work of OnIdle (command-UI update of the main window, freeing temporary
// wrappers, but never under a message being dispatched).
#include "afx/app/AfxWin.h"
#include "afx/app/ThreadState.h"

#include <gtest/gtest.h>

namespace
{
// Counts the messages offered to it for pre-translation; takes F2.
class CFilterWnd : public CWnd
{
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        ++m_nOffered;
        return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F2;
    }

    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        return 0;
    }

    BOOL Make(LPCTSTR lpszName, DWORD dwStyle, HWND hWndParent)
    {
        return CreateEx(0, AfxRegisterWndClass(0), lpszName, dwStyle, 0, 0, 80, 60, hWndParent, NULL);
    }

    int m_nOffered = 0;
    int m_nIdleUpdates = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFilterWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

// The main window, a child of it, a pop-up it owns and a pop-up outside its
// tree.
class WinThreadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_main.Make("Main", WS_POPUP, NULL));
        ASSERT_TRUE(m_child.Make("Child", WS_CHILD, m_main.m_hWnd));
        ASSERT_TRUE(m_owned.Make("Owned", WS_POPUP, m_main.m_hWnd));
        ASSERT_TRUE(m_outside.Make("Outside", WS_POPUP, NULL));
        m_app.m_pMainWnd = &m_main;
    }

    void TearDown() override
    {
        m_app.m_pMainWnd = NULL;
        m_outside.DestroyWindow();
        m_owned.DestroyWindow();
        m_main.DestroyWindow();
    }

    BOOL Offer(CWnd& wnd, UINT nKey)
    {
        MSG msg = {};
        msg.hwnd = wnd.m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = nKey;
        return m_app.PreTranslateMessage(&msg);
    }

    CWinApp m_app{"Thread Tests"};
    CFilterWnd m_main, m_child, m_owned, m_outside;
};
} // namespace

TEST_F(WinThreadTest, PreTranslationClimbsToTheMainWindow)
{
    EXPECT_FALSE(Offer(m_child, 'A'));
    EXPECT_EQ(1, m_child.m_nOffered);
    EXPECT_EQ(1, m_main.m_nOffered);

    // an owned pop-up climbs through its owner
    EXPECT_FALSE(Offer(m_owned, 'A'));
    EXPECT_EQ(1, m_owned.m_nOffered);
    EXPECT_EQ(2, m_main.m_nOffered);

    // the first window that takes the message ends the walk
    EXPECT_TRUE(Offer(m_child, VK_F2));
    EXPECT_EQ(2, m_child.m_nOffered);
    EXPECT_EQ(2, m_main.m_nOffered);
}

TEST_F(WinThreadTest, AWindowOutsideTheMainTreeGivesTheMainWindowALastChance)
{
    EXPECT_FALSE(Offer(m_outside, 'A'));
    EXPECT_EQ(1, m_outside.m_nOffered);
    EXPECT_EQ(1, m_main.m_nOffered);
    EXPECT_TRUE(Offer(m_outside, VK_F2)); // taken by the outside window itself
    EXPECT_EQ(1, m_main.m_nOffered);
}

TEST_F(WinThreadTest, TheWalkEndsAtTheMainWindowEvenWhenItHasAnOwner)
{
    CFilterWnd above;
    ASSERT_TRUE(above.Make("Above", WS_POPUP, NULL));
    ::SetWindowLongPtrA(m_main.m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)above.m_hWnd);
    Offer(m_child, 'A');
    EXPECT_EQ(1, m_child.m_nOffered);
    EXPECT_GE(m_main.m_nOffered, 1);
    EXPECT_EQ(0, above.m_nOffered);
    ::SetWindowLongPtrA(m_main.m_hWnd, GWLP_HWNDPARENT, 0);
    above.DestroyWindow();
}

TEST_F(WinThreadTest, IdleCountZeroUpdatesTheVisibleMainWindowAndItsObjects)
{
    HWND hWndRaw = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, m_main.m_hWnd, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hWndRaw);
    EXPECT_TRUE(m_app.OnIdle(0)); // hidden: nothing to update
    EXPECT_EQ(0, m_main.m_nIdleUpdates);

    m_main.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(m_app.OnIdle(0));
    EXPECT_EQ(1, m_main.m_nIdleUpdates);
    EXPECT_EQ(1, m_child.m_nIdleUpdates);
    EXPECT_EQ(0, m_owned.m_nIdleUpdates); // not a descendant
    EXPECT_FALSE(m_app.OnIdle(1));        // no more idle work wanted
    EXPECT_EQ(1, m_main.m_nIdleUpdates);
    ::DestroyWindow(hWndRaw);
}

namespace
{
// Goes idle in the middle of handling a message, as a nested modal loop does.
class CNestedIdleWnd : public CWnd
{
public:
    afx_msg LRESULT OnProbe(WPARAM, LPARAM lParam)
    {
        HWND hWndRaw = (HWND)lParam;
        CWnd* pTemp = CWnd::FromHandle(hWndRaw);
        AfxGetThread()->OnIdle(1);
        m_bKeptDuringMessage = TemporaryOf(hWndRaw) == pTemp;
        return 0;
    }

    static CObject* TemporaryOf(HWND hWnd)
    {
        return AfxGetThreadState()->m_pWindowMap->LookupTemporary(hWnd);
    }

    bool m_bKeptDuringMessage = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestedIdleWnd, CWnd)
    ON_MESSAGE(WM_USER + 1, OnProbe)
END_MESSAGE_MAP()
} // namespace

TEST(WinThread, TemporaryWrappersOutliveIdlingUnderAMessageButNotAfterIt)
{
    HWND hWndRaw = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 5, 5, NULL, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hWndRaw);
    CNestedIdleWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Nested", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    wnd.SendMessage(WM_USER + 1, 0, (LPARAM)hWndRaw);
    EXPECT_TRUE(wnd.m_bKeptDuringMessage);
    EXPECT_NE(nullptr, CNestedIdleWnd::TemporaryOf(hWndRaw));
    AfxGetThread()->OnIdle(1);
    EXPECT_EQ(nullptr, CNestedIdleWnd::TemporaryOf(hWndRaw));
    wnd.DestroyWindow();
    ::DestroyWindow(hWndRaw);
}

TEST(WinThread, MouseMovesInPlacePaintAndCaretBlinksDoNotRestartIdling)
{
    CWinThread thread;
    MSG msg = {};
    msg.message = WM_MOUSEMOVE;
    msg.pt.x = 5;
    msg.pt.y = 7;
    EXPECT_TRUE(thread.IsIdleMessage(&msg));
    EXPECT_FALSE(thread.IsIdleMessage(&msg));
    msg.message = WM_NCMOUSEMOVE; // another kind of move at the same place
    EXPECT_TRUE(thread.IsIdleMessage(&msg));
    msg.pt.x = 6;
    EXPECT_TRUE(thread.IsIdleMessage(&msg));
    msg.message = WM_PAINT;
    EXPECT_FALSE(thread.IsIdleMessage(&msg));
    msg.message = 0x0118;
    EXPECT_FALSE(thread.IsIdleMessage(&msg));
    msg.message = WM_KEYDOWN;
    EXPECT_TRUE(thread.IsIdleMessage(&msg));
}
