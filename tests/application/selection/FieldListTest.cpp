// The field list on a real hidden dialog: the windows it creates, where the
// layout puts them, their exchange and which changes it reports.
#include "application/selection/CheckField.h"
#include "application/selection/ChoiceField.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "application/selection/TextField.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A plain dialog on the form's template whose exchange is the list's and
// which records the fields that commands report as changed.
class CHostDialog : public CDialog
{
public:
    CFieldList* m_list = NULL;
    std::vector<int> m_reported;

protected:
    void DoDataExchange(CDataExchange* pDX) override { m_list->DoDataExchange(pDX); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (CField* field = m_list->FindChangedField(WM_COMMAND, wParam, lParam))
            m_reported.push_back(m_list->FindField(field));
        return CDialog::OnCommand(wParam, lParam);
    }
};

class FieldListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.m_list = &list;
        list.m_pHost = &host;
        ASSERT_TRUE(host.Create(IDD_FIELD_FORM));
    }
    void TearDown() override
    {
        list.DestroyControls();
        host.DestroyWindow();
    }
    void Build()
    {
        ASSERT_TRUE(list.CreateControls());
        list.Layout();
    }
    CRect Rect(HWND window) const
    {
        CRect rect;
        ::GetWindowRect(window, &rect);
        ::MapWindowPoints(NULL, host.m_hWnd, (POINT*)&rect, 2);
        return rect;
    }
    CRect FieldRect(int index) const { return list.GetField(index)->GetBoundingRect(); }
    HWND Window(int field, int n) const { return list.GetField(field)->m_windows[n]; }
    // The field's last window: the edit or combo of a labelled field.
    HWND Control(int field) const
    {
        const CTemplateWndArray& windows = list.GetField(field)->m_windows;
        return windows[windows.GetSize() - 1];
    }
    static CStringArray& Items(std::initializer_list<const char*> texts)
    {
        static CStringArray items[4];
        static int next = 0;
        CStringArray& array = items[next++ % 4];
        array.RemoveAll();
        for (const char* text : texts)
            array.Add(text);
        return array;
    }

    CTestApp app{"Kestrova Field List Tests"};
    CHostDialog host;
    CFieldList list;
};

TEST_F(FieldListTest, OneColumnSharesLabelAndControlColumnsAndTheButtonsCloseTheForm)
{
    list.AddTextField("Name:", "the name", 0, NULL, "Rex", 10, 0, 0);
    list.AddTextField("A much longer label:", NULL, 0, NULL, NULL, 20, 0, 0);
    list.AddChoiceField("Colour:", NULL, FS_DROP_LIST, NULL, Items({"Black", "Liver"}), NULL, 1, 0, NULL, 5, NULL);
    list.AddTextField("Next:", NULL, FS_NEW_COLUMN, NULL, NULL, 8, 0, 0);
    list.AddTextField("Below:", NULL, 0, NULL, NULL, 4, 0, 0);
    Build();
    const int ux = list.m_nUnitX, uy = list.m_nUnitY;
    EXPECT_EQ(Rect(Window(0, 0)).TopLeft(), CPoint(ux, uy)); // the first label
    for (int i = 1; i < 3; i++)
    {
        EXPECT_EQ(Rect(Control(i)).left, Rect(Control(0)).left) << i;
        EXPECT_EQ(Rect(Control(i)).right, Rect(Control(0)).right) << i;
        EXPECT_GE(FieldRect(i).top, FieldRect(i - 1).bottom + uy) << i;
    }
    EXPECT_GT(Rect(Control(0)).left, Rect(Window(1, 0)).right); // past the longest label
    // The new column starts right of the first and aligns its own run.
    EXPECT_EQ(FieldRect(3).top, uy);
    EXPECT_GE(FieldRect(3).left, FieldRect(1).right + ux);
    EXPECT_EQ(Rect(Control(4)).left, Rect(Control(3)).left);
    EXPECT_NE(Rect(Control(4)).left - Rect(Window(4, 0)).left, Rect(Control(0)).left - Rect(Window(0, 0)).left);

    const CRect ok = Rect(list.m_okButton), cancel = Rect(list.m_cancelButton);
    EXPECT_EQ(cancel.right, list.m_nFormWidth - ux);
    EXPECT_EQ(ok.right + ux, cancel.left);
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_EQ(cancel.bottom, list.m_nFormHeight - uy);
    for (int i = 0; i < list.GetFieldCount(); i++)
        EXPECT_GE(ok.top, FieldRect(i).bottom + uy) << i;
    EXPECT_EQ(::GetFocus(), Control(0));
}

TEST_F(FieldListTest, WithoutAlignmentEachFieldKeepsItsLabelWidth)
{
    list.AddTextField("N:", NULL, FS_NO_ALIGN, NULL, NULL, 10, 0, 0);
    list.AddTextField("A longer label:", NULL, 0, NULL, NULL, 10, 0, 0);
    Build();
    EXPECT_LT(Rect(Control(0)).left, Rect(Control(1)).left);
}

TEST_F(FieldListTest, GroupBoxesFrameTheirRunsAndARadioGroupKeepsItsPlace)
{
    // A group ends at the field that closes it, or before the next group.
    list.AddTextField("First:", NULL, FS_GROUP_START, "Coat", NULL, 10, 0, 0);
    list.AddCheckField(NULL, NULL, FS_RADIO | FS_OPTIONAL, NULL, 2, "Solid", "Bicolour", "Tricolour");
    list.AddTextField("Last of the group:", NULL, FS_GROUP_END, NULL, NULL, 10, 0, 0);
    list.AddTextField("Outside:", NULL, 0, NULL, NULL, 10, 0, 0);
    list.AddCheckField("Carrier", NULL, FS_GROUP_START, "Eyes", 1, NULL, NULL, NULL);
    list.AddTextField("Second group:", NULL, FS_DISABLED, NULL, NULL, 10, 0, 0);
    Build();
    ASSERT_EQ(list.m_ownWindows.GetSize(), 2);
    const CRect coat = Rect(list.m_ownWindows[0]), eyes = Rect(list.m_ownWindows[1]);
    const struct
    {
        int field;
        const CRect* box;
    } members[] = {{0, &coat}, {1, &coat}, {2, &coat}, {4, &eyes}, {5, &eyes}};
    for (const auto& m : members)
    {
        CRect both;
        const CRect member = FieldRect(m.field);
        both.UnionRect(m.box, &member);
        EXPECT_EQ(both, *m.box) << m.field;
    }
    EXPECT_GE(FieldRect(3).top, coat.bottom);
    EXPECT_LE(FieldRect(3).bottom, eyes.top);
    char caption[32];
    ::GetWindowTextA(list.m_ownWindows[1], caption, sizeof caption);
    EXPECT_STREQ(caption, "Eyes");
    // Three radio buttons stacked at the box's left inset, not at the aligned edit column.
    ASSERT_EQ(list.GetField(1)->m_windows.GetSize(), 3);
    EXPECT_EQ(Rect(Window(1, 0)).left, Rect(Window(0, 0)).left);
    EXPECT_LT(Rect(Window(1, 0)).left, Rect(Control(0)).left);
    EXPECT_EQ(Rect(Window(1, 2)).top, Rect(Window(1, 1)).bottom);
    EXPECT_EQ(list.GetFieldCheck(1), 2);
    list.SetFieldCheck(1, 0);
    EXPECT_EQ(list.GetFieldCheck(1), 0);
    EXPECT_FALSE(::IsWindowEnabled(Control(5)));
    EXPECT_TRUE(::IsWindowEnabled(Control(4)));
}

TEST_F(FieldListTest, StretchingAndSeparators)
{
    list.AddTextField("Wide:", NULL, 0, NULL, NULL, 60, 0, 0);
    list.AddTextField("Stretched:", NULL, FS_NEW_ROW | FS_STRETCH, NULL, NULL, 4, 0, 0);
    list.AddTextField("Row:", NULL, FS_NEW_ROW | FS_ALIGN, NULL, NULL, 4, 0, 0);
    list.AddTextField("Beside:", NULL, FS_NEW_COLUMN | FS_ALIGN, NULL, NULL, 4, 0, 0);
    Build();
    const int ux = list.m_nUnitX, uy = list.m_nUnitY;
    EXPECT_EQ(FieldRect(1).right, FieldRect(0).right);
    ASSERT_EQ(list.m_horizontalSeparators.size(), 1u);
    ASSERT_EQ(list.m_verticalSeparators.size(), 1u);
    const CFieldSeparator row = list.m_horizontalSeparators[0], column = list.m_verticalSeparators[0];
    EXPECT_EQ(row.start.x, ux);
    EXPECT_EQ(row.start.x + row.length, list.m_nFormWidth - 2 * ux); // the extent's right margin
    EXPECT_GT(row.start.y, FieldRect(1).bottom);
    EXPECT_LT(row.start.y, FieldRect(2).top);
    EXPECT_EQ(column.start.y, uy);
    EXPECT_GT(column.start.x, FieldRect(2).right);
    EXPECT_LT(column.start.x, FieldRect(3).left);
    EXPECT_EQ(FieldRect(3).top, FieldRect(2).top);

    // Each separator is etched: the shadow colour along it, the highlight
    // colour one pixel to its right or below it.
    host.ShowWindow(SW_SHOWNA);
    host.UpdateWindow();
    list.OnPaint();
    HDC dc = ::GetDC(host.m_hWnd);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(::GetPixel(dc, column.start.x, column.start.y + 1), shadow);
    EXPECT_EQ(::GetPixel(dc, column.start.x + 1, column.start.y + 1), light);
    EXPECT_EQ(::GetPixel(dc, row.start.x + 1, row.start.y), shadow);
    EXPECT_EQ(::GetPixel(dc, row.start.x + 1, row.start.y + 1), light);
    ::ReleaseDC(host.m_hWnd, dc);
}

TEST_F(FieldListTest, ANarrowFormHasRoomForBothButtons)
{
    list.AddCheckField("x", NULL, 0, NULL, 0, NULL, NULL, NULL);
    Build();
    EXPECT_GE(list.m_nFormWidth, 2 * list.m_nButtonWidth + 3 * list.m_nUnitX);
    EXPECT_GE(Rect(list.m_okButton).left, list.m_nUnitX);
}

TEST_F(FieldListTest, ExchangeChecksLengthsAndLines)
{
    const struct
    {
        int kind; // 0 text, 1 multi-line
        FieldStyle style;
        int maxLength, maxLines;
        const char* text;
        const char* message; // null: accepted
    } cases[] = {
        {0, 0, 0, 0, "  ", "Please enter between 1 and 32767 characters."},
        {0, FS_OPTIONAL, 0, 0, "", NULL},
        {0, 0, 3, 0, "abcd", "Please enter between 1 and 3 characters."},
        {0, 0, 0, 0, "a long text of more than thirty characters", NULL},
        {1, FS_OPTIONAL, 10, 0, "a", "At most 0 line(s) may be given here"},
        {1, FS_OPTIONAL, 10, -1, "a\r\nb\r\nc", NULL},
        {1, 0, 2, 5, "ab\r\nabc", "Each line here may contain at most 2 character(s)"},
    };
    for (const auto& c : cases)
    {
        list.DestroyControls();
        list.m_fields.DeleteAll();
        if (c.kind == 0)
            list.AddTextField("Text:", NULL, c.style, NULL, NULL, 10, 0, c.maxLength);
        else
            list.AddMultiLineField("Lines:", NULL, c.style, NULL, NULL, 10, 3, c.maxLength, c.maxLines);
        Build();
        ::SetWindowTextA(Control(0), c.text);
        CMessageBoxAnswerer answerer(IDOK);
        EXPECT_EQ(host.UpdateData(TRUE) != FALSE, c.message == NULL) << c.text;
        const std::string shown = answerer.Texts().empty() ? "" : answerer.Texts().front();
        EXPECT_EQ(shown.substr(0, c.message != NULL ? strlen(c.message) : 0), c.message != NULL ? c.message : "")
            << c.text;
        EXPECT_EQ(shown.empty(), c.message == NULL) << c.text;
    }
    EXPECT_EQ(((CTextField*)list.GetField(0))->m_value, "ab\r\nabc");
}

TEST_F(FieldListTest, ChoiceWithOtherValueIsADropListWhoseEditFollowsTheLastItem)
{
    list.AddChoiceField("Colour:", NULL, FS_CHOICE_RADIO | FS_SORTED, NULL, Items({"Liver", "Black", "Other"}),
                        &Items({"l", "B", "?"}), 0, 0, &Items({"l1", "b1", ""}), 6, "other help");
    Build();
    CChoiceField* field = (CChoiceField*)list.GetField(0);
    ASSERT_TRUE(field->IsDropList());
    ASSERT_FALSE(field->IsRadio());
    HWND edit = Control(0);
    EXPECT_EQ(list.GetHelpText(edit), "other help");
    const struct
    {
        const char* selected;
        const char* shown; // the item
        const char* editText;
        bool editEnabled;
        const char* value;
    } cases[] = {
        {"B", "Black", "b1", false, "B"},
        {"xyz", "Other", "xyz", true, "xyz"},
        {"L", "Liver", "l1", false, "l"},
    };
    for (const auto& c : cases)
    {
        list.SelectFieldText(0, c.selected);
        CString shown, editText;
        field->m_combo.GetWindowText(shown);
        CWnd::FromHandle(edit)->GetWindowText(editText);
        EXPECT_EQ(shown, c.shown) << c.selected;
        EXPECT_EQ(editText, c.editText) << c.selected;
        EXPECT_EQ(::IsWindowEnabled(edit) != FALSE, c.editEnabled) << c.selected;
        EXPECT_EQ(list.GetFieldText(0), c.value) << c.selected;
    }
    EXPECT_TRUE(host.m_reported.empty()); // the program's own changes
    list.SelectFieldText(0, "xyz");
    ::SetWindowTextA(edit, "typed"); // as the user types
    EXPECT_EQ(host.m_reported, std::vector<int>{0});
    ASSERT_TRUE(host.UpdateData(TRUE));
    EXPECT_EQ(field->m_text, "typed");
    EXPECT_EQ(field->m_nSelected, 2);
}

TEST_F(FieldListTest, AnEmptyListCreatesNothingAndButtonsHaveTheirIds)
{
    EXPECT_FALSE(list.CreateControls());
    list.AddTextField("Fine:", NULL, 0, NULL, NULL, 10, 0, 0);
    list.AddButtonField("Press", NULL, FS_NEW_ROW, NULL);
    Build();
    EXPECT_EQ(list.GetFieldControlId(1), (UINT)::GetDlgCtrlID(Control(1)));
    EXPECT_EQ(::GetDlgItem(host.m_hWnd, IDC_FIELD_LABEL), (HWND)NULL); // the prototypes are gone
    EXPECT_NE(::GetDlgItem(host.m_hWnd, IDOK), (HWND)NULL);
}
} // namespace
