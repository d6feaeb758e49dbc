// Start-up and termination: AfxWinInit, AfxWinMain, AfxWinTerm, AfxOleInit.
#include "afx/app/WinApp.h"
#include "afx/strings/LoadString.h"
#include "afx/app/ThreadState.h"
#include "afx/windows/Wnd.h"

#include <ole2.h>

namespace
{
AFX_WININIT_HOOK g_pfnWinInitHook = NULL;
BOOL g_bOleInitialized = FALSE;
} // namespace

void AFXAPI AfxSetWinInitHook(AFX_WININIT_HOOK pfnHook)
{
    g_pfnWinInitHook = pfnHook;
}

AFX_WININIT_HOOK AFXAPI AfxGetWinInitHook()
{
    return g_pfnWinInitHook;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    // before anything is stored in the terminology map
    if (g_pfnWinInitHook != NULL)
        g_pfnWinInitHook();

    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    afxCurrentInstanceHandle = hInstance;
    afxCurrentResourceHandle = hInstance;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }

    // the thread state, and the common controls before the first window
    AfxGetThreadState();
    AfxInitCommonControls();
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxDeleteTempMaps();
    if (g_bOleInitialized)
    {
        ::OleUninitialize();
        g_bOleInitialized = FALSE;
    }
}

BOOL AFXAPI AfxOleInit()
{
    if (g_bOleInitialized)
        return TRUE;
    if (FAILED(::OleInitialize(NULL)))
        return FALSE;
    g_bOleInitialized = TRUE;
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();

    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && (pApp == NULL || pApp->InitApplication()))
    {
        // The program runs its main dialog inside InitInstance and then
        // answers FALSE; no message loop of the application's own follows.
        pThread->InitInstance();
        if (pThread->m_pMainWnd != NULL && pThread->m_pMainWnd->m_hWnd != NULL)
            pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
    }
    AfxWinTerm();
    return nReturnCode;
}
