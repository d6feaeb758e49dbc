#include "framework/panes/PopupPane.h"
#include "framework/panes/TabbedPaneBar.h"

#include "afx/windows/SplitterWnd.h"
#include "framework/app/Preferences.h"
#include "framework/support/FrameworkTestApp.h"
#include "framework/panes/KennelPages.h"
#include "support/WindowScreenshot.h"
#include "support/TestWindow.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const UINT ID_TEST_PAGE_COMMAND = 41000;

// A page that counts the commands it handles.
class CCountingPage : public CWnd
{
public:
    int m_commands = 0;

protected:
    afx_msg void OnPageCommand() { ++m_commands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingPage, CWnd)
ON_COMMAND(ID_TEST_PAGE_COMMAND, OnPageCommand)
END_MESSAGE_MAP()

// A tabbed bar that refuses to leave a page while it is locked and records
// the page changes.
class CTestPaneBar : public CTabbedPaneBar
{
public:
    CTestPaneBar() { m_autoDelete = FALSE; }
    int m_lockedPage = -99; // none
    std::vector<int> m_changes;

    BOOL CanChangePage(int oldIndex, int) override { return oldIndex != m_lockedPage; }
    void OnPageChanged(int index) override
    {
        m_changes.push_back(index);
        CTabbedPaneBar::OnPageChanged(index);
    }
};

class PaneBarTest : public ::testing::Test
{
protected:
    PaneBarTest()
    {
        m_window.Wnd()->SetWindowPos(NULL, 30, 30, 420, 280, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(m_window.Handle());
        CRect client;
        m_window.Wnd()->GetClientRect(&client);
        EXPECT_TRUE(m_bar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, client, m_window.Wnd(), 200));
        MakeKennelPages(&m_bar, m_pages, [this](CWnd* page, const char* title) {
            m_bar.AddPage(page, title, (std::string("All ") + title).c_str());
        });
    }
    ~PaneBarTest() override
    {
        m_bar.DestroyWindow();
        for (auto& page : m_pages)
            page->DestroyWindow();
    }

    int ShownPage() const { return ShownKennelPage(m_pages); }
    void ClickTab(int tab)
    {
        m_bar.m_tabs.SetCurSel(tab);
        NMHDR header = {m_bar.m_tabs.m_hWnd, IDC_PANE_BAR_TABS, (UINT)TCN_SELCHANGE};
        m_bar.SendMessage(WM_NOTIFY, IDC_PANE_BAR_TABS, (LPARAM)&header);
    }

    CFrameworkTestApp m_app;
    CTestWindow m_window;
    CTestPaneBar m_bar;
    std::vector<std::unique_ptr<CCountingPage>> m_pages;
};
}

TEST_F(PaneBarTest, SelectingPagesByCallAndByTabShowsOneAtATime)
{
    EXPECT_EQ(m_bar.GetStyle() & WS_BORDER, 0u);
    EXPECT_EQ(m_bar.m_tabs.GetStyle() & ~WS_CLIPSIBLINGS, 0x50004800u); // the platform adds clipping
    EXPECT_EQ(m_bar.m_tabs.GetItemCount(), 3);
    EXPECT_EQ(ShownPage(), -1);
    EXPECT_EQ(m_bar.GetPage(3), (CPaneBarPage*)NULL);
    EXPECT_FALSE(m_bar.SelectPage(3));

    EXPECT_TRUE(m_bar.SelectPage(1));
    EXPECT_EQ(ShownPage(), 1);
    EXPECT_EQ(m_bar.m_tabs.GetCurSel(), 1);
    EXPECT_EQ(::GetFocus(), m_pages[1]->m_hWnd);
    EXPECT_EQ(m_bar.m_paletteHook.partner, m_pages[1]->m_hWnd);
    // the page lies in the area below the tabs
    CRect area, page;
    m_bar.GetPageArea(area);
    m_pages[1]->GetWindowRect(&page);
    m_bar.ScreenToClient(&page);
    EXPECT_EQ(page, area);
    CRect tabs;
    m_bar.m_tabs.SendMessage(TCM_GETITEMRECT, 0, (LPARAM)&tabs);
    EXPECT_GE(area.top, tabs.bottom);

    ClickTab(2);
    EXPECT_EQ(ShownPage(), 2);
    m_bar.m_lockedPage = 2; // a refused change keeps the page and its tab
    ClickTab(0);
    EXPECT_EQ(ShownPage(), 2);
    EXPECT_EQ(m_bar.m_tabs.GetCurSel(), 2);
    EXPECT_FALSE(m_bar.SelectPage(0));
    EXPECT_EQ(m_bar.m_changes, (std::vector<int>{1, 2}));
    EXPECT_TRUE(SaveWindowScreenshot(m_window.Handle(), "framework_tabbed_pane_bar"));
}

TEST_F(PaneBarTest, CommandsGoToTheShownPageFirstAndTabsAnswerTheirTips)
{
    m_bar.SelectPage(0);
    m_bar.SendMessage(WM_COMMAND, ID_TEST_PAGE_COMMAND);
    m_bar.SelectPage(2);
    m_bar.SendMessage(WM_COMMAND, ID_TEST_PAGE_COMMAND);
    m_bar.SendMessage(WM_COMMAND, ID_TEST_PAGE_COMMAND);
    EXPECT_EQ(m_pages[0]->m_commands, 1);
    EXPECT_EQ(m_pages[2]->m_commands, 2);

    CRect tab;
    m_bar.m_tabs.SendMessage(TCM_GETITEMRECT, 1, (LPARAM)&tab);
    CPoint point = tab.CenterPoint();
    m_bar.m_tabs.ClientToScreen(&point);
    const struct
    {
        BOOL enabled;
        CPoint cursor;
        const char* tip; // null: no answer
    } cases[] = {{TRUE, point, "All Sires"}, {FALSE, point, NULL}, {TRUE, CPoint(point.x, point.y + 150), NULL}};
    BOOL saved = ToolTipsEnabled;
    for (const auto& c : cases)
    {
        ToolTipsEnabled = c.enabled;
        ::SetCursorPos(c.cursor.x, c.cursor.y);
        NMTTDISPINFOA info = {};
        info.hdr = {m_bar.m_tabs.m_hWnd, 1, (UINT)TTN_NEEDTEXTA};
        m_bar.SendMessage(WM_NOTIFY, 1, (LPARAM)&info);
        EXPECT_STREQ(info.lpszText, c.tip);
        NMTTDISPINFOW wide = {};
        wide.hdr = {m_bar.m_tabs.m_hWnd, 1, (UINT)TTN_NEEDTEXTW};
        m_bar.SendMessage(WM_NOTIFY, 1, (LPARAM)&wide);
        EXPECT_EQ(wide.lpszText != NULL, c.tip != NULL);
    }
    ToolTipsEnabled = saved;
}

TEST(PaneBarNestingTest, ANestedBarOrSplitterTakesTheFocusInsideAndAPageSplitterGoesWithIt)
{
    CFrameworkTestApp app;
    CTestWindow window;
    window.Wnd()->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(window.Handle());
    CPaneBar* outer = new CPaneBar; // deletes itself with its window
    ASSERT_TRUE(outer->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), window.Wnd(), 1));
    CTestPaneBar inner;
    inner.Create(WS_CHILD, CRect(0, 0, 10, 10), outer, 2);
    CWnd edit;
    edit.Create("EDIT", NULL, WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), &inner, 3);
    inner.AddPage(&edit, "Notes");
    CSplitterWnd* splitter = new CSplitterWnd; // the page owns it
    splitter->CreateStatic(outer, 1, 1);
    CWnd list;
    list.Create("LISTBOX", NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), splitter, AFX_IDW_PANE_FIRST);
    outer->AddPage(&inner, "Inner");
    outer->AddPage(splitter, "Split");

    EXPECT_TRUE(outer->SelectPage(0));
    EXPECT_EQ(inner.m_currentPage, 0);
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    EXPECT_TRUE(outer->SelectPage(1));
    EXPECT_EQ(::GetFocus(), list.m_hWnd);
    EXPECT_FALSE(inner.IsWindowVisible());

    outer->DestroyWindow(); // deletes the outer bar and the splitter
    EXPECT_FALSE(::IsWindow(inner.m_hWnd));
    EXPECT_EQ(list.m_hWnd, (HWND)NULL);
}

TEST(DismissPopupOnInputTest, KeyAndButtonPressesCloseTheOpenPane)
{
    CFrameworkTestApp app;
    CTestWindow window;
    MSG none = {window.Handle(), WM_KEYDOWN, VK_SPACE, 0};
    EXPECT_FALSE(DismissPopupOnInput(&none)); // harmless without an open pane
    const struct
    {
        UINT message;
        bool closes;
    } cases[] = {{WM_KEYDOWN, true},      {WM_SYSKEYDOWN, true},    {WM_LBUTTONDOWN, true},   {WM_RBUTTONDOWN, true},
                 {WM_MBUTTONDOWN, true},  {WM_NCLBUTTONDOWN, true}, {WM_NCRBUTTONDOWN, true}, {WM_NCMBUTTONDOWN, true},
                 {WM_KEYUP, false},       {WM_MOUSEMOVE, false},    {WM_LBUTTONUP, false},    {WM_CHAR, false}};
    for (const auto& c : cases)
    {
        CPopupPane pane;
        ASSERT_TRUE(pane.Create(CRect(100, 100, 220, 160), window.Wnd(), 0));
        EXPECT_EQ(GetOpenPopupPane(), &pane);
        MSG msg = {window.Handle(), c.message, 0, 0};
        EXPECT_EQ(DismissPopupOnInput(&msg) != FALSE, c.closes) << c.message;
        EXPECT_EQ(::IsWindow(pane.m_hWnd) == FALSE, c.closes) << c.message;
        EXPECT_EQ(GetOpenPopupPane() == NULL, c.closes);
    }
    EXPECT_EQ(GetOpenPopupPane(), (CPopupPane*)NULL);

    // its timer closes it too
    CPopupPane pane;
    ASSERT_TRUE(pane.Create(CRect(100, 100, 220, 160), window.Wnd(), 30));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !::IsWindow(pane.m_hWnd); }));
    EXPECT_EQ(GetOpenPopupPane(), (CPopupPane*)NULL);
}
