#include "afx/windows/CmdUI.h"
#include "afx/windows/CmdTarget.h"
#include "afx/controls/Menu.h"
#include "afx/windows/Wnd.h"
#include "afx/strings/LoadString.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0), m_pParentMenu(NULL)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return; // pop-up entries keep their state
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL)
    {
        // A control losing its enabled state hands the focus on first, or the
        // keyboard would be stuck on a disabled control.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            if (hWndParent != NULL)
                ::SendMessageA(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL)
    {
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        MENUITEMINFOA info;
        memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!::GetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info))
            return;
        info.fType |= MFT_RADIOCHECK;
        info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
    }
    else
    {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | (nState & 0xFFFF), m_nID, lpszText);
    }
    else if (m_pOther != NULL)
    {
        AfxSetWindowText(m_pOther->m_hWnd, lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and pop-up openers

    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHandler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }

    // Menu entries are written with terminology tokens; they are expanded the
    // first time the entry is about to be shown.
    if (m_pMenu != NULL && m_pSubMenu == NULL)
    {
        AFX_TOKEN_EXPANDER pfnExpand = AfxGetTokenExpander();
        char szText[512];
        int nLen = ::GetMenuStringA(m_pMenu->m_hMenu, m_nIndex, szText, sizeof(szText), MF_BYPOSITION);
        if (pfnExpand != NULL && nLen > 0 && strchr(szText, '~') != NULL)
        {
            UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION) & 0xFFFF;
            CString strExpanded = pfnExpand(szText);
            ::ModifyMenuA(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | nState, m_nID, strExpanded);
        }
    }
    return bResult;
}

void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    if (lpszNew == NULL)
        lpszNew = "";
    int nNewLen = (int)strlen(lpszNew);
    char szOld[256];
    // Short texts are compared in place; longer ones are simply set.
    if (nNewLen > (int)sizeof(szOld) - 1 || ::GetWindowTextLengthA(hWndCtrl) != nNewLen
        || ::GetWindowTextA(hWndCtrl, szOld, sizeof(szOld)) != nNewLen || strcmp(szOld, lpszNew) != 0)
    {
        ::SetWindowTextA(hWndCtrl, lpszNew);
    }
}

void AFXAPI AfxUpdateMenuItems(CMenu* pPopup, CCmdTarget* pTarget)
{
    if (pPopup == NULL || pTarget == NULL)
        return;
    CCmdUI state;
    state.m_pMenu = pPopup;
    int count = ::GetMenuItemCount(pPopup->m_hMenu);
    state.m_nIndexMax = count > 0 ? (UINT)count : 0;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopup->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1)
            continue; // opens a sub-menu
        state.DoUpdate(pTarget, TRUE);
        // An update handler may have added or removed items.
        count = ::GetMenuItemCount(pPopup->m_hMenu);
        state.m_nIndexMax = count > 0 ? (UINT)count : 0;
    }
}
