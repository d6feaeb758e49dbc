#include "afx/app/WinApp.h"
#include "afx/windows/CmdUI.h"
#include "afx/app/CommandLineInfo.h"
#include "afx/strings/LoadString.h"
#include "afx/app/ThreadState.h"
#include "afx/windows/Wnd.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

// A program with an application object gets the framework's entry point: the
// library's WinMain would otherwise never be pulled in, since only the start-up
// code, which the linker sees last, asks for it.
extern "C" int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
__attribute__((used)) static int(WINAPI* const s_pfnEntryPoint)(HINSTANCE, HINSTANCE, LPSTR, int) = WinMain;

namespace
{
CWinApp* g_pApp = NULL;
LPCTSTR g_pszAppName = NULL;
int g_nWaitCursorCount = 0; // without an application object
HCURSOR g_hcurWaitRestore = NULL;

LPTSTR DupString(LPCTSTR lpsz)
{
    return lpsz != NULL ? _strdup(lpsz) : NULL;
}
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pszAppName(DupString(lpszAppName)), m_pszExeName(NULL), m_pszHelpFilePath(NULL), m_pszProfileName(NULL),
      m_pszRegistryKey(NULL), m_dwPromptContext(0), m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    free((void*)m_pszRegistryKey);
    if (g_pszAppName == m_pszAppName)
        g_pszAppName = NULL;
    if (g_pApp == this)
        g_pApp = NULL;
}

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_pszAppName;
}

void AFXAPI AfxSetAppName(LPCTSTR lpszAppName)
{
    g_pszAppName = lpszAppName;
}

void CWinApp::SetCurrentHandles()
{
    m_hInstance = AfxGetInstanceHandle();

    char szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    if (nLen == 0 || nLen >= MAX_PATH)
        szPath[0] = '\0';

    // the file name without its extension
    const char* pszFile = szPath;
    for (const char* p = szPath; *p != '\0'; ++p)
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            pszFile = p + 1;
    }
    CString strExe(pszFile);
    int nDot = strExe.ReverseFind('.');
    if (nDot >= 0)
        strExe = strExe.Left(nDot);
    if (m_pszExeName == NULL)
        m_pszExeName = DupString(strExe);

    // the full path with ".HLP" in place of its last extension
    if (m_pszHelpFilePath == NULL)
    {
        CString strHelp(szPath);
        int nExtension = strHelp.ReverseFind('.');
        if (nExtension > (int)(pszFile - szPath))
            strHelp = strHelp.Left(nExtension);
        strHelp += ".HLP";
        m_pszHelpFilePath = DupString(strHelp);
    }

    if (m_pszAppName == NULL)
    {
        CString strTitle;
        char szTitle[256];
        if (AfxLoadString(AFX_IDS_APP_TITLE, szTitle, sizeof(szTitle)) != 0)
            m_pszAppName = DupString(szTitle);
        else
            m_pszAppName = DupString(m_pszExeName);
    }
    AfxSetAppName(m_pszAppName);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWinThread::PreTranslateMessage(pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

BOOL CWinApp::IsIdleMessage(MSG* pMsg)
{
    return CWinThread::IsIdleMessage(pMsg);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND hWndTop = NULL;
    HWND hWnd = CWnd::GetSafeOwner_(NULL, &hWndTop);

    // The owner may keep its own help context for prompts.
    DWORD* pdwContext = NULL;
    if (hWnd != NULL)
        pdwContext = (DWORD*)::SendMessageA(hWnd, WM_HELPPROMPTADDR, 0, 0);
    if (pdwContext == NULL)
        pdwContext = &m_dwPromptContext;
    DWORD dwOldContext = *pdwContext;
    if (nIDPrompt != 0)
        *pdwContext = HID_BASE_PROMPT + nIDPrompt;

    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        }
    }
    int nResult = ::MessageBoxA(hWnd, lpszPrompt, m_pszAppName, nType);

    *pdwContext = dwOldContext;
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    ::WinHelpA(pMainWnd->GetSafeHwnd(), m_pszHelpFilePath, nCmd, dwData);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR)
{
    return NULL;
}

BOOL CWinApp::DoPromptFileName(CString&, UINT, DWORD, BOOL, CDocTemplate*)
{
    return FALSE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i + 1 == __argc);
        if (pszParam[0] == '-' || pszParam[0] == '/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrevious = ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrevious;
    }
    else
    {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void AFXAPI AfxDoWaitCursor(int nCode)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->DoWaitCursor(nCode);
        return;
    }
    g_nWaitCursorCount += nCode;
    if (g_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrevious = ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
        if (nCode > 0 && g_nWaitCursorCount == 1)
            g_hcurWaitRestore = hcurPrevious;
    }
    else
    {
        g_nWaitCursorCount = 0;
        ::SetCursor(g_hcurWaitRestore);
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(NULL, lpszCursorName);
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(NULL, lpszIconName);
}

void CWinApp::EnableModeless(BOOL)
{
}

void CWinApp::OnFileNew()
{
}

void CWinApp::OnFileOpen()
{
}

BOOL CWinApp::OnOpenRecentFile(UINT)
{
    return FALSE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CWinApp::OnAppExit()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
        pMainWnd->SendMessage(WM_CLOSE);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    HWND hWndTop = NULL;
    HWND hWnd = CWnd::GetSafeOwner_(NULL, &hWndTop);
    int nResult = ::MessageBoxA(hWnd, lpszText, AfxGetAppName(), nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}
