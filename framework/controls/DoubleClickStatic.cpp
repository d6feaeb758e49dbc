#include "framework/controls/DoubleClickStatic.h"

IMPLEMENT_DYNCREATE(CDoubleClickStatic, CMyStatic)

BEGIN_MESSAGE_MAP(CDoubleClickStatic, CMyStatic)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CDoubleClickStatic::OnLButtonDblClk(UINT flags, CPoint point)
{
    CMyStatic::OnLButtonDblClk(flags, point);
    HWND parent = ::GetParent(m_hWnd);
    if (parent != NULL)
        ::SendMessageA(parent, WM_STATIC_DOUBLE_CLICK, flags, (LPARAM)m_hWnd);
}
