#include "framework/lists/MyListCtrl.h"

#include "foundation/windows/SelectedObject.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "framework/windows/WindowMeasures.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A list that records what the lock sends and when columns were resized.
class CSpyList : public CMyListCtrl
{
public:
    std::vector<WPARAM> m_redraws;
    int m_resized = 0;

    void OnColumnResized() override
    {
        ++m_resized;
        CMyListCtrl::OnColumnResized();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETREDRAW)
            m_redraws.push_back(wParam);
        return CMyListCtrl::WindowProc(message, wParam, lParam);
    }
};

const UINT ListId = 100;

class MyListCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Litters",
                                      WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(40, 40, 480, 260), NULL, 0));
    }
    void TearDown() override
    {
        if (m_list.m_hWnd != NULL)
            m_list.DestroyWindow();
        m_parent.DestroyWindow();
    }

    // A report list with a column whose contents are wider than its head,
    // one whose head is wider, and an empty one.
    void CreateList(DWORD style = 0)
    {
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | style, CRect(8, 8, 430, 200),
                                  &m_parent, ListId));
        m_list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        m_list.InsertColumn(0, "Dam", LVCFMT_LEFT, 20);
        m_list.InsertColumn(1, "", LVCFMT_LEFT, 60);
        m_list.InsertColumn(2, "Registered breeding name", LVCFMT_LEFT, 20);
        const char* rows[][2] = {{"Bella of Kestrel Moor and Hollybrook", "Bella"}, {"Sable", "S"}};
        for (int i = 0; i < 2; ++i)
        {
            m_list.InsertItem(i, rows[i][0]);
            m_list.SetItemText(i, 2, rows[i][1]);
        }
    }

    int TextWidth(const char* text)
    {
        CClientDC dc(&m_list);
        CSelectedObject font(&dc, m_list.GetFont());
        return dc.GetTextExtent(text).cx;
    }

    CFrameworkTestApp m_app;
    CWnd m_parent;
    CSpyList m_list;
};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
} // namespace

TEST_F(MyListCtrlTest, IsMadeThroughItsRuntimeClassWithItsOwnHeader)
{
    CObject* made = RUNTIME_CLASS(CMyListCtrl)->CreateObject();
    ASSERT_NE(made, nullptr);
    CMyListCtrl* list = (CMyListCtrl*)made;
    ASSERT_TRUE(list->Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 100, 100), &m_parent, 7));
    list->m_autoDelete = TRUE;
    list->InsertColumn(0, "Sire", LVCFMT_LEFT, 33);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(list->m_hWnd, 0)), list->m_header.get());
    EXPECT_EQ(list->GetHeaderCtrl(), list->m_header.get());
    EXPECT_EQ(list->GetColumnCount(), 1);
    EXPECT_EQ(list->GetColumnWidth(0), 33);
    EXPECT_EQ(list->GetColumnWidth(3), -1);
    list->DestroyWindow(); // deletes the object
}

TEST_F(MyListCtrlTest, NestedLocksDrawAgainOnlyAtTheLastUnlock)
{
    CreateList();
    m_list.LockRedraw();
    m_list.LockRedraw();
    m_list.LockRedraw(TRUE);
    EXPECT_EQ(m_list.m_redraws, std::vector<WPARAM>{FALSE});
    m_list.LockRedraw(TRUE);
    EXPECT_EQ(m_list.m_redraws, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_EQ(m_list.m_redrawLock, 0);
    // An unbalanced unlock leaves the count at nothing locked.
    m_list.LockRedraw(TRUE);
    EXPECT_EQ(m_list.m_redrawLock, 0);
}

TEST_F(MyListCtrlTest, ColumnsSizeToTheWiderOfContentsAndHeadAtLeastTheMinimum)
{
    CreateList();
    m_list.AutoSizeColumns(-1, 10);
    EXPECT_GE(m_list.GetColumnWidth(0), TextWidth("Bella of Kestrel Moor and Hollybrook"));
    EXPECT_LT(m_list.GetColumnWidth(0), TextWidth("Bella of Kestrel Moor and Hollybrook") + 40);
    EXPECT_GE(m_list.GetColumnWidth(1), 10);
    EXPECT_LT(m_list.GetColumnWidth(1), 60);
    EXPECT_GE(m_list.GetColumnWidth(2), TextWidth("Registered breeding name"));
    EXPECT_TRUE(SaveWindowScreenshot(m_parent.m_hWnd, "framework_list_view"));
    // One column alone leaves the others as they are.
    m_list.SetColumnWidth(1, 15);
    m_list.SetColumnWidth(2, 15);
    m_list.AutoSizeColumns(0, 300);
    EXPECT_EQ(m_list.GetColumnWidth(0), 300);
    EXPECT_EQ(m_list.GetColumnWidth(1), 15);
    EXPECT_EQ(m_list.GetColumnWidth(2), 15);
    EXPECT_TRUE(m_list.m_redraws.size() >= 2 && m_list.m_redraws.back() == TRUE);
}

// The list's own handling sizes a column to its contents alone; the
// framework's takes the header text too.
TEST_F(MyListCtrlTest, DoubleClickOnADividerFitsContentsAndHeadUnlessTheListSaysNo)
{
    CreateList();
    CHeaderCtrl* header = m_list.GetHeaderCtrl();
    int headWidth = TextWidth("Registered breeding name");
    for (BOOL allowed : {FALSE, TRUE})
    {
        m_list.m_autoSizeOnDivider = allowed;
        // Narrower heads have no divider zone.
        m_list.SetColumnWidth(2, 40);
        CRect head;
        header->GetItemRect(2, &head);
        LPARAM point = MAKELPARAM(head.right - 1, head.Height() / 2);
        header->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
        header->SendMessage(WM_LBUTTONUP, 0, point);
        header->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        header->SendMessage(WM_LBUTTONUP, 0, point);
        PumpMessages();
        EXPECT_EQ(m_list.GetColumnWidth(2) >= headWidth, allowed != FALSE) << m_list.GetColumnWidth(2);
        EXPECT_GT(m_list.GetColumnWidth(2), TextWidth("Bella"));
    }
}

TEST_F(MyListCtrlTest, DraggingADividerTellsTheListOnceTheHeaderIsDone)
{
    CreateList();
    CHeaderCtrl* header = m_list.GetHeaderCtrl();
    m_list.SetColumnWidth(0, 50);
    CRect head;
    header->GetItemRect(0, &head);
    int x = head.right - 1, y = head.Height() / 2;
    header->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    header->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 40, y));
    header->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x + 40, y));
    EXPECT_EQ(m_list.m_resized, 0);
    PumpMessages();
    EXPECT_EQ(m_list.m_resized, 1);
    EXPECT_NEAR(m_list.GetColumnWidth(0), 90, 2);
}

TEST_F(MyListCtrlTest, HeaderAndOwnerDrawnRowsAreAsHighAsTheirFonts)
{
    CreateList(LVS_OWNERDRAWFIXED);
    CRect headerRect;
    m_list.GetHeaderCtrl()->GetWindowRect(&headerRect);
    EXPECT_EQ(headerRect.Height(), GetFontHeight(m_list.GetHeaderCtrl()->GetFont()) + 2);

    CFont large;
    large.CreatePointFont(200, "Arial");
    m_list.SetFont(&large);
    CRect row;
    ASSERT_TRUE(m_list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(row.Height(), GetFontHeight(&large) + 2);
    m_list.m_followFont = FALSE;
    m_list.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    ASSERT_TRUE(m_list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(row.Height(), GetFontHeight(&large) + 2);
    m_list.DestroyWindow();
}
