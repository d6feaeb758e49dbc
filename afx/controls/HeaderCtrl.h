#pragma once

#include "afx/windows/Wnd.h"

// A header control (the column heads of a list view, among others).
class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    CHeaderCtrl() {}

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        AfxInitCommonControls();
        return CWnd::Create(WC_HEADERA, NULL, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return (int)::SendMessageA(m_hWnd, HDM_GETITEMCOUNT, 0, 0); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const
    {
        return (BOOL)::SendMessageA(m_hWnd, HDM_GETITEMA, nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (BOOL)::SendMessageA(m_hWnd, HDM_SETITEMA, nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (int)::SendMessageA(m_hWnd, HDM_INSERTITEMA, nPos, (LPARAM)pHeaderItem);
    }
    BOOL DeleteItem(int nPos) { return (BOOL)::SendMessageA(m_hWnd, HDM_DELETEITEM, nPos, 0); }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)::SendMessageA(m_hWnd, HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)::SendMessageA(m_hWnd, HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
};
