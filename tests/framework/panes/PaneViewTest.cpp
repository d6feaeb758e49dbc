#include "framework/panes/PaneView.h"

#include "framework/support/FrameworkTestApp.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
// A view whose layout can be computed only once it is ready.
class CDeferringView : public CPaneView
{
public:
    BOOL m_ready = FALSE;
    CRect m_applied;

protected:
    void OnDraw(CDC*) override {}
    BOOL ComputeLayoutRect(CRect& rect) override { return m_ready && CPaneView::ComputeLayoutRect(rect); }
    BOOL ApplyLayout(const CRect& rect) override
    {
        m_applied = rect;
        return TRUE;
    }
    void PostNcDestroy() override {}
};
}

TEST(PaneViewTest, AppliesANewSizeAtOnceOrAtTheNextIdleUpdate)
{
    CFrameworkTestApp app;
    CTestWindow window;
    CDeferringView view;
    ASSERT_TRUE(view.Create(window.Wnd(), 1));
    view.m_ready = TRUE;
    view.MoveWindow(0, 0, 120, 80);
    EXPECT_FALSE(view.m_sizePending);
    EXPECT_EQ(view.m_applied, CRect(0, 0, 120, 80));

    view.m_ready = FALSE;
    view.MoveWindow(0, 0, 200, 90);
    EXPECT_TRUE(view.m_sizePending);
    EXPECT_EQ(view.m_applied, CRect(0, 0, 120, 80));
    view.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(view.m_sizePending); // still not ready
    view.m_ready = TRUE;
    view.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(view.m_sizePending);
    EXPECT_EQ(view.m_applied, CRect(0, 0, 200, 90));
    view.DestroyWindow();
}
