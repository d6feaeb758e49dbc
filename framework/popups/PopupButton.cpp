#include "framework/popups/PopupButton.h"

BEGIN_MESSAGE_MAP(CPopupButton, CMyButton)
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CPopupButton::OnKillFocus(CWnd* newWnd)
{
    CMyButton::OnKillFocus(newWnd);
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_KILLFOCUS, (WPARAM)(newWnd != NULL ? newWnd->m_hWnd : NULL), 0);
}

void CPopupButton::OnLButtonUp(UINT flags, CPoint point)
{
    CMyButton::OnLButtonUp(flags, point);
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SetFocus();
}
