#include "afx/controls/Menu.h"
#include "afx/app/ThreadState.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace
{
typedef CTemporaryWrapper<CMenu, HMENU, &CMenu::m_hMenu> CTempMenu;

CHandleMap* MenuMap()
{
    return AfxGetHandleMap(&AFX_THREAD_STATE::m_pMenuMap, CTempMenu::Construct, CTempMenu::Release);
}
} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return (CMenu*)MenuMap()->FromHandle(hMenu);
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu != NULL ? (CMenu*)MenuMap()->LookupPermanent(hMenu) : NULL;
}

void PASCAL CMenu::DeleteTempMap()
{
    MenuMap()->DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == NULL)
        return FALSE;
    m_hMenu = hMenu;
    MenuMap()->AttachObject(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    MenuMap()->DetachObject(hMenu, this);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HMENU hOldMenu = pState->m_hTrackingMenu;
    HWND hOldWindow = pState->m_hTrackingWindow;
    pState->m_hTrackingMenu = m_hMenu;
    pState->m_hTrackingWindow = pWnd->GetSafeHwnd();
    BOOL bResult = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
    pState->m_hTrackingMenu = hOldMenu;
    pState->m_hTrackingWindow = hOldWindow;
    return bResult;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

HMENU PASCAL CMenu::FindPopupMenuFromID(HMENU hMenu, UINT nID)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu != NULL)
        {
            HMENU hFound = FindPopupMenuFromID(hSubMenu, nID);
            if (hFound != NULL)
                return hFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
        {
            return hMenu;
        }
    }
    return NULL;
}
