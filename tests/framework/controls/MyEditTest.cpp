#include "framework/controls/MyEdit.h"
#include "foundation/windows/SystemColours.h"

#include <gtest/gtest.h>

namespace
{
    int changes = 0;

    class CCountingParent : public CWnd
    {
    public:
        afx_msg void OnChange() { changes++; }
        DECLARE_MESSAGE_MAP()
    };
    BEGIN_MESSAGE_MAP(CCountingParent, CWnd)
        ON_EN_CHANGE(100, OnChange)
    END_MESSAGE_MAP()

    class MyEditTest : public ::testing::TestWithParam<DWORD>
    {
    protected:
        void SetUp() override
        {
            LoadSystemColours();
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Edit", WS_POPUP | WS_VISIBLE, 50, 50, 300, 120,
                                          NULL, NULL));
            ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | GetParam(), CRect(5, 5, 280, 100),
                                      &m_parent, 100));
            // Made by Create, the field is a drop target at once.
            EXPECT_TRUE(m_edit.m_dragDrop.m_registered);
        }
        void TearDown() override { m_parent.DestroyWindow(); }
        CCountingParent m_parent;
        CMyEdit m_edit;
    };
}

TEST_P(MyEditTest, SelectionAndTextAroundIt)
{
    m_edit.SetWindowText("Black and tan");
    const struct
    {
        int start, end;
        BOOL any;
        const char *selected, *before, *after;
    } cases[] = {
        {6, 9, TRUE, "and", "Black ", " tan"},
        {5, 5, FALSE, "", "Black", " and tan"},
        {0, -1, TRUE, "Black and tan", "", ""},
    };
    for (const auto& c : cases)
    {
        m_edit.SetSel(c.start, c.end);
        CString selected = "x", before, after;
        int start = -5, end = -5;
        EXPECT_EQ(c.any, m_edit.GetSelection(&selected, &start, &end, &before, &after)) << c.start;
        EXPECT_STREQ(c.selected, selected);
        EXPECT_STREQ(c.before, before);
        EXPECT_STREQ(c.after, after);
    }
    CString whole;
    EXPECT_TRUE(m_edit.GetWholeText(whole));
    EXPECT_STREQ("Black and tan", whole);
}

TEST_P(MyEditTest, SetTextNotifiesTheParentWhenAsked)
{
    changes = 0;
    m_edit.SetWindowText("one");
    int plain = changes;
    m_edit.m_notifyOnSetText = 1;
    m_edit.SetWindowText("two");
    EXPECT_EQ(plain + 1, changes - plain);
}

TEST_P(MyEditTest, TextColourAlsoAppliesTheBackground)
{
    EXPECT_EQ(GetSystemColour(COLOR_WINDOWTEXT), m_edit.SetTextColour(RGB(0, 0, 200)));
    EXPECT_TRUE(m_edit.m_ownColours && m_edit.m_brushMade);
    EXPECT_EQ(GetSystemColour(COLOR_WINDOW), m_edit.SetBackgroundColour(RGB(255, 255, 200)));
    HDC dc = ::GetDC(m_edit.m_hWnd);
    HBRUSH brush = (HBRUSH)m_parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)m_edit.m_hWnd);
    EXPECT_EQ((HBRUSH)m_edit.m_brush.GetSafeHandle(), brush);
    EXPECT_EQ(RGB(0, 0, 200), ::GetTextColor(dc));
    EXPECT_EQ(RGB(255, 255, 200), ::GetBkColor(dc));
    ::ReleaseDC(m_edit.m_hWnd, dc);
}

INSTANTIATE_TEST_SUITE_P(SingleAndMultiLine, MyEditTest, ::testing::Values(0, ES_MULTILINE | ES_AUTOVSCROLL));
