#pragma once

#include "afx/windows/Wnd.h"

// A tab control (the tabs of a property sheet, among others).
class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    CTabCtrl() {}

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_TABCONTROLA, NULL, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return (int)::SendMessageA(m_hWnd, TCM_GETITEMCOUNT, 0, 0); }
    int GetCurSel() const { return (int)::SendMessageA(m_hWnd, TCM_GETCURSEL, 0, 0); }
    int SetCurSel(int nItem) { return (int)::SendMessageA(m_hWnd, TCM_SETCURSEL, nItem, 0); }
    BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const
    {
        return (BOOL)::SendMessageA(m_hWnd, TCM_GETITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem)
    {
        return (BOOL)::SendMessageA(m_hWnd, TCM_SETITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    int InsertItem(int nItem, TCITEMA* pTabCtrlItem)
    {
        return (int)::SendMessageA(m_hWnd, TCM_INSERTITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    int InsertItem(int nItem, LPCTSTR lpszItem)
    {
        TCITEMA item;
        memset(&item, 0, sizeof(item));
        item.mask = TCIF_TEXT;
        item.pszText = (LPSTR)lpszItem;
        return InsertItem(nItem, &item);
    }
    BOOL DeleteItem(int nItem) { return (BOOL)::SendMessageA(m_hWnd, TCM_DELETEITEM, nItem, 0); }
    BOOL DeleteAllItems() { return (BOOL)::SendMessageA(m_hWnd, TCM_DELETEALLITEMS, 0, 0); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)::SendMessageA(m_hWnd, TCM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const
    {
        return (int)::SendMessageA(m_hWnd, TCM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    int GetCurFocus() const { return (int)::SendMessageA(m_hWnd, TCM_GETCURFOCUS, 0, 0); }
    int GetRowCount() const { return (int)::SendMessageA(m_hWnd, TCM_GETROWCOUNT, 0, 0); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)::SendMessageA(m_hWnd, TCM_SETIMAGELIST, 0, (LPARAM)hImageList);
    }
};
