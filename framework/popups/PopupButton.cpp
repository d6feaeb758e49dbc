#include "framework/popups/PopupButton.h"

#include "foundation/windows/SystemColours.h"

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

void CPopupButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const BOOL disabled = (item->itemState & ODS_DISABLED) != 0;
    UINT frame = DFCS_BUTTONPUSH;
    if (item->itemState & ODS_SELECTED)
        frame |= DFCS_PUSHED;
    if (disabled)
        frame |= DFCS_INACTIVE;
    RECT rect = item->rcItem;
    ::DrawFrameControl(item->hDC, &rect, DFC_BUTTON, frame);

    CString text;
    GetWindowText(text);
    rect = item->rcItem;
    const int oldMode = ::SetBkMode(item->hDC, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(item->hDC, GetSystemColour(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    ::DrawTextA(item->hDC, text, text.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetTextColor(item->hDC, oldColour);
    ::SetBkMode(item->hDC, oldMode);
}
