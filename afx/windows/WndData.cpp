// CWnd: data exchange with the controls and command-UI update of dialog
// controls.
#include "afx/windows/Wnd.h"
#include "afx/windows/CmdUI.h"
#include "afx/dialogs/DataExchange.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinApp.h"

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);

    // Controls notify as their texts are set; those notifications must not
    // reach handlers while the exchange runs.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;

    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CUserException* e)
    {
        // the failing exchange function has told the user already
        e->Delete();
    }
    catch (CException* e)
    {
        AfxMessageBox(e->IsKindOf(RUNTIME_CLASS(CMemoryException)) ? "Out of memory."
                                                                     : "The data could not be exchanged.",
                      MB_ICONSTOP);
        e->Delete();
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    CCmdUI state;
    CWnd wndTemp; // a transient wrapper of each child in turn
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        wndTemp.m_hWnd = hWndChild;
        state.m_pOther = &wndTemp;
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild) & 0xFFFF;

        // the control's own reflected update handler, without routing
        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild != NULL
            && pChild->CCmdTarget::OnCmdMsg(0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, NULL))
            continue;

        // this window's own update handler
        if (CCmdTarget::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;

        // Only push-like buttons are disabled for want of a handler.
        BOOL bDisable = bDisableIfNoHandler;
        if (bDisable)
        {
            if ((::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
            {
                bDisable = FALSE;
            }
            else
            {
                UINT nStyle = (UINT)(::GetWindowLongA(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX
                    || nStyle == BS_AUTORADIOBUTTON)
                    bDisable = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisable);
    }
    wndTemp.m_hWnd = NULL;
}
