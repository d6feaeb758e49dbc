#include "afx/app/WinThread.h"
#include "afx/app/ThreadState.h"
#include "afx/app/WinApp.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_pMainWnd(NULL), m_ptCursorLast(-1, -1), m_nMsgLast(0)
{
    memset(&m_msgCur, 0, sizeof(m_msgCur));
}

CWinThread::~CWinThread()
{
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    AfxDeleteTempMaps();
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndMain = pMainWnd->GetSafeHwnd();
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    if (hWndMain != NULL && pMsg->hwnd != NULL && pMsg->hwnd != hWndMain && !::IsChild(hWndMain, pMsg->hwnd))
    {
        // a window outside the main window's tree
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = CPoint(pMsg->pt.x, pMsg->pt.y);
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    AfxDeleteTempMaps();
    return lCount < 1;
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pDefaultThread == NULL)
        pState->m_pDefaultThread = new CWinThread;
    return pState->m_pDefaultThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->m_pMainWnd : NULL;
}
