#include "framework/panes/FormWnd.h"
#include "framework/panes/PaneWnd.h"
#include "framework/panes/ScrollingWnd.h"

#include "PanesTestIds.h"
#include "framework/dialogs/SelectRegionDlg.h"
#include "framework/resources/CursorIds.h"
#include "support/LayoutCheck.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A 1000 x 800 chessboard of 50-pixel squares that the mouse drags along.
class CBoard : public CScrollingWnd
{
public:
    std::vector<std::string> m_drags;

    void Draw(CDC* dc) override
    {
        for (int y = 0; y < m_contentHeight; y += 50)
            for (int x = 0; x < m_contentWidth; x += 50)
            {
                CRect square(x, y, x + 50, y + 50);
                ::FillRect(dc->m_hDC, &square, ::GetSysColorBrush((x + y) / 50 % 2 ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            }
    }
    UINT GetCursorId(CPoint point) override { return point.x < 20 ? IDC_COLUMN_DIVIDER : 0; }
    BOOL HitTestDragStart(CPoint point) override { return point.y > 10; }
    void BeginDrag(CPoint) override { m_drags.push_back("begin"); }
    void DragMove(CPoint point, CPoint last) override
    {
        m_drags.push_back("move " + std::to_string(point.x - last.x));
        ScrollBy(last.x - point.x, last.y - point.y);
    }
    void EndDrag(CPoint) override { m_drags.push_back("end"); }
    void CancelDrag() override { m_drags.push_back("cancel"); }
};

class ScrollingWndTest : public ::testing::Test
{
protected:
    ScrollingWndTest()
    {
        m_window.Wnd()->SetWindowPos(NULL, 20, 20, 360, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(m_window.Handle());
        m_board.m_lineWidth = m_board.m_lineHeight = 10;
        EXPECT_TRUE(m_board.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 300, 200),
                                   m_window.Wnd(), 1));
        m_board.SetContentSize(1000, 800);
        m_board.GetClientRect(&m_client);
    }
    ~ScrollingWndTest() override { m_board.DestroyWindow(); }

    CFrameworkTestApp m_app;
    CTestWindow m_window;
    CBoard m_board;
    CRect m_client;
};
}

TEST_F(ScrollingWndTest, BarsAppearWhereTheContentIsLargerThanTheRoom)
{
    const struct
    {
        int width, height;
        bool horizontal, vertical;
    } cases[] = {{1000, 800, true, true}, {100, 100, false, false}, {1000, 100, true, false},
                 {100, 800, false, true}, {290, 190, false, false}};
    for (const auto& c : cases)
    {
        m_board.SetContentSize(c.width, c.height);
        EXPECT_EQ(m_board.HasBar(SB_HORZ) != FALSE, c.horizontal) << c.width << "x" << c.height;
        EXPECT_EQ(m_board.HasBar(SB_VERT) != FALSE, c.vertical) << c.width << "x" << c.height;
        CRect client;
        m_board.GetClientRect(&client);
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE};
        if (c.vertical && ::GetScrollInfo(m_board.m_hWnd, SB_VERT, &info))
        {
            EXPECT_EQ(info.nMax, c.height - 1);
            EXPECT_EQ((int)info.nPage, client.Height());
        }
    }
}

TEST_F(ScrollingWndTest, ScrollsByKeysLinesPagesAndTheWheelWithinTheContent)
{
    int pageX = m_client.Width(), pageY = m_client.Height();
    int limitX = 1000 - pageX, limitY = 800 - pageY;
    UINT wheelLines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    const struct
    {
        UINT message;
        WPARAM wParam;
        bool shift;
        int x, y; // afterwards
    } steps[] = {
        {WM_KEYDOWN, VK_DOWN, false, 0, 10},
        {WM_KEYDOWN, VK_RIGHT, false, 10, 10},
        {WM_KEYDOWN, VK_NEXT, false, 10, 10 + pageY},
        {WM_KEYDOWN, VK_NEXT, true, 10 + pageX, 10 + pageY},
        {WM_KEYDOWN, VK_END, false, 10 + pageX, limitY},
        {WM_KEYDOWN, VK_END, true, limitX, limitY},
        {WM_KEYDOWN, VK_DOWN, false, limitX, limitY},
        {WM_KEYDOWN, VK_HOME, false, limitX, 0},
        {WM_KEYDOWN, VK_HOME, true, 0, 0},
        {WM_KEYDOWN, VK_UP, false, 0, 0},
        {WM_VSCROLL, SB_LINEDOWN, false, 0, 10},
        {WM_VSCROLL, SB_PAGEDOWN, false, 0, 10 + pageY},
        {WM_HSCROLL, SB_BOTTOM, false, limitX, 10 + pageY},
        {WM_VSCROLL, SB_TOP, false, limitX, 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -120), false, limitX, std::min((int)wheelLines * 10, pageY)},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), false, limitX, std::min((int)wheelLines * 10, pageY)},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), false, limitX, 0},
    };
    for (const auto& s : steps)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = s.shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        m_board.SendMessage(s.message, s.wParam, 0);
        EXPECT_EQ(m_board.GetScrollPosition(), CPoint(s.x, s.y)) << s.message << " " << s.wParam << " " << s.shift;
    }
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    m_board.SendMessage(WM_KEYDOWN, VK_NEXT);
    EXPECT_TRUE(SaveWindowScreenshot(m_window.Handle(), "framework_scrolling_window"));
}

TEST_F(ScrollingWndTest, DraggingCapturesTheMouseAndShowsTheDragCursor)
{
    CPoint inside(50, 60);
    m_board.ClientToScreen(&inside);
    ::SetCursorPos(inside.x, inside.y);
    m_board.SendMessage(WM_SETCURSOR, (WPARAM)m_board.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_ARROW));

    m_board.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5)); // not a drag start
    EXPECT_FALSE(m_board.m_dragging);
    EXPECT_EQ(::GetFocus(), m_board.m_hWnd);
    m_board.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    EXPECT_TRUE(m_board.m_dragging);
    EXPECT_EQ(::GetCapture(), m_board.m_hWnd);
    m_board.SendMessage(WM_SETCURSOR, (WPARAM)m_board.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_DRAG_SCROLL)));
    m_board.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 60));
    m_board.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 60));
    EXPECT_FALSE(m_board.m_dragging);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(m_board.GetScrollPosition(), CPoint(20, 0));
    m_board.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    m_board.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(m_board.m_drags, (std::vector<std::string>{"begin", "move -20", "end", "begin", "cancel"}));
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_GT(clip.right - clip.left, m_client.Width()); // confinement released

    CPoint left(5, 60);
    m_board.ClientToScreen(&left);
    ::SetCursorPos(left.x, left.y);
    m_board.SendMessage(WM_SETCURSOR, (WPARAM)m_board.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_COLUMN_DIVIDER)));
}

TEST(FormWndTest, GivesTheFocusBackToTheControlThatLastHadIt)
{
    CFrameworkTestApp app;
    CTestWindow window;
    window.Wnd()->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(window.Handle()); // focus moves only inside the active window
    CFormWnd form;
    ASSERT_TRUE(form.Create(IDD_FORM_TEST, window.Wnd()));
    EXPECT_EQ(form.m_self, &form);
    form.ShowWindow(SW_SHOW);
    HWND colour = ::GetDlgItem(form.m_hWnd, IDC_FORM_COLOUR);
    ASSERT_NE(colour, (HWND)NULL);
    ::SetFocus(colour);
    form.EnableWindow(FALSE); // as a pane bar does when it hides a page
    form.EnableWindow(TRUE);
    ::SetFocus(window.Handle());
    form.SetFocus();
    EXPECT_EQ(::GetFocus(), colour);
    ::DestroyWindow(colour); // a control gone is forgotten
    ::SetFocus(window.Handle());
    form.SetFocus();
    EXPECT_EQ(form.m_lastFocus, (HWND)NULL);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(form.m_hWnd, IDC_FORM_NAME));
    form.DestroyWindow();
}

namespace
{
// A page that counts the page commands that reach it.
class CCommandPage : public CWnd
{
public:
    int m_commands = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands += LOWORD(wParam) == ID_PANE_PAGE_COMMAND;
        return TRUE;
    }
};
}

TEST(PaneWndTest, SelectRegionSetsTheRegionFlagAndThePageCommandReachesThePage)
{
    CFrameworkTestApp app;
    CTestWindow window;
    window.Wnd()->ShowWindow(SW_SHOW);
    CPaneWnd* pane = new CPaneWnd; // deletes itself with its window
    pane->m_pageTitle = "Pedigree";
    ASSERT_TRUE(pane->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), window.Wnd(), 1));
    ASSERT_NE(pane->m_page, (CScrollingWnd*)NULL);
    EXPECT_EQ(pane->GetCurrentPageWindow(), pane->m_page);
    EXPECT_STREQ(pane->GetPage(0)->m_title, "Pedigree");

    const struct
    {
        BOOL regionBefore;
        int answer; // the radio button chosen
        int endWith;
        int presetSeen;
        BOOL regionAfter;
    } cases[] = {{FALSE, IDC_SELECT_REGION_ONLY, IDOK, 1, TRUE}, {TRUE, IDC_SELECT_REGION_ALL, IDOK, 0, FALSE},
                 {FALSE, IDC_SELECT_REGION_ONLY, IDCANCEL, 1, FALSE}};
    for (const auto& c : cases)
    {
        pane->m_region = c.regionBefore;
        int preset = -1;
        CDialogDriver driver([&](HWND dialog) {
            preset = ::IsDlgButtonChecked(dialog, IDC_SELECT_REGION_ONLY) ? 0 : 1;
            ::CheckRadioButton(dialog, IDC_SELECT_REGION_ONLY, IDC_SELECT_REGION_ALL, c.answer);
            if (c.regionBefore)
            {
                EXPECT_TRUE(SaveWindowScreenshot(dialog, "framework_select_region_dialog"));
                EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(dialog)), "");
            }
            CDialogDriver::Click(dialog, c.endWith);
        });
        pane->SendMessage(WM_COMMAND, ID_PANE_SELECT_REGION);
        EXPECT_EQ(preset, c.presetSeen);
        EXPECT_EQ(pane->m_region, c.regionAfter);
    }
    CCommandPage page;
    page.Create("STATIC", NULL, WS_CHILD, CRect(0, 0, 10, 10), pane, 2);
    ASSERT_TRUE(pane->SelectPage(pane->AddPage(&page, "Notes")));
    pane->SendMessage(WM_COMMAND, ID_PANE_PAGE_COMMAND);
    EXPECT_EQ(page.m_commands, 1);
    pane->DestroyWindow();
}
