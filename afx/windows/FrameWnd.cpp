#include "afx/windows/FrameWnd.h"

#include "afx/windows/CmdUI.h"
#include "afx/windows/ControlBar.h"
#include "afx/windows/MessageMap.h"
#include "afx/windows/SplitterWnd.h"
#include "afx/app/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_SIZE()
ON_WM_CLOSE()
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle)
{
    HMENU menu = NULL;
    if (lpszMenuName != NULL && (menu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName)) == NULL)
        return FALSE;
    // The default rectangle leaves position and size to the platform.
    const BOOL useDefault = rect.left == CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  useDefault ? CW_USEDEFAULT : rect.right - rect.left, useDefault ? 0 : rect.bottom - rect.top,
                  pParentWnd->GetSafeHwnd(), menu, NULL))
    {
        if (menu != NULL)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1), ::LoadIconA(NULL, (LPCSTR)IDI_APPLICATION));
    cs.style |= FWS_ADDTOTITLE;
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : (IsWindowVisible() ? SW_SHOWNA : SW_SHOW);
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE)
        ::BringWindowToTop(m_hWnd);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    AfxRepositionBars(this, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The frame's own handlers first, then the application object's.
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != NULL && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

LRESULT CFrameWnd::OnQueryEndSession(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CFrameWnd::OnSettingChange(WPARAM wParam, LPARAM lParam)
{
    // The bars may have to take another size (fonts, borders).
    SendMessageToDescendants(WM_SETTINGCHANGE, wParam, lParam, TRUE, TRUE);
    RecalcLayout();
    return Default();
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int key = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : (pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                                                                     : VK_SCROLL);
    pCmdUI->Enable((::GetKeyState(key) & 1) != 0);
}
