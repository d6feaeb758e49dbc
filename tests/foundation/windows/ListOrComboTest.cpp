#include "foundation/windows/ListOrCombo.h"

#include <gtest/gtest.h>

namespace
{
    // The same list operations on a list box and on a combo box.
    class ListOrComboTest : public ::testing::TestWithParam<bool>
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Lists", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200,
                                          NULL, NULL));
            if (GetParam())
                ASSERT_TRUE(m_listBox.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(5, 5, 200, 150), &m_parent, 1));
            else
                ASSERT_TRUE(
                    m_comboBox.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(5, 5, 200, 150), &m_parent, 1));
            m_list = GetParam() ? CListOrCombo(&m_listBox) : CListOrCombo(&m_comboBox);
        }
        void TearDown() override { m_parent.DestroyWindow(); }

        void FillWith(std::initializer_list<const char*> texts, int selected)
        {
            CStringArray array;
            for (const char* text : texts)
                array.Add(text);
            CDWordArray data;
            for (int i = 0; i < array.GetSize(); i++)
                data.Add(100 + i);
            EXPECT_TRUE(m_list.Fill(array, &data));
            if (selected >= 0)
                m_list.SetCurSel(selected);
        }
        CString Items()
        {
            CString all;
            for (int i = 0; i < m_list.GetCount(); i++)
                all += m_list.GetText(i) + (char)('0' + (int)m_list.GetItemData(i) - 100);
            return all;
        }

        CWnd m_parent;
        CListBox m_listBox;
        CComboBox m_comboBox;
        CListOrCombo m_list{(CListBox*)NULL};
    };
}

TEST_P(ListOrComboTest, MoveItemKeepsEveryItemAtBothEnds)
{
    FillWith({"a", "b", "c"}, -1);
    const struct
    {
        int index, delta, answer;
        const char* items;
    } moves[] = {
        {2, 1, -1, "a0b1c2"},  // the last item down: refused, nothing deleted
        {0, -1, -1, "a0b1c2"}, // the first item up: refused
        {5, -1, -1, "a0b1c2"}, // no such item
        {0, 1, 1, "b1a0c2"},
        {2, -1, 1, "b1c2a0"},
    };
    for (const auto& move : moves)
    {
        EXPECT_EQ(move.answer, m_list.MoveItem(move.index, move.delta, TRUE)) << move.index << move.delta;
        EXPECT_STREQ(move.items, Items()) << move.index << move.delta;
        if (move.answer >= 0)
        {
            EXPECT_EQ(move.answer, m_list.GetCurSel());
        }
    }
}

TEST_P(ListOrComboTest, FillKeepsTheSelectionAndRestoresRedraw)
{
    FillWith({"a", "b", "c"}, 1);
    FillWith({"x", "y", "z"}, -1);
    EXPECT_STREQ("x0y1z2", Items());
    EXPECT_EQ(1, m_list.GetCurSel()) << "as long: same index";
    m_list.SetCurSel(2);
    FillWith({"p", "q"}, -1);
    EXPECT_EQ(1, m_list.GetCurSel()) << "shorter: the new last item";
    EXPECT_TRUE(::IsWindowVisible(m_list.m_pListBox != NULL ? m_listBox.m_hWnd : m_comboBox.m_hWnd))
        << "redraw is on again";

    CStringArray none;
    EXPECT_TRUE(m_list.Fill(none));
    EXPECT_EQ(0, m_list.GetCount());
    EXPECT_EQ(-1, m_list.GetCurSel());
}

INSTANTIATE_TEST_SUITE_P(ListAndCombo, ListOrComboTest, ::testing::Bool());

TEST_P(ListOrComboTest, DataSearchWrapsAndSelectionReads)
{
    FillWith({"a", "b", "c", "d"}, -1);
    m_list.SetItemData(3, 101); // items 1 and 3 carry 101
    const struct
    {
        int after;
        DWORD_PTR data;
        int found;
    } searches[] = {{-1, 101, 1}, {1, 101, 3}, {3, 101, 1}, {0, 100, 0} /* only match at the start */, {2, 7, -1}};
    for (const auto& search : searches)
        EXPECT_EQ(search.found, m_list.FindNextWithData(search.after, search.data)) << search.after;

    EXPECT_EQ(0, m_list.GetSelCount());
    BOOL atTop = TRUE, atBottom = TRUE;
    m_list.GetSelectionEnds(&atTop, &atBottom);
    EXPECT_FALSE(atTop || atBottom);
    EXPECT_EQ(55u, m_list.GetCurSelData(55));

    EXPECT_EQ(3, m_list.SelectNextWithData(1, 101));
    m_list.GetSelectionEnds(&atTop, &atBottom);
    EXPECT_TRUE(!atTop && atBottom);
    m_list.DeselectItem(0);
    EXPECT_EQ(3, m_list.GetCurSel()) << "another item: the selection stays";
    m_list.DeselectItem(3);
    EXPECT_EQ(-1, m_list.GetCurSel());

    EXPECT_EQ(1, m_list.InsertItemWithData(1, "new", -1, 42));
    EXPECT_EQ(42u, m_list.GetItemData(1));
    EXPECT_STREQ("new", m_list.GetText(1));
}

TEST(ListOrCombo, EnsureVisibleScrollsOnlyWhenNeeded)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Lists", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200, NULL, NULL));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(5, 5, 200, 105), &parent, 1));
    CListOrCombo adapter(&list);
    for (int i = 0; i < 40; i++)
        adapter.AddString("item");
    const int visible = 100 / adapter.GetItemHeight(0);
    const struct
    {
        int index, top;
    } steps[] = {{visible - 1, 0}, {visible, 1}, {30, 30 - visible + 1}, {25, 25}, {26, 25}, {-1, 25}};
    for (const auto& step : steps)
    {
        adapter.EnsureVisible(step.index);
        EXPECT_EQ(step.top, adapter.GetTopIndex()) << step.index;
    }
    parent.DestroyWindow();
}
