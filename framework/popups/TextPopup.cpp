#include "framework/popups/TextPopup.h"

#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"
#include "framework/windows/WorkArea.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CTextPopup, CPopupWnd)
    ON_WM_PAINT()
    ON_COMMAND(IDOK, OnOk)
END_MESSAGE_MAP()

namespace
{
    const DWORD popupStyle = WS_POPUP | WS_VISIBLE | WS_BORDER;
    const DWORD popupExStyle = WS_EX_TOOLWINDOW;
}

int CTextPopup::WrapWidth(int screenWidth)
{
    return std::max(screenWidth * 30 / 100, 390);
}

CRect CTextPopup::CalcWindowRect(POINT point, CSize textSize, CSize buttonSize, CRect& textRect, CRect& buttonRect)
{
    int ex = ::GetSystemMetrics(SM_CXEDGE), ey = ::GetSystemMetrics(SM_CYEDGE);
    textRect = CRect(ex, ey, ex + textSize.cx, ey + textSize.cy);
    buttonRect = CRect(CPoint(ex, textRect.bottom + ey), buttonSize);
    if (buttonRect.right < textRect.right)
        buttonRect.OffsetRect(textRect.right - buttonRect.right, 0);
    CRect window(0, 0, buttonRect.right + ex, buttonRect.bottom + ey);
    ::AdjustWindowRectEx(&window, popupStyle, FALSE, popupExStyle);
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, popupStyle, FALSE, popupExStyle);
    // The frame lies outside the client area (frame.left and frame.top are
    // not positive): the button's centre comes to lie under the point.
    int left = point.x - (buttonRect.left + buttonRect.Width() / 2) + frame.left;
    int top = point.y - (buttonRect.top + buttonRect.Height() / 2) + frame.top;
    window.OffsetRect(left - window.left, top - window.top);
    return window;
}

CTextPopup::CTextPopup(POINT point, CWnd* owner, LPCTSTR text) : m_owner(owner), m_text(text != NULL ? text : "")
{
    CRect measured(0, 0, WrapWidth(::GetSystemMetrics(SM_CXSCREEN)), 0);
    SIZE ok = {};
    {
        CScreenMemoryDC dc;
        CSelectedObject font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::DrawTextA(dc, m_text, m_text.GetLength(), &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::GetTextExtentPoint32A(dc, "OK", 2, &ok);
    }
    CSize buttonSize = CSize(ok) + GetButtonTextExtent();

    CRect window = CalcWindowRect(point, measured.Size(), buttonSize, m_textRect, m_buttonRect);
    window = MoveRectInside(window, GetDesktopWorkArea());
    HWND parent = owner != NULL ? owner->GetSafeHwnd() : NULL;
    if (!CreateEx(popupExStyle, m_className, "", popupStyle, window.left, window.top, window.Width(),
                  window.Height(), parent, NULL, NULL))
        return;
    m_popupWindow = m_hWnd;
    m_okButton.Create("OK", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, m_buttonRect, this, IDOK);
    m_okButton.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
    RegisterChild(m_okButton.m_hWnd);
    UpdateWindow();
}

CTextPopup* CTextPopup::Open(POINT point, CWnd* owner, LPCTSTR text)
{
    return ReleaseToWindow(std::make_unique<CTextPopup>(point, owner, text));
}

void CTextPopup::Accept()
{
    NotifySelected(m_owner, 0, 0);
    CPopupWnd::Accept();
}

void CTextPopup::Cancel()
{
    NotifySelected(m_owner, 0, 0);
    CPopupWnd::Cancel();
}

void CTextPopup::OnOk()
{
    PostMessage(WM_CLOSE);
}

void CTextPopup::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    {
        CSelectedObject guiFont(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkColor(dc, GetSystemColour(COLOR_INFOBK));
        ::SetTextColor(dc, GetSystemColour(COLOR_INFOTEXT));
        ::SetBkMode(dc, TRANSPARENT);
        // Out to the client's edge: a measure a pixel short must not wrap the
        // last word onto a line that the button hides.
        CRect text(m_textRect);
        text.right = std::max(text.right, m_buttonRect.right);
        text.right += ::GetSystemMetrics(SM_CXEDGE);
        ::DrawTextA(dc, m_text, m_text.GetLength(), &text, DT_WORDBREAK | DT_NOPREFIX);
    }
    ::EndPaint(m_hWnd, &paint);
}
