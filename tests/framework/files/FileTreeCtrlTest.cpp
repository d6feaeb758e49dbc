// The folder tree over a scratch folder: lists folders sorted without regard
// to case, fills branches when expanded, selects by path, renames safely,
// moves and copies folders dragged onto others by the mouse.
#include "framework/files/FileTreeCtrl.h"

#include "framework/files/DragCursor.h"
#include "framework/files/FileTreeCtrlIds.h"

#include "foundation/windows/OwnedHandle.h"
#include "support/ScratchFolder.h"
#include "support/TestCanvas.h"
#include "support/WindowScreenshot.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
// A tree with a shortcut menu: it records where and on which item the menu
// was asked for, and answers the updates of two of three commands.
class CMenuFileTree : public CFileTreeCtrl
{
public:
    std::vector<std::pair<HTREEITEM, CPoint>> m_menus;

protected:
    void ShowContextMenu(CPoint screenPoint) override { m_menus.push_back({GetSelectedItem(), screenPoint}); }
    afx_msg void OnUpdateChecked(CCmdUI* state)
    {
        state->Enable(TRUE);
        state->SetCheck(1);
    }
    afx_msg void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFileTree, CFileTreeCtrl)
ON_UPDATE_COMMAND_UI(501, OnUpdateChecked)
ON_COMMAND(502, OnHandled)
END_MESSAGE_MAP()

class FileTreeCtrlTest : public ::testing::Test
{
protected:
    FileTreeCtrlTest() : m_folder("file_tree")
    {
        for (const char* name : {"beta", "Alpha", "Gamma", "Gamma\\Inner", "Only files"})
            m_folder.MakeFolder(name);
        m_folder.WriteFile("Only files\\a.txt", "a");
        m_folder.WriteFile("top.txt", "t");
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "Folders", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 600), NULL, 0);
    }
    ~FileTreeCtrlTest() override
    {
        SetKeys(false);
        m_parent.DestroyWindow();
    }

    // Creates the tree and lets its first fill arrive.
    void Create(BOOL showFiles)
    {
        m_tree.SetShowFiles(showFiles);
        m_tree.SetInitialPath(m_folder.Path().c_str(), TRUE);
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_EDITLABELS, CRect(0, 0, 300, 600),
                                  &m_parent, 1));
        m_tree.m_extraFileOperationFlags = FOF_NOERRORUI | FOF_NOCONFIRMATION;
        Pump();
    }

    static void Pump() { PumpWaitingMessages(); }

    static void SetKeys(bool control)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
    }

    HTREEITEM Item(const char* relative) { return m_tree.SetSelectedPath((m_folder / relative).c_str(), FALSE); }

    CPoint Centre(HTREEITEM item)
    {
        CRect rect;
        m_tree.GetItemRect(item, &rect, TRUE);
        return rect.CenterPoint();
    }

    void Mouse(UINT message, CPoint point, bool post = false)
    {
        CPoint screen = point;
        m_tree.ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        if (post)
            m_tree.PostMessage(message, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        else
            m_tree.SendMessage(message, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }

    // Presses the button on the item and moves the mouse away, as a user
    // starts a drag; then the mouse moves onto the target.
    void StartDrag(HTREEITEM item, HTREEITEM target)
    {
        Mouse(WM_LBUTTONDOWN, Centre(item), true);
        Mouse(WM_MOUSEMOVE, Centre(target), true);
        Pump();
        Mouse(WM_MOUSEMOVE, Centre(target));
    }

    bool IsExpanded(HTREEITEM item)
    {
        return (m_tree.SendMessage(TVM_GETITEMSTATE, (WPARAM)item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }

    static bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::vector<CString> Children(HTREEITEM item)
    {
        std::vector<CString> names;
        for (HTREEITEM child = m_tree.GetChildItem(item); child != NULL; child = m_tree.GetNextSiblingItem(child))
            names.push_back(m_tree.GetItemText(child));
        return names;
    }

    CScratchFolder m_folder;
    CWnd m_parent;
    CMenuFileTree m_tree;
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

namespace
{
struct DropCase
{
    const char* dragged;
    const char* target;
    bool control;
    bool allowed;
    const char* droppedPath; // where the dragged folder is on disk afterwards (allowed drops)
};

class FileTreeDropTest : public FileTreeCtrlTest, public ::testing::WithParamInterface<DropCase>
{
};

const DropCase dropCases[] = {
    {"Alpha", "Gamma", false, true, "Gamma\\Alpha"},       // onto a folder never opened: listed with the others
    {"Alpha", "beta", true, true, "beta\\Alpha"},          // a copy into an empty folder
    {"Gamma\\Inner", "beta", false, true, "beta\\Inner"}, // its old folder is left empty
    {"Gamma", "Gamma\\Inner", false, false, NULL},         // onto its own sub-folder
    {"Gamma", "Gamma\\Inner", true, false, NULL},
    {"Gamma\\Inner", "Gamma", false, false, NULL},         // onto its own folder
    {"Alpha", "top.txt", false, false, NULL},                // onto a file
};
} // namespace

INSTANTIATE_TEST_SUITE_P(Drops, FileTreeDropTest, ::testing::ValuesIn(dropCases));

TEST_P(FileTreeDropTest, MovesOrCopiesOntoAFolderAndRefusesItsOwnBranch)
{
    const DropCase& c = GetParam();
    Create(TRUE);
    m_tree.m_bDragOption = TRUE;
    HTREEITEM dragged = Item(c.dragged);
    HTREEITEM target = Item(c.target);
    ASSERT_TRUE(dragged != NULL && target != NULL);
    HTREEITEM oldParent = m_tree.GetParentItem(dragged);
    const CString name = m_tree.GetItemText(dragged);
    SetKeys(c.control);

    StartDrag(dragged, target);
    ASSERT_TRUE(m_tree.IsDragging());
    EXPECT_EQ(m_tree.GetDropHilightItem(), target);
    const HCURSOR expected = c.allowed ? (c.control ? LoadDragCursor(IDC_TREE_DRAG_COPY) : ::LoadCursorA(NULL, IDC_ARROW))
                                       : LoadDragCursor(c.control ? IDC_TREE_DRAG_NO_COPY : IDC_TREE_DRAG_NO_MOVE);
    ASSERT_TRUE(expected != NULL);
    EXPECT_EQ(::GetCursor(), expected);
    Mouse(WM_LBUTTONUP, Centre(target));
    EXPECT_FALSE(m_tree.IsDragging());
    EXPECT_TRUE(m_tree.GetDropHilightItem() == NULL);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);

    EXPECT_EQ(Exists(m_folder / c.dragged), !c.allowed || c.control);
    if (!c.allowed)
    {
        EXPECT_EQ(m_tree.GetItemText(dragged), name); // the item is still there
        return;
    }
    ASSERT_TRUE(Exists(m_folder / c.droppedPath));
    // The target is selected and opened, listing what is in it on disk,
    // the dropped folder once.
    EXPECT_EQ(m_tree.GetSelectedItem(), target);
    std::vector<CString> children = Children(target), onDisk;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_folder / c.target + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        if (found.cFileName[0] != '.')
            onDisk.push_back(found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(children.begin(), children.end());
    std::sort(onDisk.begin(), onDisk.end());
    EXPECT_EQ(children, onDisk);
    EXPECT_EQ(std::count(children.begin(), children.end(), name), 1);
    EXPECT_TRUE(m_tree.ItemHasChildren(target));
    if (!c.control)
    {
        EXPECT_EQ(Children(oldParent).empty(), !m_tree.ItemHasChildren(oldParent));
    }
}

TEST_F(FileTreeCtrlTest, DragOffByDefaultHoverOpensAFolderEscapeOrLostMouseCancels)
{
    Create(FALSE);
    HTREEITEM alpha = Item("Alpha"), gamma = Item("Gamma"), beta = Item("beta");
    SetKeys(false);

    // With the option off a drag only selects what was grabbed.
    StartDrag(alpha, beta);
    EXPECT_FALSE(m_tree.IsDragging());
    EXPECT_EQ(m_tree.GetSelectedItem(), alpha);
    Mouse(WM_LBUTTONUP, Centre(beta));

    // Held over a closed folder, the folder opens after a few timer ticks.
    m_tree.m_bDragOption = TRUE;
    StartDrag(alpha, gamma);
    ASSERT_TRUE(m_tree.IsDragging());
    EXPECT_FALSE(IsExpanded(gamma));
    EXPECT_TRUE(PumpMessagesUntil([&] { return IsExpanded(gamma); }));
    EXPECT_EQ(Children(gamma), (std::vector<CString>{"Inner"}));
    m_tree.UpdateWindow();
    SaveWindowScreenshot(m_tree.m_hWnd, "folder_tree_drag");

    // Escape ends the drag and nothing moves.
    MSG key = {m_tree.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(m_tree.PreTranslateMessage(&key));
    EXPECT_FALSE(m_tree.IsDragging());
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_TRUE(Exists(m_folder / "Alpha"));
    EXPECT_FALSE(Exists(m_folder / "Gamma\\Alpha"));

    // So does another window taking the mouse.
    StartDrag(alpha, beta);
    ASSERT_TRUE(m_tree.IsDragging());
    m_parent.SetCapture();
    EXPECT_FALSE(m_tree.IsDragging());
    EXPECT_EQ(::GetCapture(), m_parent.m_hWnd);
    ::ReleaseCapture();
    EXPECT_TRUE(Exists(m_folder / "Alpha"));

    // Near the bottom edge of a short tree the drag scrolls it down and the
    // item coming into view becomes the drop target.
    m_tree.SetWindowPos(NULL, 0, 0, 300, 120, SWP_NOZORDER);
    m_tree.Select(m_tree.GetRootItem(), TVGN_FIRSTVISIBLE);
    HTREEITEM first = m_tree.GetFirstVisibleItem();
    HTREEITEM grabbed = m_tree.GetNextVisibleItem(first);
    CRect client;
    m_tree.GetClientRect(&client);
    Mouse(WM_LBUTTONDOWN, Centre(grabbed), true);
    Mouse(WM_MOUSEMOVE, CPoint(Centre(grabbed).x, client.bottom - 3), true);
    Pump();
    ASSERT_TRUE(m_tree.IsDragging());
    EXPECT_TRUE(PumpMessagesUntil([&] { return m_tree.GetFirstVisibleItem() != first; }));
    EXPECT_TRUE(m_tree.GetDropTarget() != NULL && m_tree.GetDropTarget() == m_tree.GetDropHilightItem());
    m_tree.EndDragging(TRUE);
}

// A right click shows the menu of the item under the mouse and gives the
// caret back; Shift+F10 asks at the middle of the caret item's text; a menu
// the tree shows is updated through the tree's command routing.
TEST_F(FileTreeCtrlTest, ShortcutMenuOfTheClickedItemWithStatesFromTheTree)
{
    Create(FALSE);
    HTREEITEM alpha = Item("Alpha"), beta = Item("beta");
    ASSERT_EQ(m_tree.GetSelectedItem(), beta);
    m_tree.SetFocus();
    CPoint click = Centre(alpha);
    for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP})
        Mouse(message, click, true);
    PumpMessagesUntil([&] { return !m_tree.m_menus.empty(); });
    ASSERT_EQ(m_tree.m_menus.size(), 1u);
    EXPECT_EQ(m_tree.m_menus[0].first, alpha);
    EXPECT_EQ(m_tree.GetSelectedItem(), beta);

    MSG key = {m_tree.m_hWnd, WM_KEYDOWN, VK_F10, 0};
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(m_tree.PreTranslateMessage(&key));
    SetKeys(false);
    ASSERT_EQ(m_tree.m_menus.size(), 2u);
    CPoint middle = Centre(beta);
    m_tree.ClientToScreen(&middle);
    EXPECT_EQ(m_tree.m_menus[1].second, middle);

    CMenu menu;
    menu.CreatePopupMenu();
    for (UINT id : {501u, 502u, 503u})
        menu.AppendMenu(MF_STRING, id, "item");
    m_tree.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_EQ(menu.GetMenuState(501, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), (UINT)MF_CHECKED);
    EXPECT_EQ(menu.GetMenuState(502, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.GetMenuState(503, MF_BYCOMMAND) & MF_GRAYED, (UINT)MF_GRAYED);
    // The system menu is not the tree's to update.
    menu.EnableMenuItem(502, MF_GRAYED);
    m_tree.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, MAKELPARAM(0, TRUE));
    EXPECT_EQ(menu.GetMenuState(502, MF_BYCOMMAND) & MF_GRAYED, (UINT)MF_GRAYED);
    menu.DestroyMenu();
}

// The three drag cursors point with their top left corner, drawn on white
// side by side for the screenshot.
TEST(FileTreeDragCursors, PointWithTheirTopLeftCorner)
{
    const UINT ids[] = {IDC_TREE_DRAG_COPY, IDC_TREE_DRAG_NO_COPY, IDC_TREE_DRAG_NO_MOVE};
    const int width = 40 * 3, height = 40;
    CTestCanvas canvas(width, height, CTestCanvas::Dib32);
    HDC dc = canvas.Dc();
    ::PatBlt(dc, 0, 0, width, height, WHITENESS);
    for (int i = 0; i < 3; ++i)
    {
        HCURSOR cursor = LoadDragCursor(ids[i]);
        ASSERT_TRUE(cursor != NULL) << ids[i];
        ICONINFO icon = {};
        ASSERT_TRUE(::GetIconInfo(cursor, &icon));
        COwnedGdiObject<HBITMAP> mask(icon.hbmMask), colour(icon.hbmColor);
        EXPECT_FALSE(icon.fIcon);
        EXPECT_EQ(CPoint(icon.xHotspot, icon.yHotspot), CPoint(0, 0));
        ::DrawIconEx(dc, 40 * i + 4, 4, cursor, 32, 32, 0, NULL, DI_NORMAL);
        EXPECT_EQ(::GetPixel(dc, 40 * i + 4, 4), RGB(0, 0, 0)); // the arrow's tip
    }
    SavePixelScreenshot("folder_tree_drag_cursors", width, height, canvas.Bits());
}
