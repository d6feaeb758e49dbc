// The modal message loop with idle processing, and pre-translation of
// messages along the parent chain.
#include "afx/windows/Wnd.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinThread.h"

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // wake the loop in case it waits for a message
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

BOOL CWnd::ExecuteModalLoopIdle(LONG& lIdleCount, DWORD dwFlags, HWND hWndParent, BOOL& bShowIdle)
{
    if (bShowIdle)
    {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = FALSE;
    }
    if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
        ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);

    // WM_KICKIDLE is how the window updates its controls' state; the
    // application's idle work follows.
    BOOL bMore = FALSE;
    if (!(dwFlags & MLF_NOKICKIDLE))
        bMore = SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount) != 0;
    if (!ContinueModal())
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->OnIdle(lIdleCount))
        bMore = TRUE;
    ++lIdleCount;
    return bMore;
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);

    CWinThread* pThread = AfxGetThread();
    MSG* pMsg = &pThread->m_msgCur;

    for (;;)
    {
        while (bIdle && ContinueModal() && !::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!ExecuteModalLoopIdle(lIdleCount, dwFlags, hWndParent, bShowIdle))
                bIdle = FALSE;
        }
        if (!ContinueModal())
            break;

        do
        {
            if (!pThread->PumpMessage())
            {
                // WM_QUIT: leave it for the loops further out
                ::PostQuitMessage((int)pMsg->wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            // a key before the first idle time shows the window at once
            if (bShowIdle && (pMsg->message == 0x118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                break;
            if (pThread->IsIdleMessage(pMsg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE));
        if (!ContinueModal())
            break;
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL PASCAL CWnd::DisableModalOwner(HWND hWndOwner)
{
    if (hWndOwner == NULL || !::IsWindowEnabled(hWndOwner))
        return FALSE;
    ::EnableWindow(hWndOwner, FALSE);
    return TRUE;
}

void CWnd::EndModalRun(HWND hWndOwner, BOOL bEnableOwner)
{
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    if (m_hWnd != NULL)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    // the owner is enabled before it is activated, so that it can take the
    // activation
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST)
        && (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, lpMsg);
}
