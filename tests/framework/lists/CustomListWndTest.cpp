#include "framework/lists/ColumnListWnd.h"

#include "foundation/settings/SettingsExchangers.h"
#include "framework/lists/ListWindowExtents.h"
#include "framework/resources/CursorIds.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const int RowCount = 30, RowHeight = 16, HeaderHeight = 20, VisibleRows = 10;

// Thirty litters; row 0 may not be selected (no reason given), row 29 may
// not be selected with a reason. Records what is handed to it.
class CLitterList : public CColumnListWnd
{
public:
    std::vector<std::string> m_events;

protected:
    CString GetCellText(int row, int column) override
    {
        CString text;
        text.Format(column == 0 ? "Litter %d" : "Colour %d", row);
        return text;
    }
    BOOL CanSelectRow(int row, CString& reason) override
    {
        if (row == 29)
            reason = "Row 29 is a sire";
        return row != 0 && row != 29;
    }
    void SelectRow(int row) override { m_events.push_back("select " + std::to_string(row)); }
    void OnRowClicked(int row) override { m_events.push_back("click " + std::to_string(row)); }
    void OnSideKey(UINT key) override { m_events.push_back(key == VK_LEFT ? "left" : "right"); }
    void OnEditKey() override { m_events.push_back("edit"); }
    void OnEnterKey(BOOL shift, BOOL control) override
    {
        m_events.push_back("enter " + std::to_string(shift) + std::to_string(control));
    }
};

class CustomListWndTest : public ::testing::Test
{
protected:
    CustomListWndTest()
    {
        GetListWindowExtents().RemoveAll();
        m_window.Wnd()->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_window.Handle());
        m_list.m_name = "Test Litters";
        // room for 200 pixels of the 220 of the columns and ten and a half rows
        CRect client(0, 0, 200 + ::GetSystemMetrics(SM_CXVSCROLL),
                     HeaderHeight + VisibleRows * RowHeight + RowHeight / 2 + ::GetSystemMetrics(SM_CYHSCROLL));
        EXPECT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE, client, m_window.Wnd(), 100));
        m_list.AddColumn("Name", 100);
        m_list.AddColumn("Colour", 80);
        m_list.AddColumn("", 40);
        m_list.SetRowHeight(RowHeight);
        m_list.SetHeaderHeight(HeaderHeight);
        m_list.SetItemCount(RowCount);
    }
    ~CustomListWndTest() override
    {
        m_list.DestroyWindow();
        GetListWindowExtents().RemoveAll();
        SettingsChangedFlag = FALSE;
    }

    void Key(UINT key) { m_list.SendMessage(WM_KEYDOWN, key, 0); }
    CPoint RowPoint(int row) const
    {
        return CPoint(20, HeaderHeight + (row - m_list.GetFirstVisibleRow()) * RowHeight + RowHeight / 2);
    }

    CFrameworkTestApp m_app;
    CTestWindow m_window;
    CLitterList m_list;
};
}

TEST_F(CustomListWndTest, KeysMoveTheFocusWhereTheClassAllowsAndKeepItInView)
{
    ASSERT_EQ(m_list.GetWholeVisibleRows(), VisibleRows);
    const struct
    {
        int start;
        UINT key;
        int expected;
        const char* message;
    } cases[] = {{5, VK_DOWN, 6, ""},        {5, VK_UP, 4, ""},          {1, VK_UP, 1, ""},
                 {5, VK_HOME, 1, ""},        {5, VK_END, 28, ""},        {5, VK_NEXT, 15, ""},
                 {25, VK_NEXT, 25, "Row 29 is a sire. "}, {3, VK_PRIOR, 3, ""}, {28, VK_DOWN, 28, "Row 29 is a sire. "}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(m_list.MoveFocusTo(c.start));
        CMessageBoxAnswerer answerer(IDOK);
        Key(c.key);
        EXPECT_EQ(m_list.GetFocusRow(), c.expected) << c.start << " key " << c.key;
        EXPECT_EQ(answerer.LastText(), c.message) << c.start << " key " << c.key;
        int first = m_list.GetFirstVisibleRow();
        EXPECT_LE(first, c.expected);
        EXPECT_LT(c.expected, first + VisibleRows);
    }
    m_list.m_events.clear();
    for (UINT key : {VK_LEFT, VK_RIGHT, VK_F2, VK_RETURN})
        Key(key);
    EXPECT_EQ(m_list.m_events, (std::vector<std::string>{"left", "right", "edit", "enter 00"}));
    EXPECT_EQ(m_list.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(CustomListWndTest, MouseAndScrollBarsMoveTheRowsAndTheFocus)
{
    CRect rect;
    ASSERT_TRUE(m_list.GetRowRect(3, rect));
    EXPECT_EQ(rect.top, HeaderHeight + 3 * RowHeight);
    EXPECT_EQ(rect.Height(), RowHeight);
    EXPECT_FALSE(m_list.GetRowRect(RowCount, rect));
    EXPECT_FALSE(m_list.GetRowRect(VisibleRows + 1, rect)); // below the visible rows

    CPoint point = RowPoint(4);
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(m_list.GetFocusRow(), 4);
    EXPECT_EQ(m_list.m_events, (std::vector<std::string>{"select 4", "click 4"}));
    EXPECT_EQ(::GetFocus(), m_list.m_hWnd);
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, HeaderHeight / 2)); // the header
    EXPECT_EQ(m_list.GetFocusRow(), 4);

    const struct
    {
        UINT message;
        WPARAM wParam;
        int first;
    } scrolls[] = {{WM_VSCROLL, SB_LINEDOWN, 1}, {WM_VSCROLL, SB_PAGEDOWN, 11}, {WM_VSCROLL, SB_BOTTOM, 20},
                   {WM_VSCROLL, SB_LINEUP, 19},  {WM_VSCROLL, SB_TOP, 0},        {WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 3}};
    UINT wheelLines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    for (const auto& s : scrolls)
    {
        m_list.SendMessage(s.message, s.wParam, 0);
        int expected = s.message == WM_MOUSEWHEEL ? (int)wheelLines : s.first;
        EXPECT_EQ(m_list.GetFirstVisibleRow(), expected) << s.message << " " << s.wParam;
        EXPECT_EQ(::GetScrollPos(m_list.m_hWnd, SB_VERT), expected);
    }
    m_list.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(m_list.GetHorizontalOffset(), 220 / 10 / 10);
    ASSERT_TRUE(m_list.GetRowRect(5, rect));
    EXPECT_EQ(rect.left, -m_list.GetHorizontalOffset());
}

TEST_F(CustomListWndTest, DraggingADividerSetsTheColumnWidthAndRemembersTheExtent)
{
    m_window.Wnd()->SetWindowPos(NULL, 40, 40, 360, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(m_list.DividerAt(CPoint(102, 5)), 0);
    EXPECT_EQ(m_list.DividerAt(CPoint(180, 5)), -1); // next to the untitled column
    EXPECT_EQ(m_list.DividerAt(CPoint(140, 5)), -1);

    CPoint divider(101, 30);
    m_list.ClientToScreen(&divider);
    ::SetCursorPos(divider.x, divider.y);
    m_list.SendMessage(WM_SETCURSOR, (WPARAM)m_list.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_COLUMN_DIVIDER)));

    SettingsChangedFlag = FALSE;
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(101, 30));
    EXPECT_TRUE(m_list.IsDragging());
    EXPECT_EQ(::GetCapture(), m_list.m_hWnd);
    m_list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 30));
    m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(141, 30));
    EXPECT_FALSE(m_list.IsDragging());
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(m_list.GetColumnWidth(0), 141);
    EXPECT_EQ(m_list.GetFocusRow(), -1); // a drag selects no row
    EXPECT_EQ(GetListWindowExtent("Test Litters"), 141);
    EXPECT_TRUE(SettingsChangedFlag);

    // a cancelled drag keeps the width; a new window of that name starts with it
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(141, 30));
    m_list.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(m_list.GetColumnWidth(0), 141);
    CColumnListWnd other;
    other.m_name = "Test Litters";
    other.AddColumn("Name", 100);
    EXPECT_EQ(other.GetColumnWidth(0), 141);

    m_list.MoveFocusTo(2);
    m_list.SetFocus();
    EXPECT_TRUE(SaveWindowScreenshot(m_window.Handle(), "framework_column_list"));
}
