#include "afx/app/AfxWin.h"
#include "afx/windows/SplitterWnd.h"
#include "afx/windows/StatusBar.h"
#include "afx/windows/ToolBar.h"
#include "afx/resources/TestToolBarIds.h"

#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

namespace
{
// A frame that lives in the test, not on the heap.
class CTestFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

// A frame with a toolbar along the top, a status bar along the bottom and
// a pane window between them.
class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.SetRegistryKey("Mirolf Technologies Ltd", "Kestrova Bar State Tests");
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 400,
                                     240, NULL, NULL));
        ASSERT_TRUE(m_toolBar.Create(&m_frame));
        ASSERT_TRUE(m_statusBar.Create(&m_frame));
        ASSERT_TRUE(m_pane.CreateEx(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_frame.m_hWnd,
                                    (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST));
    }
    void TearDown() override { m_frame.DestroyWindow(); }
    CRect PaneRect()
    {
        CRect rect;
        m_pane.GetWindowRect(&rect);
        m_frame.ScreenToClient(&rect);
        return rect;
    }
    CTestRegistryKey m_profile{"Kestrova Bar State Tests"};
    CWinApp m_app{"Bar State Tests"};
    CTestFrame m_frame;
    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    CWnd m_pane;
};
}

TEST_F(ToolBarTest, ResourceGivesButtonsSeparatorsAndImagesInOrder)
{
    ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TEST_TOOLBAR));
    CToolBarCtrl& ctrl = m_toolBar.GetToolBarCtrl();
    ASSERT_EQ(4, ctrl.GetButtonCount());
    const struct
    {
        UINT id;
        BYTE style;
        int image;
    } expected[] = {{501, TBSTYLE_BUTTON, 0}, {0, TBSTYLE_SEP, -1}, {502, TBSTYLE_BUTTON, 1}, {503, TBSTYLE_BUTTON, 2}};
    for (int i = 0; i < 4; ++i)
    {
        TBBUTTON button = {};
        ASSERT_TRUE(ctrl.GetButton(i, &button));
        EXPECT_EQ(expected[i].id, m_toolBar.GetItemID(i)) << i;
        EXPECT_EQ(expected[i].style, button.fsStyle & TBSTYLE_SEP) << i;
        if (expected[i].image >= 0)
        {
            EXPECT_EQ(expected[i].image, button.iBitmap) << i;
            EXPECT_EQ(i, m_toolBar.CommandToIndex(expected[i].id));
        }
    }
    // The buttons hold their 16 x 15 images.
    CRect rect;
    m_toolBar.GetItemRect(0, &rect);
    EXPECT_GE(rect.Width(), 16);
    EXPECT_GE(rect.Height(), 15);

    CToolBar other;
    ASSERT_TRUE(other.Create(&m_frame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    EXPECT_FALSE(other.LoadToolBar(IDR_TEST_TOOLBAR_V2));
    EXPECT_FALSE(other.LoadToolBar(IDR_TEST_TOOLBAR_NONE));
}

TEST_F(ToolBarTest, LayoutPutsBarsAlongTheEdgesAndThePaneBetween)
{
    ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TEST_TOOLBAR));
    m_frame.RecalcLayout();
    CRect client, tool, status;
    m_frame.GetClientRect(&client);
    m_toolBar.GetWindowRect(&tool);
    m_frame.ScreenToClient(&tool);
    m_statusBar.GetWindowRect(&status);
    m_frame.ScreenToClient(&status);
    CRect button;
    m_toolBar.GetItemRect(0, &button);
    EXPECT_EQ(0, tool.top);
    EXPECT_EQ(client.Width(), tool.Width());
    EXPECT_GE(tool.Height(), button.bottom);
    EXPECT_EQ(client.bottom, status.bottom);
    EXPECT_EQ(CRect(0, tool.bottom, client.right, status.top), PaneRect());
}

TEST_F(ToolBarTest, BarStateRoundTripShowsAndHidesTheStoredBars)
{
    ASSERT_TRUE(m_toolBar.LoadToolBar(IDR_TEST_TOOLBAR));
    EXPECT_EQ(&m_toolBar, m_frame.GetControlBar(AFX_IDW_TOOLBAR));
    m_frame.ShowControlBar(&m_toolBar, FALSE);
    m_frame.SaveBarState("FrameState");
    EXPECT_EQ(0, PaneRect().top);

    m_frame.ShowControlBar(&m_toolBar, TRUE);
    m_frame.ShowControlBar(&m_statusBar, FALSE);
    ASSERT_GT(PaneRect().top, 0);
    m_frame.LoadBarState("FrameState");
    EXPECT_FALSE(m_toolBar.IsWindowVisible());
    EXPECT_TRUE(m_statusBar.IsWindowVisible());
    EXPECT_EQ(0, PaneRect().top);

    // An unknown profile name changes nothing; a stored bar the frame no
    // longer has is passed over.
    m_statusBar.DestroyWindow();
    m_frame.ShowControlBar(&m_toolBar, TRUE);
    m_frame.LoadBarState("NeverSaved");
    EXPECT_TRUE(m_toolBar.IsWindowVisible());
    m_frame.LoadBarState("FrameState");
    EXPECT_FALSE(m_toolBar.IsWindowVisible());
}
