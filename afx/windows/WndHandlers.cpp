// CWnd's default message handlers, the destruction sequence and the
// owner-draw routing of menu items.
#include "afx/windows/Wnd.h"
#include "afx/controls/Menu.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinThread.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
        pThread->m_pMainWnd = NULL;

    Default();

    // A modal loop of a window that is gone has nothing left to wait for.
    m_nFlags &= ~WF_CONTINUEMODAL;

    // Give a subclassed window its own procedure back, then let go of it.
    if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    Detach();
    // Last use of the object: PostNcDestroy may delete it.
    PostNcDestroy();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // Menu items are drawn by the permanent menu object they belong to.
    if (lpDrawItemStruct->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (pMenu != NULL)
        {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    // WM_MEASUREITEM names no menu: the item is looked up in the menu being
    // tracked, then in this window's own menus.
    if (lpMeasureItemStruct->CtlType == ODT_MENU)
    {
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        HMENU candidates[] = {pState->m_hTrackingMenu, ::GetMenu(m_hWnd), ::GetSystemMenu(m_hWnd, FALSE)};
        for (HMENU hMenu : candidates)
        {
            if (hMenu == NULL || !::IsMenu(hMenu))
                continue;
            HMENU hOwner = CMenu::FindPopupMenuFromID(hMenu, lpMeasureItemStruct->itemID);
            CMenu* pMenu = hOwner != NULL ? CMenu::FromHandlePermanent(hOwner) : NULL;
            if (pMenu != NULL)
            {
                pMenu->MeasureItem(lpMeasureItemStruct);
                return;
            }
        }
        // An item that opens a sub-menu has no command id to search for: the
        // menu being tracked measures it.
        CMenu* pTracked = CMenu::FromHandlePermanent(pState->m_hTrackingMenu);
        if (pTracked != NULL)
        {
            pTracked->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    Default();
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

void CWnd::OnPaint()
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return (HBRUSH)Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return (HCURSOR)Default();
}

LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
    return Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnTimer(UINT)
{
    Default();
}

void CWnd::OnEnable(BOOL)
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    return (BOOL)Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}

void CWnd::OnCancelMode()
{
    Default();
}

UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnStyleChanged(int, LPSTYLESTRUCT)
{
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

BOOL CWnd::OnQueryNewPalette()
{
    return (BOOL)Default();
}

void CWnd::OnPaletteChanged(CWnd*)
{
    Default();
}
