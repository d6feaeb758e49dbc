#include "foundation/windows/WindowSize.h"

CSize GetWindowSize(CWnd* wnd)
{
    RECT rect;
    ::GetWindowRect(wnd->m_hWnd, &rect);
    return CSize(rect.right - rect.left, rect.bottom - rect.top);
}

CSize GetClientSize(CWnd* wnd)
{
    RECT rect;
    ::GetClientRect(wnd->m_hWnd, &rect);
    return CSize(rect.right - rect.left, rect.bottom - rect.top);
}
