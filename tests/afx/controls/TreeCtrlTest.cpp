#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
TEST(TreeCtrlTest, ItemsAreInsertedWalkedAndChanged)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Tree", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200), &parent, 7));
    HTREEITEM hRoot = tree.InsertItem("Folders");
    HTREEITEM hFirst = tree.InsertItem("Breeds", hRoot);
    HTREEITEM hSecond = tree.InsertItem("Colours", 1, 2, hRoot);
    EXPECT_EQ(3u, tree.GetCount());
    EXPECT_EQ(hRoot, tree.GetRootItem());
    EXPECT_EQ(hFirst, tree.GetChildItem(hRoot));
    EXPECT_EQ(hSecond, tree.GetNextSiblingItem(hFirst));
    EXPECT_EQ(hRoot, tree.GetParentItem(hSecond));
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));

    EXPECT_TRUE(tree.SetItemText(hFirst, "Dog breeds"));
    EXPECT_STREQ("Dog breeds", tree.GetItemText(hFirst));
    CString longText('x', 700); // longer than the first buffer
    tree.SetItemText(hSecond, longText);
    EXPECT_EQ(700, tree.GetItemText(hSecond).GetLength());
    EXPECT_TRUE(tree.SetItemData(hSecond, 42));
    EXPECT_EQ(42u, tree.GetItemData(hSecond));

    EXPECT_TRUE(tree.SelectItem(hFirst));
    EXPECT_EQ(hFirst, tree.GetSelectedItem());
    EXPECT_TRUE(tree.DeleteItem(hFirst));
    EXPECT_EQ(hSecond, tree.GetChildItem(hRoot));
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
    parent.DestroyWindow();
    EXPECT_EQ(NULL, tree.m_hWnd);
}
} // namespace
