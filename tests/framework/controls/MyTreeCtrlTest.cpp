#include "framework/app/SharedImageLists.h"
#include "framework/controls/MyStatic.h"
#include "framework/controls/MyTreeCtrl.h"

#include <gtest/gtest.h>

namespace
{
    int ItemImage(CMyTreeCtrl& tree, HTREEITEM handle, int* selectedImage)
    {
        TVITEMA item = {};
        item.hItem = handle;
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tree.SendMessage(TVM_GETITEMA, 0, (LPARAM)&item);
        *selectedImage = item.iSelectedImage;
        return item.iImage;
    }

    class CCountedStatic : public CMyStatic
    {
    public:
        explicit CCountedStatic(int& deleted) : m_deleted(deleted) {}
        ~CCountedStatic() override { m_deleted++; }
        int& m_deleted;
    };
}

TEST(MyTreeCtrl, ExpandingAndCollapsingFlipsTheFolderPicture)
{
    ASSERT_TRUE(GetSharedImageLists().Build(9351));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Tree", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL));
    for (int shared = 1; shared >= 0; shared--)
    {
        CMyTreeCtrl tree;
        tree.m_useSharedImages = shared;
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 180), &parent, 1));
        EXPECT_EQ(shared != 0, tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL) != 0);
        CTreeItemImages images = {{0, 0}, 4, 2};
        TVINSERTSTRUCTA insert = {};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = (LPSTR) "Folder";
        insert.item.lParam = (LPARAM)&images;
        insert.item.iImage = insert.item.iSelectedImage = 9;
        HTREEITEM folder = (HTREEITEM)tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&insert);
        insert.hParent = folder;
        insert.item.lParam = 0;
        tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&insert);

        // Opened and closed from the keyboard, as a user does.
        tree.SendMessage(TVM_SELECTITEM, TVGN_CARET, (LPARAM)folder);
        const struct
        {
            UINT key;
            int image;
        } steps[] = {{VK_ADD, 4}, {VK_SUBTRACT, 2}, {VK_ADD, 4}};
        for (const auto& step : steps)
        {
            tree.SendMessage(WM_KEYDOWN, step.key, 0);
            int selectedImage = -1;
            int expected = shared ? step.image : 9;
            EXPECT_EQ(expected, ItemImage(tree, folder, &selectedImage)) << shared << " " << step.key;
            EXPECT_EQ(expected, selectedImage);
        }
        tree.DestroyWindow();
    }
    parent.DestroyWindow();
    GetSharedImageLists().Release();
}

TEST(MyStatic, DeletesItselfWithItsWindowOnlyWhenAsked)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Static", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    int deleted = 0;
    CCountedStatic kept(deleted);
    ASSERT_TRUE(kept.Create("Kept", WS_CHILD, CRect(0, 0, 50, 20), &parent));
    CCountedStatic* owned = new CCountedStatic(deleted);
    owned->m_deleteWithWindow = 1;
    ASSERT_TRUE(owned->Create("Owned", WS_CHILD, CRect(0, 30, 50, 50), &parent));
    parent.DestroyWindow();
    EXPECT_EQ(1, deleted);
}
