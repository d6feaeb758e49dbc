#include "afx/windows/ControlBar.h"

#include "afx/windows/FrameWnd.h"
#include "afx/windows/MessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CSize CControlBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
    if (frame != NULL && IsWindowVisible())
        OnUpdateCmdUI(frame, (BOOL)wParam);
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* params = (AFX_SIZEPARENTPARAMS*)lParam;
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CRect free(params->rect);
    BOOL top = (m_dwStyle & CBRS_ALIGN_TOP) != 0 && (m_dwStyle & CBRS_ALIGN_BOTTOM) == 0;
    CSize size = CalcFixedLayout(params->bStretch, TRUE);
    int height = std::min((int)size.cy, free.Height());
    CRect place(free.left, top ? free.top : free.bottom - height, free.right, 0);
    place.bottom = place.top + height;
    if (top)
        params->rect.top += height;
    else
        params->rect.bottom -= height;
    params->sizeTotal.cy += height;
    params->sizeTotal.cx = std::max(params->sizeTotal.cx, (LONG)place.Width());
    if (params->hDWP != NULL)
        params->hDWP = ::DeferWindowPos(params->hDWP, m_hWnd, NULL, place.left, place.top, place.Width(),
                                        place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void AfxRepositionBars(CWnd* window, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                       LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS params;
    params.hDWP = (nFlag & reposQuery) != 0 ? NULL : ::BeginDeferWindowPos(8);
    if (lpRectClient != NULL)
        params.rect = *lpRectClient;
    else
        ::GetClientRect(window->GetSafeHwnd(), &params.rect);
    params.sizeTotal.cx = params.sizeTotal.cy = 0;
    params.bStretch = bStretch;
    HWND leftOver = NULL;
    for (HWND child = ::GetTopWindow(window->GetSafeHwnd()); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        UINT id = (UINT)::GetDlgCtrlID(child);
        if (id == nIDLeftOver)
            leftOver = child;
        else if (id >= nIDFirst && id <= nIDLast && CWnd::FromHandlePermanent(child) != NULL)
            ::SendMessage(child, WM_SIZEPARENT, 0, (LPARAM)&params);
    }
    if ((nFlag & reposQuery) != 0)
    {
        if (lpRectParam != NULL)
        {
            if (bStretch)
                *lpRectParam = params.rect;
            else
                ::SetRect(lpRectParam, 0, 0, params.sizeTotal.cx, params.sizeTotal.cy);
        }
        return;
    }
    if (lpRectParam != NULL && (nFlag & reposExtra) != 0)
    {
        params.rect.left += lpRectParam->left;
        params.rect.top += lpRectParam->top;
        params.rect.right -= lpRectParam->right;
        params.rect.bottom -= lpRectParam->bottom;
    }
    if (leftOver != NULL && params.hDWP != NULL)
        params.hDWP = ::DeferWindowPos(params.hDWP, leftOver, NULL, params.rect.left, params.rect.top,
                                       params.rect.right - params.rect.left, params.rect.bottom - params.rect.top,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
    if (params.hDWP != NULL)
        ::EndDeferWindowPos(params.hDWP);
}
