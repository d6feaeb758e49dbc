#include "foundation/windows/OwnerWindow.h"

CWnd* FindOwnerFrameOrDialog(CWnd* wnd)
{
    CWnd* last = wnd;
    while (wnd != NULL)
    {
        last = wnd;
        if (wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            break;
        bool topLevel = (wnd->GetStyle() & WS_CHILD) == 0;
        if (topLevel && (wnd->IsKindOf(RUNTIME_CLASS(CDialog)) || wnd->IsKindOf(RUNTIME_CLASS(CPropertySheet))))
            break;
        HWND parent = ::GetParent(wnd->m_hWnd);
        wnd = parent != NULL ? CWnd::FromHandle(parent) : NULL;
    }
    return last;
}

