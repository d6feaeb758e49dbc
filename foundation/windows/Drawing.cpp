#include "foundation/windows/Drawing.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"

void PatBltSolid(CDC* dc, int x, int y, int width, int height, COLORREF colour)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    CSelectedObject selected(dc->m_hDC, brush);
    ::PatBlt(dc->m_hDC, x, y, width, height, PATCOPY);
}

void PatBltSolidRect(CDC* dc, const RECT& rect, COLORREF colour)
{
    PatBltSolid(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, colour);
}

void DrawRaisedEdge(CDC* dc, const RECT& rect)
{
    CRect edge(rect);
    dc->Draw3dRect(&edge, GetSystemColour(COLOR_3DLIGHT), GetSystemColour(COLOR_3DDKSHADOW));
    edge.DeflateRect(1, 1);
    dc->Draw3dRect(&edge, GetSystemColour(COLOR_BTNHIGHLIGHT), GetSystemColour(COLOR_BTNSHADOW));
}

void DrawAlignedText(CDC* dc, const RECT& rect, LPCTSTR text, int position, UINT format)
{
    if (text == NULL)
        text = "";
    CRect measured(rect);
    int height = ::DrawTextA(dc->m_hDC, text, -1, &measured, format | DT_CALCRECT);
    int width = measured.right - measured.left;
    CRect box = AlignRectInRect(width, height, rect, 0, 0, position);
    ::DrawTextA(dc->m_hDC, text, -1, &box, format & ~DT_CALCRECT);
}

void DrawTextInRect(CDC* dc, const RECT& rect, LPCTSTR text, UINT format)
{
    DrawAlignedText(dc, rect, text, 0, format);
}

void FillRectClipped(CDC* dc, const RECT& rect, CBrush* brush, const RECT& clip)
{
    RECT area;
    if (!::IntersectRect(&area, &rect, &clip))
        return;
    ::FillRect(dc->m_hDC, &area, brush != NULL ? (HBRUSH)brush->m_hObject : NULL);
}

namespace
{
    void PaintBand(CDC* dc, int left, int top, int right, int bottom, CBrush* brush, const RECT* clip)
    {
        RECT band = {left, top, right, bottom};
        if (clip != NULL)
            FillRectClipped(dc, band, brush, *clip);
        else
            ::FillRect(dc->m_hDC, &band, brush != NULL ? (HBRUSH)brush->m_hObject : NULL);
    }
}

void DrawFrameBandsClipped(CDC* dc, const RECT& i, CBrush* frame, CBrush* shadow, CBrush* corner,
                           int l, int t, int r, int b, const RECT* clip)
{
    int rightExcess = 0;
    CBrush* rightBrush = shadow;
    if (r > l)
    {
        rightExcess = r - l;
        r = l;
        rightBrush = frame;
    }
    int bottomExcess = 0;
    CBrush* bottomBrush = shadow;
    if (b > t)
    {
        bottomExcess = b - t;
        b = t;
        bottomBrush = frame;
    }

    PaintBand(dc, i.left - l, i.top - t, i.right + r, i.top, frame, clip);
    PaintBand(dc, i.left - l, i.top, i.left, i.bottom + b, frame, clip);
    PaintBand(dc, i.left, i.bottom, i.right + r, i.bottom + b, bottomBrush, clip);
    PaintBand(dc, i.right, i.top, i.right + r, i.bottom, rightBrush, clip);

    int e = rightExcess;
    if (e > 0)
    {
        if (corner != NULL)
            PaintBand(dc, i.right + r, i.top - t, i.right + r + e, i.top, corner, clip);
        PaintBand(dc, i.right + r, i.top, i.right + r + e, i.bottom + b, shadow, clip);
    }
    int f = bottomExcess;
    if (f > 0)
    {
        if (corner != NULL)
            PaintBand(dc, i.left - l, i.bottom + b, i.left, i.bottom + b + f, corner, clip);
        PaintBand(dc, i.left, i.bottom + b, i.right + r + e, i.bottom + b + f, shadow, clip);
    }
}

void DrawFrameBands(CDC* dc, const RECT& inner, CBrush* frame, CBrush* shadow, CBrush* corner,
                    int left, int top, int right, int bottom)
{
    DrawFrameBandsClipped(dc, inner, frame, shadow, corner, left, top, right, bottom, NULL);
}

void DrawFrameInsideEx(CDC* dc, const RECT& outer, CBrush* frame, CBrush* shadow, CBrush* corner,
                       int left, int top, int right, int bottom)
{
    RECT inner = {outer.left + left, outer.top + top, outer.right - right, outer.bottom - bottom};
    DrawFrameBands(dc, inner, frame, shadow, corner, left, top, right, bottom);
}

void DrawFrameInside(CDC* dc, const RECT& rect, CBrush* brush, int horizontal, int vertical)
{
    DrawFrameInsideEx(dc, rect, brush, brush, NULL, horizontal, vertical, horizontal, vertical);
}

void DrawWindowSmallIcon(CWnd* wnd)
{
    CPaintDC dc(wnd);
    HICON icon = (HICON)wnd->SendMessage(WM_GETICON, ICON_SMALL, 0);
    ::DrawStateA(dc.m_hDC, NULL, NULL, (LPARAM)icon, 0, 0, 0, 16, 16, DST_ICON);
}

