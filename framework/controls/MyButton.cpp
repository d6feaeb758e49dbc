#include "framework/controls/MyButton.h"

#include "framework/controls/MyComboBox.h"
#include "framework/controls/MyListBox.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/popups/PopupTracker.h"
#include "framework/windows/WindowMeasures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMyButton, CButton)

BEGIN_MESSAGE_MAP(CMyButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(WM_POPUP_SELECTED, OnPopupValueMessage)
    ON_MESSAGE(WM_POPUP_CANCELLED, OnPopupClosedMessage)
END_MESSAGE_MAP()

namespace
{
    const UINT_PTR hoverTimer = 1;

    void Line(HDC dc, int x0, int y0, int x1, int y1)
    {
        ::MoveToEx(dc, x0, y0, NULL);
        ::LineTo(dc, x1, y1);
    }

    // A one-pixel frame just inside the rectangle: top and left in one system
    // colour, bottom and right in another.
    void Frame(HDC dc, const RECT& r, int topLeftIndex, int bottomRightIndex)
    {
        HBRUSH topLeft = (HBRUSH)GetSystemColourBrush(topLeftIndex)->GetSafeHandle();
        HBRUSH bottomRight = (HBRUSH)GetSystemColourBrush(bottomRightIndex)->GetSafeHandle();
        RECT top = {r.left, r.top, r.right - 1, r.top + 1};
        RECT left = {r.left, r.top, r.left + 1, r.bottom - 1};
        RECT bottom = {r.left, r.bottom - 1, r.right, r.bottom};
        RECT right = {r.right - 1, r.top, r.right, r.bottom};
        ::FillRect(dc, &top, topLeft);
        ::FillRect(dc, &left, topLeft);
        ::FillRect(dc, &bottom, bottomRight);
        ::FillRect(dc, &right, bottomRight);
    }

    int MakeOdd(int side) { return (side % 2 == 0) ? side - 1 : side; }
}

CMyButton::CMyButton()
    : m_listAction(NULL), m_linkedList(NULL), m_linkedCombo(NULL), m_glyph(GLYPH_NONE), m_cornerMark(0), m_cornerMarkColour(0), m_defaultFrame(0), m_lastAction(0),
      m_lastState(0), m_pressed(0), m_flat(0), m_hoverFrameShown(0), m_deleteWithWindow(0)
{
}

int CMyButton::SetImage(UINT imageSource, COLORREF maskColour, int width, int height, int normalImage,
                        int disabledImage)
{
    int result = m_style.SetImage(imageSource, maskColour, width, height, normalImage, disabledImage);
    Redraw();
    return result;
}

void CMyButton::SetImageAlignment(int side)
{
    m_style.m_imageSide = side;
    Redraw();
}

int CMyButton::SetDefault(int isDefault)
{
    int old = m_defaultFrame;
    m_defaultFrame = isDefault;
    Redraw();
    return old;
}

void CMyButton::Redraw()
{
    if (m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}

CPoint CMyButton::GetDropDownPoint() const
{
    CRect r;
    ::GetWindowRect(m_hWnd, &r);
    return m_glyph == GLYPH_RIGHT_ARROW ? CPoint(r.right, r.top) : CPoint(r.left, r.bottom);
}

CPoint CMyButton::GetDropUpPoint() const
{
    CRect r;
    ::GetWindowRect(m_hWnd, &r);
    return m_glyph == GLYPH_RIGHT_ARROW ? CPoint(r.right, r.top) : CPoint(r.left, r.top);
}

void CMyButton::EnableWithLabels(BOOL enable)
{
    ::EnableWindow(m_hWnd, enable);
    HWND edit = ::GetWindow(m_hWnd, GW_HWNDPREV);
    if (edit == NULL || GetWindowClassName(edit).CompareNoCase("Edit") != 0)
        return;
    ::EnableWindow(edit, enable);
    HWND label = ::GetWindow(edit, GW_HWNDPREV);
    if (label != NULL && GetWindowClassName(label).CompareNoCase("Static") == 0)
        ::EnableWindow(label, enable);
}

void CMyButton::SetTips(CMyToolTipCtrl* toolTip, BOOL set, LPCTSTR labelTip, LPCTSTR ownTip)
{
    if (toolTip == NULL || m_hWnd == NULL)
        return;
    HWND label = ::GetWindow(m_hWnd, GW_HWNDPREV);
    if (set)
    {
        if (label != NULL)
            toolTip->SetTipForHwnd(label, labelTip);
        toolTip->SetTip(this, ownTip);
        return;
    }
    if (label != NULL && !toolTip->GetTipText(label).IsEmpty())
        toolTip->DelTool(CWnd::FromHandle(label));
    if (!toolTip->GetTipText(this).IsEmpty())
        toolTip->DelTool(this);
}

void CMyButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // A push button from a dialog template becomes owner-drawn; the default
    // push button keeps its look through the default frame.
    UINT type = (UINT)GetStyle() & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON)
        m_defaultFrame = 1;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        ::SendMessageA(m_hWnd, BM_SETSTYLE, BS_OWNERDRAW, FALSE);
}

void CMyButton::PostNcDestroy()
{
    CButton::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}

void CMyButton::OnMouseMove(UINT flags, CPoint point)
{
    if (m_flat)
    {
        SetTimer(hoverTimer, 10);
        CheckHover();
    }
    CButton::OnMouseMove(flags, point);
}

void CMyButton::OnLButtonDown(UINT flags, CPoint point)
{
    m_pressed = 1;
    CButton::OnLButtonDown(flags, point);
}

void CMyButton::OnLButtonUp(UINT flags, CPoint point)
{
    m_pressed = 0;
    CButton::OnLButtonUp(flags, point);
}

void CMyButton::OnTimer(UINT id)
{
    if (id == hoverTimer)
        CheckHover();
    else
        CButton::OnTimer(id);
}

void CMyButton::CheckHover()
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect window;
    ::GetWindowRect(m_hWnd, &window);
    if (!m_pressed && window.PtInRect(cursor))
    {
        if (m_flat && !m_hoverFrameShown)
        {
            HDC dc = ::GetWindowDC(m_hWnd);
            CRect client;
            ::GetClientRect(m_hWnd, &client);
            Frame(dc, client, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
            ::ReleaseDC(m_hWnd, dc);
            m_hoverFrameShown = 1;
        }
        return;
    }
    KillTimer(hoverTimer);
    if (m_hoverFrameShown)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
    m_hoverFrameShown = 0;
}

LRESULT CMyButton::OnPopupValueMessage(WPARAM wParam, LPARAM lParam)
{
    OnPopupValue(wParam, lParam);
    ::InvalidateRect(m_hWnd, NULL, TRUE);
    ::UpdateWindow(m_hWnd);
    return 0;
}

LRESULT CMyButton::OnPopupClosedMessage(WPARAM wParam, LPARAM lParam)
{
    OnPopupClosed(wParam, lParam);
    ::InvalidateRect(m_hWnd, NULL, TRUE);
    ::UpdateWindow(m_hWnd);
    return 0;
}

void CMyButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    HDC dc = item->hDC;
    BOOL pushed = (item->itemState & ODS_SELECTED) != 0;
    int offset = pushed ? 1 : 0;
    BOOL disabled = !::IsWindowEnabled(m_hWnd) || (item->itemState & ODS_DISABLED) != 0;
    CRect rect(item->rcItem);

    ::FillRect(dc, &rect, (HBRUSH)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle());
    CRect face(rect);
    if (m_flat)
    {
        if (pushed)
            Frame(dc, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        else
            Frame(dc, rect, COLOR_BTNFACE, COLOR_BTNFACE);
    }
    else
    {
        if (m_defaultFrame)
        {
            {
                CSelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
                CSelectedObject brush(dc, ::GetStockObject(NULL_BRUSH));
                ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
            }
            face.DeflateRect(1, 1);
        }
        UINT frameState = DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
        ::DrawFrameControl(dc, &face, DFC_BUTTON, frameState);
    }
    CRect inner(face);
    inner.DeflateRect(2, 2);

    CDC* cdc = CDC::FromHandle(dc);
    if (m_glyph == GLYPH_NONE)
    {
        if (m_cornerMark)
        {
            COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, m_cornerMarkColour));
            CSelectedObject selectedPen(dc, pen);
            int x0 = inner.left + offset + 1, y0 = inner.top + offset + 1;
            for (int i = 0; i < 8; i++)
                Line(dc, x0, y0 + i, x0 + 8 - i - 1, y0 + i);
        }
        CString text;
        GetWindowText(text);
        m_style.Draw(cdc, inner, offset, offset, disabled ? ITEM_DISABLED : 0, text,
                     GetSystemColour(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT), GetSystemColour(COLOR_BTNFACE), 0,
                     NoImageBand);
    }
    else
        DrawGlyph(cdc, inner, offset, disabled);

    if (!disabled && (item->itemState & ODS_FOCUS))
    {
        CRect focus(face);
        if (std::min(focus.Width(), focus.Height()) >= 4)
            focus.DeflateRect(1, 1);
        ::DrawFocusRect(dc, &focus);
    }
    m_lastAction = item->itemAction;
    m_lastState = item->itemState;
}

void CMyButton::DrawGlyph(CDC* cdc, const CRect& inner, int offset, BOOL disabled)
{
    HDC dc = cdc->GetSafeHdc();
    int side = std::min(inner.Width(), inner.Height());
    CRect square(0, 0, side, side);
    square.OffsetRect(inner.left + (inner.Width() - side) / 2 + offset, inner.top + (inner.Height() - side) / 2 + offset);
    CPoint centre = square.CenterPoint();
    CRect s(square);
    s.DeflateRect(2, 2);

    CSelectedObject pen(dc, GetSystemColourPen(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT)->GetSafeHandle());
    switch (m_glyph)
    {
    case GLYPH_DOWN_ARROW:
    {
        int w = MakeOdd(s.Width());
        int h = w / 2 + 1;
        int x = centre.x - w / 2, end = x + w, y = centre.y - h / 2;
        for (; x <= end - 1; x++, end--, y++)
            Line(dc, x, y, end, y);
        break;
    }
    case GLYPH_RIGHT_ARROW:
    {
        int h = MakeOdd(s.Height());
        int w = h / 2 + 1;
        int y = centre.y - h / 2, end = y + h, x = centre.x - w / 2;
        for (; y <= end - 1; y++, end--, x++)
            Line(dc, x, y, x, end);
        break;
    }
    case GLYPH_DOTS:
    {
        HBRUSH brush = (HBRUSH)GetSystemColourBrush(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT)->GetSafeHandle();
        for (int i = 0; i < 3; i++)
        {
            RECT dot = {s.left + 4 * i, s.bottom - 2, s.left + 4 * i + 2, s.bottom};
            ::FillRect(dc, &dot, brush);
        }
        break;
    }
    case GLYPH_ASTERISK:
        Line(dc, s.left + 2, s.top + 2, s.right - 1, s.bottom - 1);
        Line(dc, s.left + 2, s.bottom - 2, s.right - 1, s.top + 1);
        Line(dc, s.left, centre.y, s.right, centre.y);
        Line(dc, centre.x, s.top, centre.x, s.bottom);
        break;
    case GLYPH_CROSS:
        Line(dc, s.left, s.top + 1, s.right, s.bottom + 1);
        Line(dc, s.left, s.top, s.right, s.bottom);
        Line(dc, s.left, s.bottom - 1, s.right, s.top - 1);
        Line(dc, s.left, s.bottom, s.right, s.top);
        break;
    }
}

BOOL CMyButton::OnClicked()
{
    if (m_listAction == NULL)
        return FALSE;
    if (m_linkedList != NULL)
        m_linkedList->m_dependents.ApplyListAction(m_listAction);
    else if (m_linkedCombo != NULL)
        m_linkedCombo->m_dependents.ApplyListAction(m_listAction);
    else
        return FALSE;
    return TRUE;
}

void AFXAPI DDX_MyButton(CDataExchange* pDX, int nIDC, CMyButton& button)
{
    DDX_Control(pDX, nIDC, button);
}
