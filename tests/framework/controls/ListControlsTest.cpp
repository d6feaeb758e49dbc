#include "framework/app/SharedImageLists.h"
#include "framework/controls/ControlPixels.h"
#include "framework/controls/MyButton.h"
#include "framework/controls/MyComboBox.h"
#include "framework/controls/MyListBox.h"
#include "foundation/windows/ListOrCombo.h"
#include "foundation/windows/SystemColours.h"

#include <gtest/gtest.h>

namespace
{
    const COLORREF red = RGB(200, 0, 0); // picture 0 of the test strip

    class ListControlsFixture
    {
    protected:
        void MakeParent()
        {
            LoadSystemColours();
            ASSERT_TRUE(GetSharedImageLists().Build(9351));
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Lists",
                                          WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 360, 260, NULL, NULL));
        }
        void DestroyParent()
        {
            m_parent.DestroyWindow();
            GetSharedImageLists().Release();
        }
        CWnd m_parent;
    };

    // The same own-records behaviour on the list box and on the combo box.
    class OwnRecordsTest : public ::testing::TestWithParam<bool>, public ListControlsFixture
    {
    protected:
        void SetUp() override
        {
            MakeParent();
            m_list.SetOwnRecords(TRUE);
            m_combo.SetOwnRecords(TRUE);
            if (IsList())
                ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_SORT,
                                          CRect(5, 5, 200, 200), &m_parent, 1));
            else
                ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
                                           CRect(5, 5, 200, 200), &m_parent, 1));
        }
        void TearDown() override { DestroyParent(); }
        bool IsList() const { return GetParam(); }
        CListOrCombo Adapter() { return IsList() ? CListOrCombo(&m_list) : CListOrCombo(&m_combo); }
        HWND Window() const { return IsList() ? m_list.m_hWnd : m_combo.m_hWnd; }
        int Find(int start, LPCTSTR text, BOOL exact)
        {
            if (IsList())
                return exact ? m_list.FindStringExact(start, text) : -2;
            return exact ? m_combo.FindStringExact(start, text) : m_combo.FindString(start, text);
        }
        void AddAll()
        {
            CListOrCombo list = Adapter();
            const char* texts[] = {"Tan", "black", "Apricot", "BLue"};
            for (int i = 0; i < 4; i++)
                ASSERT_GE(list.AddItemWithData(texts[i], i == 2 ? 0 : -1, 100 + i), 0);
        }

        CMyListBox m_list;
        CMyComboBox m_combo;
    };
}

TEST_P(OwnRecordsTest, SortsCaseInsensitivelyAndKeepsTextImageAndData)
{
    AddAll();
    CListOrCombo list = Adapter();
    EXPECT_TRUE(list.HasOwnRecords() && list.IsOwnerDraw() && list.HasStrings());
    const struct
    {
        const char* text;
        int extraValue;
        DWORD_PTR data;
    } expected[] = {{"Apricot", 0, 102}, {"black", -1, 101}, {"BLue", -1, 103}, {"Tan", -1, 100}};
    ASSERT_EQ(4, list.GetCount());
    for (int i = 0; i < 4; i++)
    {
        EXPECT_STREQ(expected[i].text, list.GetText(i)) << i;
        EXPECT_EQ(expected[i].extraValue, list.GetExtraValue(i)) << i;
        EXPECT_EQ(expected[i].data, list.GetItemData(i)) << i;
    }
    EXPECT_EQ((DWORD_PTR)-1, list.GetItemData(4)) << "past the end: no record";
    EXPECT_EQ(-1, list.SetItemData(4, 7));
    EXPECT_EQ(-1, list.GetExtraValue(9));
    EXPECT_EQ(-1, list.GetTextLen(9)) << "no record";

    // A move keeps text, image and data (sorted controls insert where asked).
    EXPECT_EQ(1, list.MoveItem(0, 1, TRUE));
    EXPECT_STREQ("Apricot", list.GetText(1));
    EXPECT_EQ(0, list.GetExtraValue(1));
    EXPECT_EQ(102u, list.GetItemData(1));

    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ((DWORD_PTR)-1, list.GetItemData(0));
}

TEST_P(OwnRecordsTest, RecordSearchWrapsFromAfterTheStart)
{
    AddAll(); // Apricot, black, BLue, Tan
    const struct
    {
        int start;
        const char* text;
        BOOL exact;
        int found;
    } searches[] = {
        {-1, "BLACK", TRUE, 1}, {1, "black", TRUE, 1}, {-1, "bl", TRUE, -1}, {-1, "", TRUE, -1},
        // beginnings (combo box): after the start first, an exact-case match before it last
        {1, "bl", FALSE, 2},    {2, "BL", FALSE, 1},   {-1, "t", FALSE, 3},  {0, "Tanner", FALSE, -1},
    };
    for (const auto& search : searches)
    {
        if (!search.exact && IsList())
            continue;
        EXPECT_EQ(search.found, Find(search.start, search.text, search.exact)) << search.start << search.text;
    }
}

TEST_P(OwnRecordsTest, ItemsShowTheirImageAndText)
{
    AddAll();
    Adapter().SetCurSel(IsList() ? -1 : 0); // the combo shows its selection: Apricot with picture 0
    CControlPixels pixels(Window());
    EXPECT_GT(pixels.Count(red), 20) << "picture of the item with image 0";
    EXPECT_GT(pixels.Count(GetSystemColour(COLOR_WINDOWTEXT)), 10) << "text";
    EXPECT_EQ(0, pixels.Count(RGB(255, 0, 255))) << "the mask colour is transparent";
}

INSTANTIATE_TEST_SUITE_P(ListAndCombo, OwnRecordsTest, ::testing::Bool());

namespace
{
    // Answers each item by its text: "d" delete, "n" delete and select the
    // next, "x" deselect, "v" move down, "^" move up, "V" move down
    // unselected; others nothing.
    class CLetterAction : public CListAction
    {
    public:
        int Decide(int, LPCTSTR text, int, DWORD_PTR) override
        {
            switch (text[0])
            {
            case 'd': return LIST_DELETE;
            case 'n': return LIST_DELETE_SELECT_NEXT;
            case 'x': return LIST_DESELECT;
            case 'v': return LIST_MOVE_DOWN;
            case '^': return LIST_MOVE_UP;
            case 'V': return LIST_MOVE_DOWN | LIST_DESELECT;
            default: return LIST_KEEP;
            }
        }
    };

    class MultiSelectListTest : public ::testing::Test, public ListControlsFixture
    {
    protected:
        void SetUp() override
        {
            MakeParent();
            ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_EXTENDEDSEL, CRect(5, 5, 150, 200),
                                      &m_parent, 1));
            const char* labels[] = {"Delete", "Up", "Down", "One", "Two items"};
            for (int i = 0; i < 5; i++)
                ASSERT_TRUE(m_buttons[i].Create(labels[i], WS_CHILD | WS_VISIBLE, CRect(160, 5 + 30 * i, 260, 30 + 30 * i),
                                                &m_parent, 10 + i));
            const int rows[5][2] = {{0, SELECTION_NEEDS_ONE | SELECTION_NEEDS_MORE},
                                    {0, SELECTION_NEEDS_ONE | SELECTION_NEEDS_MORE | SELECTION_NOT_AT_TOP},
                                    {0, SELECTION_NEEDS_ONE | SELECTION_NEEDS_MORE | SELECTION_NOT_AT_BOTTOM},
                                    {0, SELECTION_NEEDS_ONE},
                                    {2, SELECTION_ANY}};
            for (int i = 0; i < 5; i++)
                m_list.m_dependents.Add(m_buttons[i].m_hWnd, rows[i][0], rows[i][1]);
        }
        void TearDown() override { DestroyParent(); }

        void Set(const char* items, const char* selected)
        {
            m_list.ResetContent();
            for (const char* item = items; *item; item++)
                m_list.AddString(CString(*item));
            for (const char* index = selected; *index; index++)
                m_list.SetSel(*index - '0');
        }
        CString Items()
        {
            CString all;
            for (int i = 0; i < m_list.GetCount(); i++)
            {
                CString text;
                m_list.GetText(i, text);
                all += text;
            }
            return all;
        }
        CString Selected()
        {
            CString all;
            for (int i = 0; i < m_list.GetCount(); i++)
                if (m_list.GetSel(i) > 0)
                    all += (char)('0' + i);
            return all;
        }
        CString Enabled()
        {
            CString all;
            for (CButton& button : m_buttons)
                all += button.IsWindowEnabled() ? '1' : '0';
            return all;
        }

        CMyListBox m_list;
        CButton m_buttons[5];
    };
}

TEST_F(MultiSelectListTest, ButtonsFollowTheSelection)
{
    const struct
    {
        const char *items, *selected, *enabled; // Delete, Up, Down, One, Two items
    } cases[] = {
        {"abcd", "", "00001"},   {"abcd", "1", "11111"},  {"abcd", "0", "10111"}, {"abcd", "3", "11011"},
        {"abcd", "01", "10101"}, {"abcd", "03", "10001"}, {"a", "0", "10010"},
    };
    for (const auto& test : cases)
    {
        Set(test.items, test.selected);
        m_list.m_dependents.Update();
        EXPECT_STREQ(test.enabled, Enabled()) << test.items << " selected " << test.selected;
    }
    // A selection change reaches the list through its parent.
    Set("abcd", "0");
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE), (LPARAM)m_list.m_hWnd);
    EXPECT_STREQ("10111", Enabled());
}

TEST_F(MultiSelectListTest, ActionsDeleteDeselectAndMoveTheSelectedItems)
{
    CLetterAction action;
    const struct
    {
        const char *items, *selected, *itemsAfter, *selectedAfter;
    } cases[] = {
        {"avvb", "12", "abvv", "23"},  // two adjacent items down keep their order
        {"a^^b", "12", "^^ab", "01"},  // and up
        {"adbd", "13", "ab", ""},      // deleted
        {"anbc", "1", "abc", "1"},     // deleted, the next selected
        {"abn", "2", "ab", "1"},       // the last deleted: the new last selected
        {"axb", "1", "axb", ""},       // deselected
        {"aVb", "1", "abV", ""},       // moved unselected
        {"abv", "2", "abv", "2"},      // past the end: stays, nothing lost
        {"a^b", "", "a^b", ""},        // no selection: nothing
    };
    for (const auto& test : cases)
    {
        Set(test.items, test.selected);
        m_list.m_dependents.ApplyListAction(&action);
        EXPECT_STREQ(test.itemsAfter, Items()) << test.items << " selected " << test.selected;
        EXPECT_STREQ(test.selectedAfter, Selected()) << test.items << " selected " << test.selected;
    }
    EXPECT_FALSE(m_list.m_dependents.RunAction()) << "no action set";
    m_list.m_dependents.m_action = &action;
    Set("ad", "1");
    // The parent hands the double-click back to the list, which runs it.
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(1, LBN_DBLCLK), (LPARAM)m_list.m_hWnd);
    EXPECT_STREQ("a", Items());
}

namespace
{
    class OwnRecordsListTest : public ::testing::Test, public ListControlsFixture
    {
    protected:
        void SetUp() override
        {
            MakeParent();
            m_list.SetOwnRecords(TRUE);
            ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(5, 5, 200, 200), &m_parent, 1));
            for (const char* text : {"Apricot", "black", "", "Blue", "tan"})
                m_list.AddString(text);
        }
        void TearDown() override { DestroyParent(); }
        CMyListBox m_list;
    };
}

TEST_F(OwnRecordsListTest, TypedLettersFindTheNextItemWithoutWrapping)
{
    const struct
    {
        char typed;
        int current, item;
    } keys[] = {{'b', -1, 1}, {'B', 1, 3}, {'b', 3, -2}, {'a', 2, -2} /* only above */, {'T', 0, 4}, {'z', -1, -2}};
    for (const auto& key : keys)
    {
        LRESULT answer =
            m_parent.SendMessage(WM_CHARTOITEM, MAKEWPARAM(key.typed, (WORD)key.current), (LPARAM)m_list.m_hWnd);
        EXPECT_EQ(key.item, (int)answer) << key.typed << " after " << key.current;
    }
    EXPECT_EQ(-1, (int)m_parent.SendMessage(WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 0), (LPARAM)m_list.m_hWnd));
}

TEST_F(OwnRecordsListTest, DisabledListIsGreyOnTheButtonFace)
{
    m_list.EnableWindow(FALSE);
    CControlPixels pixels(m_list.m_hWnd);
    const COLORREF face = GetSystemColour(COLOR_BTNFACE);
    EXPECT_EQ(face, pixels.At(pixels.m_width - 3, 2)) << "behind an item";
    EXPECT_EQ(face, pixels.At(pixels.m_width / 2, pixels.m_height - 3)) << "below the items";
    EXPECT_GT(pixels.Count(GetSystemColour(COLOR_GRAYTEXT)), 10) << "grey text";
    EXPECT_EQ(0, pixels.Count(GetSystemColour(COLOR_WINDOWTEXT))) << "no black text";
    EXPECT_EQ(0, pixels.Count(GetSystemColour(COLOR_BTNHIGHLIGHT))) << "drawn flat, not embossed";
}

TEST_F(OwnRecordsListTest, ListTextExchangeTrimsAndFallsBack)
{
    const struct
    {
        const char* value;
        int fallback, selected;
    } loads[] = {{"  BLUE ", -1, 3}, {"grey", 0, 0}, {"grey", 5, -1}, {"", -1, -1}};
    for (const auto& load : loads)
    {
        m_list.SetCurSel(-1);
        CString value = load.value;
        CDataExchange loading(&m_parent, FALSE);
        DDX_MyListText(&loading, 1, value, load.fallback);
        EXPECT_EQ(load.selected, m_list.GetCurSel()) << load.value << load.fallback;
    }
    m_list.SetCurSel(3);
    CString saved;
    CDataExchange saving(&m_parent, TRUE);
    DDX_MyListText(&saving, 1, saved, -1);
    EXPECT_STREQ("Blue", saved);
}

namespace
{
    class CClickCountingParent : public CWnd
    {
    public:
        int m_clicks = 0;
        int m_doubleClicks = 0;

    protected:
        void OnButton(UINT) { m_clicks++; }
        void OnDoubleClick(UINT) { m_doubleClicks++; }
        DECLARE_MESSAGE_MAP()
    };

    // LBN_DBLCLK and CBN_DBLCLK are the same code.
    BEGIN_MESSAGE_MAP(CClickCountingParent, CWnd)
        ON_CONTROL_RANGE(BN_CLICKED, 20, 22, OnButton)
        ON_CONTROL_RANGE(LBN_DBLCLK, 1, 2, OnDoubleClick)
    END_MESSAGE_MAP()

    // A list box (id 1) and a combo box (id 2) of "a", "d", "b", each with
    // "d" selected, in a parent that counts the notifications it sees.
    class ListActionTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                          NULL, NULL));
            ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 150), &m_parent, 1));
            ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(110, 0, 200, 150), &m_parent, 2));
            for (const char* text : {"a", "d", "b"})
            {
                m_list.AddString(text);
                m_combo.AddString(text);
            }
            m_list.SetCurSel(1);
            m_combo.SetCurSel(1);
        }
        void TearDown() override { m_parent.DestroyWindow(); }

        CClickCountingParent m_parent;
        CMyListBox m_list;
        CMyComboBox m_combo;
        CLetterAction m_action;
    };
}

TEST_F(ListActionTest, ADoubleClickRunsTheListActionOrReachesTheParent)
{
    const struct
    {
        int id;
        CWnd* window;
        CSelectionDependents* dependents;
    } controls[] = {{1, &m_list, &m_list.m_dependents}, {2, &m_combo, &m_combo.m_dependents}};
    for (const auto& test : controls)
    {
        SCOPED_TRACE(test.id);
        const WPARAM doubleClick = MAKEWPARAM(test.id, LBN_DBLCLK);
        m_parent.m_doubleClicks = 0;
        m_parent.SendMessage(WM_COMMAND, doubleClick, (LPARAM)test.window->m_hWnd);
        EXPECT_EQ(1, m_parent.m_doubleClicks) << "without an action the parent sees the double-click";
        test.dependents->m_action = &m_action;
        m_parent.SendMessage(WM_COMMAND, doubleClick, (LPARAM)test.window->m_hWnd);
        EXPECT_EQ(1, m_parent.m_doubleClicks) << "the action ran and kept the double-click";
    }
    EXPECT_EQ(2, m_list.GetCount());
    EXPECT_EQ(2, m_combo.GetCount());
}

TEST_F(ListActionTest, ALinkedButtonRunsTheActionInsteadOfNotifyingTheParent)
{
    CMyButton toList, toCombo, unlinked;
    CMyButton* buttons[] = {&toList, &toCombo, &unlinked};
    for (int i = 0; i < 3; i++)
    {
        ASSERT_TRUE(buttons[i]->Create("Delete", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(210, 30 * i, 290, 30 * i + 25),
                                       &m_parent, 20 + i));
        buttons[i]->m_listAction = &m_action;
    }
    toList.m_linkedList = &m_list;
    toCombo.m_linkedCombo = &m_combo;

    unlinked.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_parent.m_clicks) << "no linked control: the parent gets the click";
    toList.SendMessage(BM_CLICK);
    toCombo.SendMessage(BM_CLICK);
    EXPECT_EQ(1, m_parent.m_clicks) << "a linked button keeps its click";
    EXPECT_EQ(2, m_list.GetCount());
    EXPECT_EQ(2, m_combo.GetCount());
}

TEST(ListTabStops, ColumnsLineUpClearOfTheWidestTextAndStayScrollable)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Tabs", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, NULL, NULL));
    CMyListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | LBS_USETABSTOPS, CRect(0, 0, 380, 150), &parent, 1));
    list.AddString("\tB");
    list.AddString("WWWWWWWWWW\tB");
    list.AddString("(tab\tinside)"); // one column: no stop of its own
    CListOrCombo(&list).SetTabStopsToFit();
    CControlPixels pixels(list.m_hWnd);
    const COLORREF ink = GetSystemColour(COLOR_WINDOWTEXT);
    CRect rows[2];
    for (int row = 0; row < 2; row++)
        list.GetItemRect(row, &rows[row]);
    const int stop = pixels.Bounds(ink, rows[0]).left; // where row 0's B begins
    CRect before(rows[1].left, rows[1].top, stop, rows[1].bottom);
    CRect after(stop, rows[1].top, rows[1].right, rows[1].bottom);
    EXPECT_GT(pixels.Count(ink, after), 0) << "row 1's B starts at the same stop";
    EXPECT_LT(pixels.Bounds(ink, before).right, stop - 2) << "the widest first column ends clear of the stop";
    EXPECT_EQ(stop, pixels.Bounds(ink, after).left);
    EXPECT_GT(list.GetHorizontalExtent(), pixels.Bounds(ink, after).right) << "every column can be scrolled to";
    parent.DestroyWindow();
}
