#include "framework/views/ViewBar.h"

#include "afx/gdi/ClientDC.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/controls/ListItemRecords.h"
#include "framework/support/FrameworkTestApp.h"
#include "framework/panes/KennelPages.h"
#include "support/TestWindow.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
// A view bar that refuses to show a locked page and records the changes.
class CTestViewBar : public CViewBar
{
public:
    CTestViewBar() { m_autoDelete = FALSE; }
    int m_lockedPage = -99; // none
    std::vector<int> m_changes;

    BOOL CanChangePage(int, int newIndex) override { return newIndex != m_lockedPage; }
    void OnPageChanged(int index) override
    {
        m_changes.push_back(index);
        CViewBar::OnPageChanged(index);
    }
};

class ViewBarTest : public ::testing::Test
{
protected:
    ViewBarTest()
    {
        m_window.Wnd()->SetWindowPos(NULL, 30, 30, 420, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(m_window.Handle());
        CRect client;
        m_window.Wnd()->GetClientRect(&client);
        EXPECT_TRUE(m_bar.Create(WS_CHILD | WS_VISIBLE, client, m_window.Wnd(), 200));
        MakeKennelPages(&m_bar, m_pages, [this](CWnd* page, const char* title) { m_bar.AddPage(page, title); });
    }
    ~ViewBarTest() override
    {
        m_bar.DestroyWindow();
        for (auto& page : m_pages)
            page->DestroyWindow();
    }

    int ShownPage() const { return ShownKennelPage(m_pages); }
    CRect RectInBar(CWnd& window)
    {
        CRect rect;
        window.GetWindowRect(&rect);
        m_bar.ScreenToClient(&rect);
        return rect;
    }

    CFrameworkTestApp m_app;
    CTestWindow m_window;
    CTestViewBar m_bar;
    std::vector<std::unique_ptr<CWnd>> m_pages;
};
} // namespace

TEST_F(ViewBarTest, LabelAndListLieAlongTheTopAndThePageBelowThem)
{
    ASSERT_TRUE(m_bar.SelectPage(0));
    EXPECT_EQ(m_bar.m_label.GetDlgCtrlID(), 0xFFFF);
    EXPECT_EQ(m_bar.m_views.GetStyle() & 3, (DWORD)CBS_DROPDOWNLIST);
    EXPECT_EQ(m_bar.m_views.SendMessage(WM_GETFONT), m_bar.m_label.SendMessage(WM_GETFONT));
    EXPECT_EQ(m_bar.m_views.GetCount(), 3);

    // Checked at the first width and again after the bar is widened.
    for (int width : {420, 560})
    {
        m_bar.SetWindowPos(NULL, 0, 0, width, 240, SWP_NOMOVE | SWP_NOZORDER);
        CRect label = RectInBar(m_bar.m_label), list = RectInBar(m_bar.m_views), client;
        m_bar.GetClientRect(&client);
        EXPECT_EQ(m_bar.m_barHeight, std::max(label.Height(), list.Height()));
        EXPECT_EQ(label.left, 0);
        EXPECT_LE(std::abs(label.top - (m_bar.m_barHeight - label.bottom)), 1) << "label centred";
        EXPECT_EQ(list.left, label.right + 4);
        EXPECT_EQ(list.right, client.right);
        EXPECT_EQ(list.top, 0);
        {
            CClientDC dc(&m_bar.m_label);
            CSelectedObject font(&dc, m_bar.m_label.GetFont());
            EXPECT_GE(label.Width(), dc.GetTextExtent(CString(" View:")).cx);
        }
        CRect dropped;
        m_bar.m_views.SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
        // the drop-down part is 20 items high; the platforms differ in
        // whether the rectangle includes the closed part above it
        int items = 20 * CListItemRecords::ItemHeight();
        EXPECT_TRUE(dropped.Height() == items || dropped.Height() == list.Height() + items) << dropped.Height();

        CRect area;
        m_bar.GetPageArea(area);
        EXPECT_EQ(area, CRect(0, m_bar.m_barHeight, client.right, client.bottom));
        EXPECT_EQ(RectInBar(*m_pages[0]), area);
    }
}

TEST_F(ViewBarTest, ChoosingAnEntrySwitchesARefusedSwitchKeepsTheShownViewAndCodeDoesNotSwitch)
{
    ASSERT_TRUE(m_bar.SelectPage(0));
    // Keys go to the closed list as a user's would; each key that moves its
    // selection reports the change to the bar.
    const struct
    {
        UINT key;
        int locked;
        int shown;
    } steps[] = {
        {VK_DOWN, -99, 1},
        {VK_END, -99, 2},
        {VK_HOME, 0, 2}, // refused: the list goes back to the shown view
        {VK_UP, -99, 1},
        {VK_UP, -99, 0},
    };
    for (const auto& s : steps)
    {
        m_bar.m_lockedPage = s.locked;
        m_bar.m_views.SendMessage(WM_KEYDOWN, s.key, 0);
        EXPECT_EQ(ShownPage(), s.shown) << s.key;
        EXPECT_EQ(m_bar.m_currentPage, s.shown) << s.key;
        EXPECT_EQ(m_bar.m_views.GetCurSel(), s.shown) << s.key;
    }

    // Selecting in code moves the list without a second switch.
    ASSERT_TRUE(m_bar.SelectPage(2));
    EXPECT_EQ(m_bar.m_views.GetCurSel(), 2);
    m_bar.SetSelection(1);
    EXPECT_EQ(m_bar.m_views.GetCurSel(), 1);
    EXPECT_EQ(ShownPage(), 2);
    EXPECT_EQ(m_bar.m_changes, (std::vector<int>{0, 1, 2, 1, 0, 2}));
    // a change notice while the bar sets the list itself is ignored
    m_bar.m_busy = TRUE;
    m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_VIEW_BAR_LIST, CBN_SELCHANGE), (LPARAM)m_bar.m_views.m_hWnd);
    m_bar.m_busy = FALSE;
    EXPECT_EQ(ShownPage(), 2);
    m_bar.SetSelection(2);

    EXPECT_TRUE(SaveWindowScreenshot(m_window.Handle(), "framework_view_bar"));
}
