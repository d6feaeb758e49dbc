// CWinApp: the one application object: start-up data, the profile kept in
// the registry, message boxes, help and the wait cursor.
#pragma once

#include "afx/app/WinThread.h"

class CCommandLineInfo;
class CDocument;
class CDocTemplate;
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    // Registers this object as the application (AfxGetApp).
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;       // the application's name (message-box caption)
    LPCTSTR m_pszExeName;       // the executable's name without extension
    LPCTSTR m_pszHelpFilePath;  // the executable's path with ".HLP" for its extension
    LPCTSTR m_pszProfileName;   // the profile name under the company key
    LPCTSTR m_pszRegistryKey;   // the company key; null: profile in an .INI file
    DWORD m_dwPromptContext;    // help context of the message box being shown

    // Takes the instance handle, the names and paths of the application
    // (the title string AFX_IDS_APP_TITLE when there is no name yet).
    void SetCurrentHandles();

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);

    // Shows a message box owned by the safe owner with the application's name
    // as its caption; an exclamation icon is added to icon-less OK,
    // OK/Cancel, Yes/No and Yes/No/Cancel boxes.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);

    // ----- profile: HKEY_CURRENT_USER\Software\<company>\<profile>\<section>
    // The profile name falls back to the application's name when empty.
    void SetRegistryKey(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName);
    // The application's key and a section's key, created when missing; the
    // caller closes them. Null when the registry cannot be opened.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A null entry deletes the section, a null value the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // Typed values built on the four calls above by the program's settings
    // code: numbers as decimal text, texts of any length, and maps from texts
    // to numbers (the program's map class derives from this CMap).
    DWORD GetProfileNumber(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwDefault);
    BOOL WriteProfileNumber(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwValue);
    CString GetProfileLongString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault);
    BOOL WriteProfileLongString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    void GetProfileNumberMap(LPCTSTR lpszSection, LPCTSTR lpszEntry,
                             const CMap<CString, LPCTSTR, int, int>* pDefault,
                             CMap<CString, LPCTSTR, int, int>& map);
    BOOL WriteProfileNumberMap(LPCTSTR lpszSection, LPCTSTR lpszEntry, const CMap<CString, LPCTSTR, int, int>& map);

    // ----- command line: arguments from 1; '-' or '/' marks a flag
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    // ----- wait cursor, counted: +1 begins, -1 ends, 0 restores it
    virtual void DoWaitCursor(int nCode);
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    // No in-place frames exist to be told; kept for callers.
    virtual void EnableModeless(BOOL bEnable);
    // Three-dimensional controls are the system's own nowadays.
    BOOL Enable3dControlsStatic() { return TRUE; }
    BOOL Enable3dControls() { return TRUE; }

    // Commands a main frame would route here; with no documents and no
    // recent-file list they do nothing, and the exit command closes the main
    // window.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg void OnAppExit();

protected:
    DECLARE_MESSAGE_MAP()
};

CWinApp* AFXAPI AfxGetApp();
LPCTSTR AFXAPI AfxGetAppName();
// The name AfxGetAppName answers; SetCurrentHandles sets it.
void AFXAPI AfxSetAppName(LPCTSTR lpszAppName);

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Counts the wait cursor through the application when there is one.
void AFXAPI AfxDoWaitCursor(int nCode);

BOOL AFXAPI AfxOleInit();

// Start-up and termination of the program.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxWinTerm();
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Runs first in AfxWinInit, before the application takes its names: the
// terminology map gets its bucket table there. Installed by the program.
typedef void (AFXAPI* AFX_WININIT_HOOK)();
void AFXAPI AfxSetWinInitHook(AFX_WININIT_HOOK pfnHook);
AFX_WININIT_HOOK AFXAPI AfxGetWinInitHook();
