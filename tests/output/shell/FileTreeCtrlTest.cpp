// The folder tree over a scratch folder: lists folders sorted without regard
// to case, fills branches when expanded, selects by path, renames safely.
#include "output/shell/FileTreeCtrl.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class FileTreeCtrlTest : public ::testing::Test
{
protected:
    FileTreeCtrlTest() : m_folder("file_tree")
    {
        for (const char* name : {"beta", "Alpha", "Gamma", "Gamma\\Inner", "Only files"})
            m_folder.MakeFolder(name);
        m_folder.WriteFile("Only files\\a.txt", "a");
        m_folder.WriteFile("top.txt", "t");
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "Folders", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 400), NULL, 0);
    }
    ~FileTreeCtrlTest() override { m_parent.DestroyWindow(); }

    // Creates the tree and lets its first fill arrive.
    void Create(BOOL showFiles)
    {
        m_tree.SetShowFiles(showFiles);
        m_tree.SetInitialPath(m_folder.Path().c_str(), TRUE);
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_EDITLABELS, CRect(0, 0, 300, 400),
                                  &m_parent, 1));
        MSG message;
        while (::PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&message);
    }

    std::vector<CString> Children(HTREEITEM item)
    {
        std::vector<CString> names;
        for (HTREEITEM child = m_tree.GetChildItem(item); child != NULL; child = m_tree.GetNextSiblingItem(child))
            names.push_back(m_tree.GetItemText(child));
        return names;
    }

    CScratchFolder m_folder;
    CWnd m_parent;
    CFileTreeCtrl m_tree;
};
} // namespace

TEST_F(FileTreeCtrlTest, SelectsTheInitialPathAndListsItsFolders)
{
    Create(FALSE);
    EXPECT_EQ(m_tree.GetSelectedPath().CompareNoCase(m_folder.Path().c_str()), 0);
    HTREEITEM selected = m_tree.GetSelectedItem();
    EXPECT_EQ(Children(selected), (std::vector<CString>{"Alpha", "beta", "Gamma", "Only files"}));

    // Only a folder with folders in it shows an expand button while files are hidden.
    TVITEMA item = {};
    item.mask = TVIF_CHILDREN;
    for (HTREEITEM child = m_tree.GetChildItem(selected); child != NULL; child = m_tree.GetNextSiblingItem(child))
    {
        item.hItem = child;
        m_tree.GetItem(&item);
        EXPECT_EQ(item.cChildren != 0, m_tree.GetItemText(child) == "Gamma") << (LPCTSTR)m_tree.GetItemText(child);
    }

    // A path in other letter case finds the folders; Backspace goes up; F5
    // selects the initial path again.
    std::string lower = m_folder / "gamma\\INNER";
    for (char& c : lower)
        c = (char)tolower((unsigned char)c);
    HTREEITEM inner = m_tree.SetSelectedPath(lower.c_str(), FALSE);
    ASSERT_TRUE(inner != NULL);
    EXPECT_EQ(m_tree.GetItemText(inner), CString("Inner"));
    MSG key = {m_tree.m_hWnd, WM_KEYDOWN, VK_BACK, 0};
    EXPECT_TRUE(m_tree.PreTranslateMessage(&key));
    EXPECT_EQ(m_tree.GetItemText(m_tree.GetSelectedItem()), CString("Gamma"));
    key.wParam = VK_F5;
    EXPECT_TRUE(m_tree.PreTranslateMessage(&key));
    EXPECT_EQ(m_tree.GetSelectedPath().CompareNoCase(m_folder.Path().c_str()), 0);

    // A missing folder selects the deepest one found.
    EXPECT_TRUE(m_tree.SetSelectedPath((m_folder / "Gamma\\Missing\\Deeper").c_str(), FALSE) == NULL);
    EXPECT_EQ(m_tree.GetItemText(m_tree.GetSelectedItem()), CString("Gamma"));
}

TEST_F(FileTreeCtrlTest, FilesShownAfterTheFoldersAndOptionsOffByDefault)
{
    Create(TRUE);
    HTREEITEM selected = m_tree.GetSelectedItem();
    EXPECT_EQ(Children(selected), (std::vector<CString>{"Alpha", "beta", "Gamma", "Only files", "top.txt"}));
    MSG key = {m_tree.m_hWnd, WM_KEYDOWN, VK_DELETE, 0};
    HTREEITEM top = m_tree.SetSelectedPath((m_folder / "top.txt").c_str(), FALSE);
    ASSERT_TRUE(top != NULL);
    EXPECT_TRUE(m_tree.PreTranslateMessage(&key));
    EXPECT_EQ(m_folder.ReadFile("top.txt"), "t");
    EXPECT_FALSE(m_tree.Rename(top));
}

TEST_F(FileTreeCtrlTest, RenameRefusesSeparatorsAndDots)
{
    Create(FALSE);
    HTREEITEM beta = m_tree.SetSelectedPath((m_folder / "beta").c_str(), FALSE);
    ASSERT_TRUE(beta != NULL);
    for (const char* bad : {"..", ".", "x\\y", "a/b", "c:d", ""})
        EXPECT_FALSE(m_tree.RenameItem(beta, bad)) << bad;
    ASSERT_TRUE(m_tree.RenameItem(beta, "Delta"));
    EXPECT_EQ(m_tree.GetItemText(beta), CString("Delta"));
    EXPECT_NE(::GetFileAttributesA((m_folder / "Delta").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetFileAttributesA((m_folder / "beta").c_str()), INVALID_FILE_ATTRIBUTES);
}
