#include "framework/popups/PopupButton.h"

#include "foundation/windows/SystemColours.h"

BEGIN_MESSAGE_MAP(CPopupButton, CButton)
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CPopupButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    UINT state = DFCS_BUTTONPUSH;
    if (item->itemState & ODS_SELECTED)
        state |= DFCS_PUSHED;
    if (item->itemState & ODS_DISABLED)
        state |= DFCS_INACTIVE;
    CRect rect(item->rcItem);
    ::DrawFrameControl(item->hDC, &rect, DFC_BUTTON, state);

    CString text;
    GetWindowText(text);
    int mode = ::SetBkMode(item->hDC, TRANSPARENT);
    COLORREF colour = ::SetTextColor(
        item->hDC, GetSystemColour((item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    ::DrawTextA(item->hDC, text, text.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetTextColor(item->hDC, colour);
    ::SetBkMode(item->hDC, mode);
}

void CPopupButton::OnKillFocus(CWnd* newWnd)
{
    CButton::OnKillFocus(newWnd);
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_KILLFOCUS, (WPARAM)(newWnd != NULL ? newWnd->m_hWnd : NULL), 0);
}

void CPopupButton::OnLButtonUp(UINT flags, CPoint point)
{
    CButton::OnLButtonUp(flags, point);
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SetFocus();
}
