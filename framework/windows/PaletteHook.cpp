#include "framework/windows/PaletteHook.h"

#include "afx/windows/FrameWnd.h"
#include "afx/windows/View.h"
#include "foundation/windows/SelectedPalette.h"

IMPLEMENT_DYNAMIC(CPaletteHook, CWndHook)

LRESULT CPaletteHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SETFOCUS:
        OnSetFocus((HWND)wParam);
        return 0;
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette();
    case WM_PALETTECHANGED:
        OnPaletteChanged((HWND)wParam);
        return 0;
    }
    return CWndHook::WindowProc(message, wParam, lParam);
}

int CPaletteHook::RealizePalette(BOOL foreground)
{
    if (palette == NULL || palette->m_hObject == NULL)
        return -1;
    HWND hWnd = GetHookedWindow();
    HDC dc = ::GetDC(hWnd);
    int changed;
    {
        CSelectedPalette selected(dc, (HPALETTE)palette->m_hObject, !foreground);
        changed = (int)::RealizePalette(dc);
    }
    ::ReleaseDC(hWnd, dc);
    if (changed > 0)
        ::InvalidateRect(hWnd, NULL, FALSE);
    return changed;
}

void CPaletteHook::OnPaletteChanged(HWND changedBy)
{
    HWND hWnd = GetHookedWindow();
    if (changedBy == hWnd)
        return;
    if (RealizePalette(FALSE) == -1 && ::GetParent(hWnd) == NULL)
    {
        const MSG* msg = CWnd::GetCurrentMessage();
        CWnd::SendMessageToDescendants(hWnd, WM_PALETTECHANGED, msg->wParam, msg->lParam, TRUE, FALSE);
    }
}

BOOL CPaletteHook::OnQueryNewPalette()
{
    if (RealizePalette(TRUE) != -1)
        return TRUE;
    // Without a palette of its own the window asks, in turn, a frame's
    // active view, the partner and then its children.
    HWND hWnd = GetHookedWindow();
    HWND view = NULL;
    if (CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd)))
    {
        CView* activeView = frame->GetActiveView();
        view = activeView != NULL ? activeView->GetSafeHwnd() : NULL;
        if (view != NULL && ::SendMessageA(view, WM_QUERYNEWPALETTE, 0, 0) != 0)
            return TRUE;
    }
    if (partner != NULL && ::IsWindow(partner) && ::SendMessageA(partner, WM_QUERYNEWPALETTE, 0, 0) != 0)
        return TRUE;
    for (HWND child = ::GetWindow(hWnd, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        if (child != partner && child != view && ::SendMessageA(child, WM_QUERYNEWPALETTE, 0, 0) != 0)
            return TRUE;
    }
    return FALSE;
}

void CPaletteHook::OnSetFocus(HWND)
{
    ::SetForegroundWindow(GetHookedWindow());
    RealizePalette(TRUE);
    Default();
}
