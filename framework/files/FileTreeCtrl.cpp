#include "framework/files/FileTreeCtrl.h"

#include "foundation/files/FileOperations.h"
#include "foundation/files/PathText.h"
#include "foundation/windows/OwnedHandle.h"
#include "framework/messages/PrivateMessages.h"
#include "framework/files/DragCursor.h"
#include "framework/files/FileTreeCtrlIds.h"

#include <algorithm>
#include <mbstring.h>
#include <shellapi.h>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CFileTreeCtrl, CMyTreeCtrl)

BEGIN_MESSAGE_MAP(CFileTreeCtrl, CMyTreeCtrl)
ON_MESSAGE(WM_FILE_TREE_FIRST_FILL, OnFirstFill)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGA, OnItemExpanding)
ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITA, OnBeginLabelEdit)
ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, OnEndLabelEdit)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
ON_WM_CONTEXTMENU()
ON_WM_INITMENUPOPUP()
ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, OnBeginDrag)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

namespace
{
// Drive probing and listing never show the platform's "no disk" boxes.
class CQuietErrors
{
public:
    CQuietErrors() : m_old(::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~CQuietErrors() { ::SetErrorMode(m_old); }

private:
    UINT m_old;
};

bool IsDots(const char* name)
{
    return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0;
}

// Texts sorted without regard to case, as multibyte texts compare.
void SortNames(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return _mbsicmp((const unsigned char*)a.c_str(), (const unsigned char*)b.c_str()) < 0;
    });
}

// A list of one path for the shell's file operations: two zeros at its end.
std::string DoubleNull(const CString& path)
{
    return std::string((LPCTSTR)path) + std::string(2, '\0');
}

// The main window of the program, which owns the shell's boxes; none in tests.
HWND MainWindow()
{
    CWnd* main = AfxGetMainWnd();
    return main != NULL ? main->m_hWnd : NULL;
}

// Runs one shell file operation on one path (to another, unless it deletes);
// TRUE when it succeeded and the user did not abort it.
BOOL RunFileOperation(HWND owner, UINT function, const CString& from, const CString* to, FILEOP_FLAGS flags)
{
    const std::string fromList = DoubleNull(from), toList = to != NULL ? DoubleNull(*to) : std::string();
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = function;
    operation.pFrom = fromList.c_str();
    operation.pTo = to != NULL ? toList.c_str() : NULL;
    operation.fFlags = flags;
    return ::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool KeyIsDown(int key)
{
    return ::GetKeyState(key) < 0;
}

const UINT DragTimerId = 1;
const UINT DragTimerPeriod = 300; // milliseconds
const int HoverTicksToExpand = 3;
} // namespace

CFileTreeCtrl::CFileTreeCtrl()
    : m_bRenameOption(FALSE), m_bOpenOption(FALSE), m_bPropertiesOption(FALSE), m_bDeleteOption(FALSE),
      m_bDragOption(FALSE), m_extraFileOperationFlags(0), m_bShowFiles(TRUE), m_bInitialExpand(FALSE),
      m_hDraggedItem(NULL), m_hDropTarget(NULL), m_nDragTimer(0), m_nHoverCount(0)
{
    m_hCopyCursor = LoadDragCursor(IDC_TREE_DRAG_COPY);
    m_hNoCopyCursor = LoadDragCursor(IDC_TREE_DRAG_NO_COPY);
    m_hMoveCursor = ::LoadCursorA(NULL, IDC_ARROW);
    m_hNoMoveCursor = LoadDragCursor(IDC_TREE_DRAG_NO_MOVE);
}

CFileTreeCtrl::~CFileTreeCtrl()
{
    if (IsDragging())
    {
        // Destroyed in the middle of a drag: the dragged image leaves the screen.
        ImageList_DragLeave(NULL);
        ImageList_EndDrag();
    }
}

void CFileTreeCtrl::SetShowFiles(BOOL show)
{
    m_bShowFiles = show;
    if (m_hWnd != NULL)
        Refresh();
}

void CFileTreeCtrl::SetInitialPath(LPCTSTR path, BOOL expand)
{
    m_initialPath = path;
    m_bInitialExpand = expand;
}

void CFileTreeCtrl::PreSubclassWindow()
{
    CMyTreeCtrl::PreSubclassWindow();
    PostMessage(WM_FILE_TREE_FIRST_FILL);
}

LRESULT CFileTreeCtrl::OnFirstFill(WPARAM, LPARAM)
{
    SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)m_systemImages.GetHandle());
    Refresh();
    return 0;
}

void CFileTreeCtrl::Refresh()
{
    SetRedraw(FALSE);
    if (!m_rootFolder.IsEmpty())
        DisplayPath(m_rootFolder, TVI_ROOT);
    else
        DisplayDrives(TVI_ROOT);
    if (!m_initialPath.IsEmpty())
        SetSelectedPath(m_initialPath, m_bInitialExpand);
    SetRedraw(TRUE);
}

void CFileTreeCtrl::DisplayDrives(HTREEITEM parent)
{
    CQuietErrors quiet;
    HCURSOR old = ::SetCursor(::LoadCursorA(NULL, IDC_WAIT));
    DeleteItem(TVI_ROOT);
    DWORD drives = ::GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit)
        if (drives & (1u << bit))
        {
            char root[4];
            MakeDriveRoot(root, (char)('A' + bit));
            InsertFileItem(parent, root, root);
        }
    ::SetCursor(old);
}

void CFileTreeCtrl::DisplayPath(LPCTSTR folder, HTREEITEM parent)
{
    CQuietErrors quiet;
    HCURSOR old = ::SetCursor(::LoadCursorA(NULL, IDC_WAIT));
    if (parent == TVI_ROOT)
        DeleteItem(TVI_ROOT);
    else
        for (HTREEITEM child = GetChildItem(parent); child != NULL; child = GetChildItem(parent))
            DeleteItem(child);
    std::vector<std::string> folders, files;
    WIN32_FIND_DATAA found;
    CFindHandle search(::FindFirstFileA(JoinPath(folder, "*.*"), &found));
    if (search)
    {
        do
        {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                if (!IsDots(found.cFileName))
                    folders.push_back(found.cFileName);
            }
            else if (m_bShowFiles && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))
                files.push_back(found.cFileName);
        } while (::FindNextFileA(search, &found));
    }
    SortNames(folders);
    SortNames(files);
    for (const std::string& name : folders)
        InsertFileItem(parent, JoinPath(folder, name.c_str()), name.c_str());
    for (const std::string& name : files)
        InsertFileItem(parent, JoinPath(folder, name.c_str()), name.c_str());
    ::SetCursor(old);
}

HTREEITEM CFileTreeCtrl::InsertFileItem(HTREEITEM parent, LPCTSTR path, LPCTSTR text)
{
    SHFILEINFOA icon = {}, open = {};
    if (!::SHGetFileInfoA(path, 0, &icon, sizeof(icon), SHGFI_SYSICONINDEX | SHGFI_SMALLICON) ||
        !::SHGetFileInfoA(path, 0, &open, sizeof(open), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON))
        return NULL;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    insert.item.pszText = (LPSTR)text;
    insert.item.iImage = icon.iIcon;
    insert.item.iSelectedImage = open.iIcon;
    insert.item.cChildren = HasSubItems(path);
    return InsertItem(&insert);
}

BOOL CFileTreeCtrl::HasSubItems(LPCTSTR path) const
{
    CQuietErrors quiet;
    WIN32_FIND_DATAA found;
    CFindHandle search(::FindFirstFileA(JoinPath(path, "*.*"), &found));
    if (!search)
        return FALSE;
    BOOL any = FALSE;
    do
    {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            any = !IsDots(found.cFileName);
        else
            any = m_bShowFiles && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    } while (!any && ::FindNextFileA(search, &found));
    return any;
}

void CFileTreeCtrl::OnItemExpanding(NMHDR* header, LRESULT* result)
{
    NMTREEVIEWA* view = (NMTREEVIEWA*)header;
    HTREEITEM item = view->itemNew.hItem;
    if ((view->action & TVE_EXPAND) && item != NULL && GetChildItem(item) == NULL)
    {
        SetRedraw(FALSE);
        DisplayPath(GetItemPath(item), item);
        SetRedraw(TRUE);
    }
    *result = 0;
}

CString CFileTreeCtrl::GetSelectedPath() const
{
    return GetItemPath(GetSelectedItem());
}

CString CFileTreeCtrl::GetItemPath(HTREEITEM item) const
{
    if (item == NULL)
        return CString();
    CString path = GetItemText(item);
    for (HTREEITEM parent = GetParentItem(item); parent != NULL; parent = GetParentItem(parent))
        path = JoinPath(GetItemText(parent), path);
    if (!m_rootFolder.IsEmpty())
        path = JoinPath(m_rootFolder, path);
    return path;
}

HTREEITEM CFileTreeCtrl::FindChild(HTREEITEM parent, LPCTSTR text) const
{
    for (HTREEITEM child = GetChildItem(parent); child != NULL; child = GetNextSiblingItem(child))
        if (GetItemText(child).CompareNoCase(text) == 0)
            return child;
    return NULL;
}

HTREEITEM CFileTreeCtrl::SetSelectedPath(LPCTSTR path, BOOL expand)
{
    CString rest = NormalizePath(path);
    if (!m_rootFolder.IsEmpty())
    {
        if (rest.Find(m_rootFolder) != 0)
            return NULL;
        rest = RemovePathPrefix(rest, m_rootFolder);
    }
    if (rest.IsEmpty())
        return NULL;
    SetRedraw(FALSE);
    HTREEITEM current = TVI_ROOT;
    bool first = true;
    for (int slash = rest.Find('\\'); slash >= 0; slash = rest.Find('\\'))
    {
        CString part = rest.Left(slash);
        if (first && m_rootFolder.IsEmpty())
            part += "\\";
        first = false;
        HTREEITEM child = FindChild(current, part);
        if (child == NULL)
        {
            if (current != TVI_ROOT)
                SelectItem(current);
            SetRedraw(TRUE);
            return NULL;
        }
        Expand(child, TVE_EXPAND);
        current = child;
        rest = rest.Mid(slash + 1);
    }
    if (!rest.IsEmpty())
        current = FindChild(current, first && m_rootFolder.IsEmpty() ? rest + "\\" : rest);
    if (current != NULL && current != TVI_ROOT)
    {
        SelectItem(current);
        if (expand)
            Expand(current, TVE_EXPAND);
    }
    SetRedraw(TRUE);
    return current == TVI_ROOT ? NULL : current;
}

void CFileTreeCtrl::SelectParent()
{
    HTREEITEM caret = GetSelectedItem();
    HTREEITEM parent = caret != NULL ? GetParentItem(caret) : NULL;
    if (parent != NULL)
        SelectItem(parent);
}

BOOL CFileTreeCtrl::Rename(HTREEITEM item)
{
    if (!m_bRenameOption || item == NULL || IsDriveRoot(GetItemPath(item)))
        return FALSE;
    return EditLabel(item) != NULL;
}

BOOL CFileTreeCtrl::RenameItem(HTREEITEM item, LPCTSTR newName)
{
    if (item == NULL || newName == NULL || *newName == '\0' || lstrcmpA(newName, "..") == 0 ||
        lstrcmpA(newName, ".") == 0 || _mbspbrk((const unsigned char*)newName, (const unsigned char*)"\\/:") != NULL)
        return FALSE;
    const CString from = GetItemPath(item);
    HTREEITEM parent = GetParentItem(item);
    const CString to = JoinPath(parent != NULL ? GetItemPath(parent) : m_rootFolder, newName);
    if (!RunFileOperation(MainWindow(), FO_RENAME, from, &to, FOF_ALLOWUNDO | m_extraFileOperationFlags))
        return FALSE;
    SetItemText(item, newName);
    SHFILEINFOA icon = {}, open = {};
    ::SHGetFileInfoA(to, 0, &icon, sizeof(icon), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    ::SHGetFileInfoA(to, 0, &open, sizeof(open), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
    TVITEMA images = {};
    images.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    images.hItem = item;
    images.iImage = icon.iIcon;
    images.iSelectedImage = open.iIcon;
    SetItem(&images);
    return TRUE;
}

BOOL CFileTreeCtrl::Delete(HTREEITEM item)
{
    if (!m_bDeleteOption || item == NULL || IsDriveRoot(GetItemPath(item)))
        return FALSE;
    const FILEOP_FLAGS flags = KeyIsDown(VK_SHIFT) ? 0 : FOF_ALLOWUNDO;
    if (!RunFileOperation(MainWindow(), FO_DELETE, GetItemPath(item), NULL, flags | m_extraFileOperationFlags))
        return FALSE;
    DeleteItem(item);
    return TRUE;
}

BOOL CFileTreeCtrl::ShellExecuteItem(HTREEITEM item, LPCTSTR verb)
{
    if (item == NULL)
        return FALSE;
    const CString path = GetItemPath(item);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = MainWindow();
    info.lpVerb = verb;
    info.lpFile = path;
    info.nShow = SW_SHOW;
    return ::ShellExecuteExA(&info);
}

BOOL CFileTreeCtrl::Open(HTREEITEM item)
{
    return m_bOpenOption && ShellExecuteItem(item, NULL);
}

BOOL CFileTreeCtrl::ShowProperties(HTREEITEM item)
{
    return m_bPropertiesOption && ShellExecuteItem(item, "properties");
}

void CFileTreeCtrl::OnBeginLabelEdit(NMHDR* header, LRESULT* result)
{
    *result = ((NMTVDISPINFOA*)header)->item.hItem == NULL;
}

void CFileTreeCtrl::OnEndLabelEdit(NMHDR* header, LRESULT* result)
{
    const TVITEMA& item = ((NMTVDISPINFOA*)header)->item;
    *result = item.pszText != NULL && RenameItem(item.hItem, item.pszText);
}

void CFileTreeCtrl::OnDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    DWORD position = ::GetMessagePos();
    CPoint point((short)LOWORD(position), (short)HIWORD(position));
    ScreenToClient(&point);
    HTREEITEM item = HitTest(point);
    if (item != NULL && item == GetSelectedItem() && m_bOpenOption && !ItemHasChildren(item))
        Open(item);
}

void CFileTreeCtrl::ShowContextMenu(CPoint)
{
}

void CFileTreeCtrl::OnRightClick(NMHDR*, LRESULT* result)
{
    // The item under the mouse is the caret item while its menu is shown.
    *result = 1;
    DWORD position = ::GetMessagePos();
    CPoint screenPoint((short)LOWORD(position), (short)HIWORD(position));
    CPoint point = screenPoint;
    ScreenToClient(&point);
    HTREEITEM previous = GetSelectedItem();
    HTREEITEM item = HitTest(point);
    if (item != NULL && item != previous)
        SelectItem(item);
    ShowContextMenu(screenPoint);
    if (item != NULL && item != previous && ::IsWindow(m_hWnd))
        SelectItem(previous);
}

void CFileTreeCtrl::OnContextMenu(CWnd*, CPoint)
{
}

void CFileTreeCtrl::OnInitMenuPopup(CMenu* popup, UINT, BOOL systemMenu)
{
    if (!systemMenu)
        AfxUpdateMenuItems(popup, this);
}

BOOL CFileTreeCtrl::PreTranslateMessage(MSG* msg)
{
    if (GetEditControl() != NULL)
    {
        ::TranslateMessage(msg);
        ::DispatchMessageA(msg);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && IsDragging())
    {
        EndDragging(TRUE);
        return TRUE;
    }
    HTREEITEM caret = GetSelectedItem();
    if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_RETURN)
    {
        ShowProperties(caret);
        return TRUE;
    }
    if (msg->message == WM_CONTEXTMENU || ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) &&
                                           msg->wParam == VK_F10 && ::GetKeyState(VK_SHIFT) < 0))
    {
        // From the keyboard the menu opens at the middle of the caret item's text.
        CRect text(0, 0, 0, 0);
        if (caret != NULL)
            GetItemRect(caret, &text, TRUE);
        CPoint point = text.CenterPoint();
        ClientToScreen(&point);
        ShowContextMenu(point);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN)
        switch (msg->wParam)
        {
        case VK_RETURN:
            Open(caret);
            return TRUE;
        case VK_DELETE:
            Delete(caret);
            return TRUE;
        case VK_BACK:
            SelectParent();
            return TRUE;
        case VK_F2:
            Rename(caret);
            return TRUE;
        case VK_F5:
            Refresh();
            return TRUE;
        default:
            break;
        }
    return CMyTreeCtrl::PreTranslateMessage(msg);
}

void CFileTreeCtrl::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const NMTREEVIEWA* view = (const NMTREEVIEWA*)header;
    HTREEITEM item = view->itemNew.hItem;
    if (item == NULL || IsDragging())
        return;
    SelectItem(item);
    if (!m_bDragOption || IsDriveRoot(GetItemPath(item)))
        return;
    m_pDragImage.reset(CreateDragImage(item));
    if (!m_pDragImage)
        return;
    m_hDraggedItem = item;
    m_hDropTarget = NULL;

    // The image is held where the item was grabbed: its left edge is the
    // item's indent, less what is scrolled away.
    const CPoint point = view->ptDrag;
    CPoint hotSpot(8, 8);
    HTREEITEM under = HitTest(point);
    CRect rect;
    if (under != NULL && GetItemRect(under, &rect, FALSE))
    {
        int level = 0;
        for (HTREEITEM up = under; up != NULL; up = GetParentItem(up))
            ++level;
        if (!(GetStyle() & TVS_LINESATROOT))
            --level;
        hotSpot.x = point.x - level * (int)GetIndent() + GetScrollPos(SB_HORZ);
        hotSpot.y = point.y - rect.top;
    }
    m_pDragImage->BeginDrag(0, hotSpot);
    CPoint screen = point;
    ClientToScreen(&screen);
    CImageList::DragEnter(NULL, screen);
    SetCapture();
    m_nDragTimer = SetTimer(DragTimerId, DragTimerPeriod, NULL);
}

HTREEITEM CFileTreeCtrl::IsDropTarget(HTREEITEM target) const
{
    if (target == NULL || m_hDraggedItem == NULL || target == m_hDraggedItem ||
        target == GetParentItem(m_hDraggedItem) || IsNormalFile(GetItemPath(target)))
        return NULL;
    for (HTREEITEM up = GetParentItem(target); up != NULL; up = GetParentItem(up))
        if (up == m_hDraggedItem)
            return NULL;
    return target;
}

void CFileTreeCtrl::SetDropTarget(HTREEITEM item)
{
    CImageList::DragShowNolock(FALSE);
    SelectDropTarget(item);
    CImageList::DragShowNolock(TRUE);
    m_hDropTarget = item;
}

void CFileTreeCtrl::SetDragCursor(BOOL validTarget)
{
    const bool copy = KeyIsDown(VK_CONTROL);
    ::SetCursor(validTarget ? (copy ? m_hCopyCursor : m_hMoveCursor) : (copy ? m_hNoCopyCursor : m_hNoMoveCursor));
}

void CFileTreeCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (IsDragging())
    {
        CPoint screen = point;
        ClientToScreen(&screen);
        CImageList::DragMove(screen);
        CRect client;
        GetClientRect(&client);
        if (client.PtInRect(point))
        {
            SetDropTarget(HitTest(point));
            SetDragCursor(IsDropTarget(m_hDropTarget) != NULL);
        }
    }
    CMyTreeCtrl::OnMouseMove(flags, point);
}

void CFileTreeCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    if (IsDragging())
    {
        CRect client;
        GetClientRect(&client);
        EndDragging(!client.PtInRect(point));
    }
    CMyTreeCtrl::OnLButtonUp(flags, point);
}

LRESULT CFileTreeCtrl::OnCaptureChanged(WPARAM, LPARAM)
{
    // Another window took the mouse (a box opened, say): the drag can no
    // longer end by the button, so it ends here and drops nothing.
    if (IsDragging())
        EndDragging(TRUE);
    return Default();
}

void CFileTreeCtrl::OnTimer(UINT id)
{
    if (id == DragTimerId && IsDragging())
    {
        CPoint point;
        ::GetCursorPos(&point);
        CImageList::DragMove(point);
        ScreenToClient(&point);
        AutoScrollWhileDragging(point);
        // Held over a collapsed folder for a while, the folder opens.
        if (m_nHoverCount >= HoverTicksToExpand)
        {
            m_nHoverCount = 0;
            CImageList::DragShowNolock(FALSE);
            Expand(m_hDropTarget, TVE_EXPAND);
            UpdateWindow();
            CImageList::DragShowNolock(TRUE);
        }
        if (m_hDropTarget != NULL && ItemHasChildren(m_hDropTarget) &&
            !(SendMessage(TVM_GETITEMSTATE, (WPARAM)m_hDropTarget, TVIS_EXPANDED) & TVIS_EXPANDED))
            ++m_nHoverCount;
    }
    CMyTreeCtrl::OnTimer(id);
}

void CFileTreeCtrl::AutoScrollWhileDragging(CPoint point)
{
    HTREEITEM first = GetFirstVisibleItem();
    CRect rect, client;
    if (first == NULL || !GetItemRect(first, &rect, FALSE))
        return;
    GetClientRect(&client);
    const int zone = 2 * rect.Height();
    HTREEITEM taken = NULL;
    if (point.y >= client.top && point.y < client.top + zone)
    {
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
        taken = first;
    }
    else if (point.y < client.bottom && point.y > client.bottom - zone)
    {
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        taken = first;
        for (int step = (int)GetVisibleCount() - 1; step > 0 && taken != NULL; --step)
            taken = GetNextVisibleItem(taken);
    }
    if (taken == NULL)
        return;
    CImageList::DragShowNolock(FALSE);
    EnsureVisible(taken);
    SelectDropTarget(taken);
    CImageList::DragShowNolock(TRUE);
    m_hDropTarget = taken;
}

void CFileTreeCtrl::EndDragging(BOOL cancel)
{
    if (!IsDragging())
        return;
    KillTimer(m_nDragTimer);
    CImageList::DragLeave(NULL);
    CImageList::EndDrag();
    m_pDragImage.reset(); // no longer dragging when the capture goes
    if (::GetCapture() == m_hWnd)
        ReleaseCapture(); // and not when another window has taken it
    SelectDropTarget(NULL);
    ::SetCursor(m_hMoveCursor);
    HTREEITEM target = IsDropTarget(m_hDropTarget);
    HTREEITEM dragged = m_hDraggedItem;
    m_hDraggedItem = m_hDropTarget = NULL;
    if (cancel || target == NULL)
        return;

    const bool copy = KeyIsDown(VK_CONTROL);
    const CString targetPath = GetItemPath(target);
    FILEOP_FLAGS flags = FOF_SILENT | FOF_NOCONFIRMMKDIR | m_extraFileOperationFlags;
    if (!KeyIsDown(VK_SHIFT))
        flags |= FOF_ALLOWUNDO;
    if (!RunFileOperation(m_hWnd, copy ? FO_COPY : FO_MOVE, GetItemPath(dragged), &targetPath, flags))
        return;

    // A target whose folders were never listed lists the dropped one with
    // the others when it is opened; only a listed target gets the branch.
    const BOOL listed = GetChildItem(target) != NULL || !ItemHasChildren(target);
    if (listed && FindChild(target, GetItemText(dragged)) == NULL)
    {
        const BOOL hadChildren = ItemHasChildren(target);
        CopyBranch(dragged, target);
        if (!hadChildren)
            SetChildCount(target, 1);
    }
    if (!copy)
    {
        HTREEITEM parent = GetParentItem(dragged);
        DeleteItem(dragged);
        if (parent != NULL && GetChildItem(parent) == NULL)
            SetChildCount(parent, 0);
    }
    SetSelectedPath(targetPath, ItemHasChildren(target));
}

HTREEITEM CFileTreeCtrl::CopyBranch(HTREEITEM item, HTREEITEM parent)
{
    char text[MAX_PATH];
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_IMAGE | TVIF_PARAM | TVIF_STATE | TVIF_HANDLE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN |
                       TVIF_TEXT;
    insert.item.hItem = item;
    insert.item.stateMask = (UINT)-1;
    insert.item.pszText = text;
    insert.item.cchTextMax = sizeof(text);
    if (!GetItem(&insert.item))
        return NULL;
    insert.item.mask &= ~TVIF_HANDLE;
    insert.item.state &= ~(TVIS_SELECTED | TVIS_DROPHILITED);
    insert.item.stateMask = ~(UINT)(TVIS_SELECTED | TVIS_DROPHILITED);
    HTREEITEM copy = InsertItem(&insert);
    if (copy != NULL)
        for (HTREEITEM child = GetChildItem(item); child != NULL; child = GetNextSiblingItem(child))
            CopyBranch(child, copy);
    return copy;
}

void CFileTreeCtrl::SetChildCount(HTREEITEM item, int count)
{
    TVITEMA children = {};
    children.mask = TVIF_CHILDREN;
    children.hItem = item;
    children.cChildren = count;
    SetItem(&children);
}
