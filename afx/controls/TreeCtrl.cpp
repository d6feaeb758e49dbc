#include "afx/controls/TreeCtrl.h"
#include "afx/controls/Edit.h"
#include "afx/gdi/ImageList.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace
{
// An item record that asks for or sets the given fields of one item.
TVITEMA ItemRecord(HTREEITEM hItem, UINT nMask)
{
    TVITEMA item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = nMask;
    return item;
}
} // namespace

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return (HIMAGELIST)::SendMessageA(m_hWnd, TVM_SETIMAGELIST, nImageListType,
                                      (LPARAM)pImageList->GetSafeHandle());
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis;
    memset(&tvis, 0, sizeof(tvis));
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // grow the buffer until the text fits
    CString strText;
    for (int nLen = 256;; nLen *= 2)
    {
        TVITEMA item = ItemRecord(hItem, TVIF_TEXT);
        item.pszText = strText.GetBufferSetLength(nLen);
        item.cchTextMax = nLen;
        ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&item);
        strText.ReleaseBuffer();
        if (strText.GetLength() < nLen - 1)
            break;
    }
    return strText;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    TVITEMA item = ItemRecord(hItem, TVIF_TEXT);
    item.pszText = (LPSTR)lpszItem;
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item = ItemRecord(hItem, TVIF_PARAM);
    GetItem(&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMA item = ItemRecord(hItem, TVIF_PARAM);
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item = ItemRecord(hItem, TVIF_CHILDREN);
    GetItem(&item);
    return item.cChildren != 0;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti;
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    HTREEITEM hItem = HitTest(&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return hItem;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    HIMAGELIST hImageList = (HIMAGELIST)::SendMessageA(m_hWnd, TVM_CREATEDRAGIMAGE, 0, (LPARAM)hItem);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, TVM_EDITLABELA, 0, (LPARAM)hItem));
}

CEdit* CTreeCtrl::GetEditControl() const
{
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, TVM_GETEDITCONTROL, 0, 0));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    *(HTREEITEM*)lpRect = hItem;
    return (BOOL)::SendMessageA(m_hWnd, TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
}
