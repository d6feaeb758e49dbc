#include "framework/windows/WindowPosition.h"

#include "foundation/settings/RegistryKey.h"
#include "framework/windows/WorkArea.h"

#include <stdio.h>

RECT WindowPositionDefaultRect = {10, 10, 500, 400};

namespace
{
    BOOL HasState(int mode)
    {
        return mode == 0 || mode == 2;
    }

    // The work area in the coordinates of WINDOWPLACEMENT, which are
    // relative to the work area's top-left corner.
    CRect WorkspaceBounds()
    {
        CRect area = GetDesktopWorkArea();
        return CRect(0, 0, area.Width(), area.Height());
    }
}

CWindowPosition::CWindowPosition()
    : defaultRect(WindowPositionDefaultRect), showCommand(SW_SHOWNORMAL), rect(0, 0, 0, 0), iconized(FALSE),
      maximized(FALSE)
{
}

BOOL CWindowPosition::ExchangeRegistry(BOOL save, CRegistryKey& key, int mode)
{
    CString text;
    if (save)
    {
        BOOL ok;
        if (HasState(mode))
        {
            text.Format("%d %d %d %d", rect.left, rect.top, rect.right, rect.bottom);
            ok = key.SetString("Rect", text);
            ok = key.SetDWord("Iconized", (DWORD)iconized) && ok;
            ok = key.SetDWord("Maximized", (DWORD)maximized) && ok;
        }
        else
        {
            text.Format("%d %d", rect.left, rect.top);
            ok = key.SetString("TopLeft", text);
        }
        return ok;
    }

    int values[4];
    char extra;
    if (HasState(mode))
    {
        if (key.QueryString("Rect", text) &&
            sscanf(text, "%d %d %d %d %c", &values[0], &values[1], &values[2], &values[3], &extra) == 4)
            rect.SetRect(values[0], values[1], values[2], values[3]);
        else
            rect = defaultRect;
        DWORD flag;
        if (key.QueryDWord("Iconized", flag))
            iconized = flag;
        if (key.QueryDWord("Maximized", flag))
            maximized = flag;
    }
    else if (key.QueryString("TopLeft", text) && sscanf(text, "%d %d %c", &values[0], &values[1], &extra) == 2)
    {
        rect.SetRect(values[0], values[1], 0, 0);
    }
    else
    {
        rect.left = -1;
        rect.top = -1;
    }
    return TRUE;
}

BOOL CWindowPosition::GetFromWindow(CWnd* wnd, int mode)
{
    if (!HasState(mode))
    {
        wnd->GetWindowRect(&rect);
        return TRUE;
    }
    WINDOWPLACEMENT placement;
    placement.length = sizeof(placement);
    if (!wnd->GetWindowPlacement(&placement))
        return FALSE;
    rect = placement.rcNormalPosition;
    switch (placement.showCmd)
    {
    case SW_SHOWNORMAL:
        iconized = FALSE;
        maximized = FALSE;
        break;
    case SW_SHOWMAXIMIZED:
        maximized = TRUE;
        iconized = FALSE;
        break;
    case SW_SHOWMINIMIZED:
        iconized = TRUE;
        maximized = placement.flags != 0;
        break;
    }
    return TRUE;
}

int CWindowPosition::ApplyToWindow(CWnd* wnd, int mode)
{
    if (!HasState(mode))
    {
        if (!IsSet())
        {
            wnd->CenterWindow();
        }
        else if (mode == 1 || rect.right <= rect.left || rect.bottom <= rect.top)
        {
            // Only the corner is stored for these modes: a rectangle loaded
            // without a size keeps the window's own size.
            CRect current;
            wnd->GetWindowRect(&current);
            CRect moved(rect.left, rect.top, rect.left + current.Width(), rect.top + current.Height());
            moved = FitRectInside(moved, GetDesktopWorkArea());
            wnd->SetWindowPos(NULL, moved.left, moved.top, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        }
        else
        {
            CRect fitted = FitRectInside(rect, GetDesktopWorkArea());
            wnd->SetWindowPos(NULL, fitted.left, fitted.top, fitted.Width(), fitted.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        }
        return -1;
    }

    WINDOWPLACEMENT placement;
    placement.length = sizeof(placement);
    placement.flags = 0;
    if (iconized)
    {
        placement.showCmd = SW_SHOWMINNOACTIVE;
        if (maximized)
            placement.flags = WPF_RESTORETOMAXIMIZED;
    }
    else if (maximized)
    {
        placement.showCmd = SW_SHOWMAXIMIZED;
        placement.flags = WPF_RESTORETOMAXIMIZED;
    }
    else
    {
        placement.showCmd = showCommand;
    }
    placement.ptMinPosition.x = 0;
    placement.ptMinPosition.y = 0;
    placement.ptMaxPosition.x = -::GetSystemMetrics(SM_CXBORDER);
    placement.ptMaxPosition.y = -::GetSystemMetrics(SM_CYBORDER);
    placement.rcNormalPosition = FitRectInside(rect, WorkspaceBounds());
    wnd->SetWindowPlacement(&placement);
    return placement.showCmd;
}
