#include "framework/windows/WindowMeasures.h"

#include "foundation/windows/SelectedObject.h"

#include <algorithm>

CString GetWindowClassName(HWND window)
{
    char name[256] = "";
    if (window == NULL || ::GetClassNameA(window, name, sizeof(name)) == 0)
        return CString();
    return name;
}

CString GetWindowClassName(CWnd* window)
{
    return GetWindowClassName(window != NULL ? window->GetSafeHwnd() : NULL);
}

int GetFontHeight(CFont* font)
{
    HWND desktop = ::GetDesktopWindow();
    if (desktop == NULL)
    {
        LOGFONTA logFont = {};
        ::GetObjectA(font->GetSafeHandle(), sizeof(logFont), &logFont);
        return abs(logFont.lfHeight);
    }
    HDC dc = ::GetDC(desktop);
    TEXTMETRICA metrics = {};
    {
        CSelectedObject selectedFont(dc, font->GetSafeHandle());
        ::GetTextMetricsA(dc, &metrics);
    }
    ::ReleaseDC(desktop, dc);
    return metrics.tmHeight;
}

DWORD GetWindowBaseUnits(CWnd* window)
{
    HFONT font = window != NULL ? (HFONT)window->SendMessage(WM_GETFONT) : NULL;
    if (font == NULL)
        return (DWORD)::GetDialogBaseUnits();
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    HDC dc = ::GetDC(NULL);
    SIZE extent = {};
    TEXTMETRICA metrics = {};
    {
        CSelectedObject selectedFont(dc, font);
        ::GetTextExtentPoint32A(dc, letters, 52, &extent);
        ::GetTextMetricsA(dc, &metrics);
    }
    ::ReleaseDC(NULL, dc);
    int width = std::max(1, ::MulDiv(extent.cx, 1, 52));
    int height = std::max(1, (int)metrics.tmHeight);
    return MAKELONG(width, height);
}

CSize DialogUnitsToPixels(int x, int y, CWnd* window)
{
    DWORD units = GetWindowBaseUnits(window);
    return CSize(::MulDiv(x, LOWORD(units), 4), ::MulDiv(y, HIWORD(units), 8));
}
