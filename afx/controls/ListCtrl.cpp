#include "afx/controls/ListCtrl.h"
#include "afx/gdi/ImageList.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace
{
// An item record naming the item, its column and the members that count.
LVITEMA ItemRecord(int nItem, int nSubItem, UINT nMask)
{
    LVITEMA item;
    memset(&item, 0, sizeof(item));
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.mask = nMask;
    return item;
}
} // namespace

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column;
    memset(&column, 0, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEMA item = ItemRecord(nItem, 0, LVIF_TEXT);
    item.pszText = (LPSTR)lpszItem;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEMA item = ItemRecord(nItem, nSubItem, 0);
    item.pszText = (LPSTR)lpszText;
    return (BOOL)::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, nItem, (LPARAM)&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer's size less one: grow until the
    // text is shorter than that.
    CString text;
    for (int size = 256;; size *= 2)
    {
        LVITEMA item = ItemRecord(nItem, nSubItem, 0);
        item.cchTextMax = size;
        item.pszText = text.GetBuffer(size);
        int length = (int)::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, nItem, (LPARAM)&item);
        text.ReleaseBuffer(length);
        if (length < size - 1)
            return text;
    }
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = ItemRecord(nItem, 0, LVIF_PARAM);
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = ItemRecord(nItem, 0, LVIF_PARAM);
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = ItemRecord(nItem, 0, 0);
    item.stateMask = nMask;
    item.state = nState;
    return (BOOL)::SendMessageA(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)&item);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = (LONG)nCode;
    return (BOOL)::SendMessageA(m_hWnd, LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info;
    memset(&info, 0, sizeof(info));
    info.pt = pt;
    int nItem = (int)::SendMessageA(m_hWnd, LVM_HITTEST, 0, (LPARAM)&info);
    if (pFlags != NULL)
        *pFlags = info.flags;
    return nItem;
}

HIMAGELIST CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return (HIMAGELIST)::SendMessageA(m_hWnd, LVM_SETIMAGELIST, nImageListType,
                                      (LPARAM)(pImageList != NULL ? pImageList->GetSafeHandle() : NULL));
}
