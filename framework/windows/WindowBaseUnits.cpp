#include "framework/windows/WindowBaseUnits.h"

DWORD GetWindowBaseUnits(CWnd* wnd)
{
    HFONT font = wnd != NULL ? (HFONT)::SendMessageA(wnd->m_hWnd, WM_GETFONT, 0, 0) : NULL;
    if (font == NULL)
        return (DWORD)::GetDialogBaseUnits();
    HDC dc = ::GetDC(wnd->m_hWnd);
    HGDIOBJ previous = ::SelectObject(dc, font);
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, alphabet, 52, &extent);
    TEXTMETRICA metrics;
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, previous);
    ::ReleaseDC(wnd->m_hWnd, dc);
    int width = ::MulDiv(extent.cx, 1, 52);
    int height = metrics.tmHeight;
    return MAKELONG(width < 1 ? 1 : width, height < 1 ? 1 : height);
}

CSize DialogUnitsToPixels(int x, int y, CWnd* wnd)
{
    DWORD units = GetWindowBaseUnits(wnd);
    return CSize(::MulDiv(x, LOWORD(units), 4), ::MulDiv(y, HIWORD(units), 8));
}
