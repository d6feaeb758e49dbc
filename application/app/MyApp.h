#pragma once
// The program's application object: start-up in a fixed order, then the main
// dialog as the program's main loop; the exit releases what start-up made.
#include "framework/app/FrameworkApp.h"

class CMyApp : public CFrameworkApp
{
public:
    CMyApp();
    ~CMyApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnIdle(LONG count) override;
    BOOL IsIdleMessage(MSG* msg) override;
    void WinHelp(DWORD_PTR data, UINT command) override;

    void SetAppName(LPCTSTR name);
    CString GetAppName() const;
    // The About heading: name, version and build text in one line.
    CString GetAboutHeading() const;
    CString BuildAboutText() const;

    CString m_version;

protected:
    // The application commands (each runs or updates its command object).
    afx_msg void OnVisitWebSite();
    afx_msg void OnUpdateVisitWebSite(CCmdUI* pCmdUI);
    afx_msg void OnSendMail();
    afx_msg void OnUpdateSendMail(CCmdUI* pCmdUI);
    afx_msg void OnNewDatabase();
    afx_msg void OnUpdateNewDatabase(CCmdUI* pCmdUI);
    afx_msg void OnOpenDatabase();
    afx_msg void OnUpdateOpenDatabase(CCmdUI* pCmdUI);
    afx_msg BOOL OnRecentFileCommand(UINT id);
    afx_msg void OnUpdateRecentFileCommand(CCmdUI* pCmdUI);
    afx_msg void OnExitCommand();
    afx_msg void OnUpdateExitCommand(CCmdUI* pCmdUI);
    afx_msg void OnAboutCommand();
    afx_msg void OnUpdateAboutCommand(CCmdUI* pCmdUI);
    afx_msg void OnConfigurePrompts();
    afx_msg void OnUpdateConfigurePrompts(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // The steps of InitInstance before the main window; FALSE ends the program.
    BOOL InitStartup();
    void CheckDefaultPrinter();
    // Writes every setting and ends the process.
    void RunInstallation();
    void RunMainDialog();

    CString m_appName;
};

// The one application object.
CMyApp* GetMyApp();

// What the help command says when the help file is missing: its name and the
// web site where it can be had.
CString MissingHelpFileMessage(LPCTSTR fileName);
