// The common window procedure, message dispatch through the message maps,
// command and notification routing, reflection to controls, and the binding of
// new windows to their objects.
#include "afx/windows/Wnd.h"
#include "afx/core/CallbackBarrier.h"
#include "afx/gdi/DC.h"
#include "afx/controls/Menu.h"
#include "afx/windows/MessageCracking.h"
#include "afx/windows/EnabledStateCmdUI.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinApp.h"

LRESULT AFXAPI AfxProcessWndProcException(CException* e, HWND hWnd, UINT nMsg)
{
    if (e == NULL || !e->IsKindOf(RUNTIME_CLASS(CUserException)))
    {
        if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
            AfxMessageBox("Out of memory.", MB_ICONSTOP);
        else
            AfxMessageBox("The operation failed because of an unexpected error.", MB_ICONSTOP);
    }
    if (nMsg == WM_CREATE)
        return -1; // the creation fails
    if (nMsg == WM_INITDIALOG)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && (pWnd->m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)))
            pWnd->EndModalLoop(-1);
        else
            ::EndDialog(hWnd, -1);
    }
    if (nMsg == WM_PAINT)
        ::ValidateRect(hWnd, NULL); // or WM_PAINT comes back for ever
    return 0;
}

namespace
{
// Finishes the detaching of a window whose object did not get to it at
// WM_NCDESTROY (a handler that did not call the base).
void FinishNcDestroy(HWND hWnd, CWnd* pWnd)
{
    if (CWnd::FromHandlePermanent(hWnd) != pWnd)
        return; // done by CWnd::OnNcDestroy; pWnd may be gone
    if (pWnd->m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pWnd->m_pfnSuper);
    pWnd->m_pfnSuper = NULL;
    pWnd->Detach();
    pWnd->PostNcDestroy();
}

// The control that an owner-draw, colour or scroll message is about.
HWND ChildOfMessage(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT* pDIS = (const DRAWITEMSTRUCT*)lParam;
        return pDIS != NULL && pDIS->CtlType != ODT_MENU ? pDIS->hwndItem : NULL;
    }
    case WM_MEASUREITEM:
    {
        const MEASUREITEMSTRUCT* pMIS = (const MEASUREITEMSTRUCT*)lParam;
        return pMIS != NULL && pMIS->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, pMIS->CtlID) : NULL;
    }
    case WM_COMPAREITEM:
        return lParam != 0 ? ((const COMPAREITEMSTRUCT*)lParam)->hwndItem : NULL;
    case WM_DELETEITEM:
        return lParam != 0 ? ((const DELETEITEMSTRUCT*)lParam)->hwndItem : NULL;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return (HWND)lParam;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return (HWND)lParam;
    (void)wParam;
    return NULL;
}

BOOL ReflectMessage(CWnd* pParent, HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    if (pChild == NULL || pChild == pParent)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (nCode == HCBT_CREATEWND && pState->m_pWndInit != NULL)
    {
        HWND hWnd = (HWND)wParam;
        char szClass[8];
        // Input-method windows that the system makes on the side are not ours.
        BOOL bIme = ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, "IME") == 0;
        if (!bIme)
        {
            CWnd* pWndInit = pState->m_pWndInit;
            pState->m_pWndInit = NULL;
            try
            {
                pWndInit->Attach(hWnd);
                pWndInit->PreSubclassWindow();
                WNDPROC pfnOld = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
                if (pfnOld != AfxWndProc)
                {
                    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
                    pWndInit->m_pfnSuper = pfnOld;
                }
            }
            catch (CException* e)
            {
                e->Delete();
            }
            catch (...)
            {
            }
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, nCode, wParam, lParam);
}
} // namespace

void AFXAPI AfxInitCommonControls()
{
    static bool bDone = false;
    if (bDone)
        return;
    bDone = true;
    INITCOMMONCONTROLSEX init;
    init.dwSize = sizeof(init);
    init.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES
                 | ICC_TREEVIEW_CLASSES | ICC_UPDOWN_CLASS;
    ::InitCommonControlsEx(&init);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AfxInitCommonControls();
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return AfxCallbackBarrier<LRESULT>(0, hWnd, nMsg, [&]() -> LRESULT {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == NULL)
            return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
    });
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CLastSentMessageScope lastSent(pState, hWnd, nMsg, wParam, lParam);
    ++pState->m_nDispatchDepth;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = AfxProcessWndProcException(e, hWnd, nMsg);
        e->Delete();
    }
    catch (...)
    {
        lResult = AfxProcessWndProcException(NULL, hWnd, nMsg);
    }

    --pState->m_nDispatchDepth;
    if (nMsg == WM_NCDESTROY)
        FinishNcDestroy(hWnd, pWnd);
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    pMsg->time = ::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(dwPos);
    pMsg->pt.y = (short)HIWORD(dwPos);
    return pMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // Owner-draw, colour and scroll messages go to the control's own object
    // first; the parent's handling runs only when the control declines.
    HWND hWndChild = ChildOfMessage(m_hWnd, message, wParam, lParam);
    if (hWndChild != NULL && ReflectMessage(this, hWndChild, message, wParam, lParam, &lResult))
    {
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // The colour messages of every kind of control share one entry, WM_CTLCOLOR.
    UINT nLookup = message;
    AFX_CTLCOLOR ctl = {NULL, NULL, 0};
    AFX_CRACKED_MESSAGE msg = {wParam, lParam, NULL};
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        nLookup = WM_CTLCOLOR;
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        msg.pCtl = &ctl;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nLookup, 0, 0);
    return pEntry != NULL && AfxCallMessageHandler(this, pEntry, msg, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        // A command from a menu, an accelerator or a posted id: dropped when
        // its update handler disables it.
        if (nID == 0)
            return FALSE;
        CEnabledStateCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE; // data exchange is running
        LRESULT lResult = 0;
        if (ReflectMessage(this, hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    // The sender's own id: a tooltip (id 0) names its tool only in idFrom.
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl) & 0xFFFF;
    int nCode = pNMHDR->code;

    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectMessage(this, hWndCtrl, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        AFX_CTLCOLOR ctl;
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = m_hWnd;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
    }
    return FALSE;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == NULL)
        return FALSE;
    return pChild->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}
