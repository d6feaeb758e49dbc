#include "framework/dialogs/StatusBarDialog.h"

#include "FrameDialogTestIds.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "framework/windows/WorkArea.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

struct IndicatorCase
{
    const UINT* ids;
    int count;
};

namespace
{
const UINT Indicators[] = {ID_INDICATOR_MESSAGE, ID_INDICATOR_COUNT};

// Fills the room the bar leaves with its list, and may resize itself
// while being laid out.
class CListStatusDialog : public CStatusBarDialog
{
public:
    CListStatusDialog(const UINT* ids, int count) : CStatusBarDialog(IDD_STATUS_BAR_TEST, NULL, ids, count) {}

    void RepositionControls() override
    {
        ++m_layouts;
        if (m_resizeDuringLayout)
        {
            m_resizeDuringLayout = FALSE;
            SetWindowPos(NULL, 0, 0, m_initialWidth + 60, m_initialHeight + 40, SWP_NOMOVE | SWP_NOZORDER);
        }
        GetDlgItem(IDC_STATUS_BAR_LIST)->MoveWindow(&m_clientArea);
    }

    int m_layouts = 0;
    BOOL m_resizeDuringLayout = FALSE;
};

CRect ChildRect(CWnd* parent, CWnd* child)
{
    CRect rect;
    child->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    return rect;
}

std::string PaneText(CStatusBar& bar, int pane)
{
    char text[256] = "";
    bar.SendMessage(SB_GETTEXTA, pane, (LPARAM)text);
    return text;
}

class StatusBarDialogTest : public ::testing::TestWithParam<IndicatorCase>
{
protected:
    CFrameworkTestApp m_app;
};
}

TEST_P(StatusBarDialogTest, KeepsTheBarAlongTheBottomAndTheControlsInTheRoomLeft)
{
    const IndicatorCase& c = GetParam();
    CListStatusDialog dialog(c.ids, c.count);
    ASSERT_TRUE(dialog.Create(IDD_STATUS_BAR_TEST, NULL));
    dialog.ShowWindow(SW_SHOW);
    CStatusBar& bar = dialog.m_statusBar;
    ASSERT_NE(bar.GetSafeHwnd(), (HWND)NULL);
    EXPECT_EQ(bar.GetDlgCtrlID(), 59393);
    EXPECT_EQ(bar.GetCount(), c.count);

    for (CSize grow : {CSize(0, 0), CSize(120, 80), CSize(300, 10)})
    {
        dialog.SetWindowPos(NULL, 0, 0, dialog.m_initialWidth + grow.cx, dialog.m_initialHeight + grow.cy,
                            SWP_NOMOVE | SWP_NOZORDER);
        CRect client, barRect = ChildRect(&dialog, &bar);
        dialog.GetClientRect(&client);
        EXPECT_EQ(barRect.bottom, client.bottom);
        EXPECT_EQ(barRect.left, 0);
        EXPECT_EQ(barRect.right, client.right);
        EXPECT_GT(barRect.Height(), 10);
        EXPECT_EQ(dialog.m_clientArea, CRect(0, 0, client.right, barRect.top));
        EXPECT_EQ(ChildRect(&dialog, dialog.GetDlgItem(IDC_STATUS_BAR_LIST)), dialog.m_clientArea);
        if (c.count == 2)
        {
            // The first pane stretches; the second keeps room for its text.
            int edges[2] = {0, 0};
            ASSERT_EQ(bar.SendMessage(SB_GETPARTS, 2, (LPARAM)edges), 2);
            UINT id = 0, style = 0;
            int width = 0;
            bar.GetPaneInfo(1, id, style, width);
            EXPECT_GT(width, 0);
            EXPECT_GE(client.right - edges[0], width);
            EXPECT_GT(edges[0], client.right / 2);
            EXPECT_EQ(edges[1], -1);
        }
    }
    dialog.SetStatusText("Reading the folder");
    EXPECT_EQ(PaneText(bar, 0), "Reading the folder");
    if (c.count == 2)
    {
        UINT id = 0, style = 0;
        int width = -1;
        bar.GetPaneInfo(0, id, style, width);
        EXPECT_EQ(id, (UINT)ID_INDICATOR_MESSAGE);
        EXPECT_EQ(style, (UINT)SBPS_STRETCH);
        EXPECT_EQ(PaneText(bar, 1), "12 pictures");
        dialog.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_TRUE(SaveWindowScreenshot(dialog.m_hWnd, "framework_status_bar_dialog"));
    }
    dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Indicators, StatusBarDialogTest,
                         ::testing::Values(IndicatorCase{Indicators, 2}, IndicatorCase{NULL, 0}));

TEST(StatusBarDialogLayoutTest, MinimumTrackingSizeIsTwoThirdsOfTheWorkAreaOrTheInitialSize)
{
    CFrameworkTestApp app;
    CListStatusDialog dialog(Indicators, 2);
    ASSERT_TRUE(dialog.Create(IDD_STATUS_BAR_TEST, NULL));
    CRect area = GetDesktopWorkArea();
    MINMAXINFO info = {};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    EXPECT_EQ(info.ptMinTrackSize.x, std::max<LONG>(area.Width() * 2 / 3, dialog.m_initialWidth));
    EXPECT_EQ(info.ptMinTrackSize.y, std::max<LONG>(area.Height() * 2 / 3, dialog.m_initialHeight));
    // It opens at least that large and on the work area; the platform's
    // sizing keeps it at least that large.
    CRect window, inside;
    dialog.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), info.ptMinTrackSize.x);
    EXPECT_EQ(window.Height(), info.ptMinTrackSize.y);
    EXPECT_TRUE(inside.IntersectRect(&window, &area) && inside == window);
    dialog.SetWindowPos(NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    dialog.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), info.ptMinTrackSize.x);
    EXPECT_EQ(window.Height(), info.ptMinTrackSize.y);
    dialog.DestroyWindow();
}

TEST(StatusBarDialogLayoutTest, SizeChangeDuringTheLayoutStartsNoSecondLayout)
{
    CFrameworkTestApp app;
    CListStatusDialog dialog(Indicators, 2);
    ASSERT_TRUE(dialog.Create(IDD_STATUS_BAR_TEST, NULL));
    int before = dialog.m_layouts;
    dialog.m_resizeDuringLayout = TRUE;
    dialog.RecalcLayout();
    EXPECT_EQ(dialog.m_layouts, before + 1);
    EXPECT_FALSE(dialog.m_inRecalc);
    EXPECT_FALSE(dialog.m_inSize);
    dialog.DestroyWindow();
}
