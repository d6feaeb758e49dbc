#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
// An owner-drawn combo box whose items compare themselves (sorted list).
class CSortedCombo : public CComboBox
{
public:
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
    {
        ++m_nCompares;
        return (int)lpCompareItemStruct->itemData1 < (int)lpCompareItemStruct->itemData2 ? -1 : 1;
    }
    int m_nCompares = 0;
};

TEST(ComboBoxTest, ItemsAndOwnerComparison)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Combo", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    CComboBox plain;
    ASSERT_TRUE(plain.Create(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 100, 100), &parent, 1));
    EXPECT_EQ(0, plain.AddString("Sable"));
    EXPECT_EQ(1, plain.AddString("Merle"));
    EXPECT_EQ(0, plain.InsertString(0, "Black"));
    EXPECT_EQ(3, plain.GetCount());
    EXPECT_EQ(2, plain.FindStringExact(-1, "Merle"));
    EXPECT_EQ(1, plain.SelectString(-1, "Sab"));
    EXPECT_EQ(1, plain.GetCurSel());
    CString text;
    plain.GetLBText(2, text);
    EXPECT_STREQ("Merle", text);
    plain.SetItemData(2, 77);
    EXPECT_EQ(77u, plain.GetItemData(2));
    plain.DeleteString(0);
    EXPECT_EQ(2, plain.GetCount());

    // the items of an owner-drawn sorted combo box are compared by the control's object
    CSortedCombo sorted;
    ASSERT_TRUE(sorted.Create(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT, CRect(0, 0, 100, 100), &parent, 2));
    sorted.AddString((LPCTSTR)30);
    sorted.AddString((LPCTSTR)10);
    sorted.AddString((LPCTSTR)20);
    EXPECT_GT(sorted.m_nCompares, 0);
    EXPECT_EQ(10u, sorted.GetItemData(0));
    EXPECT_EQ(20u, sorted.GetItemData(1));
    EXPECT_EQ(30u, sorted.GetItemData(2));
    parent.DestroyWindow();
}
} // namespace
