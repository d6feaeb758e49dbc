#pragma once
// The program's application object: start-up in a fixed order, then the main
// dialog as the program's main loop; the exit releases what start-up made.
#include "framework/app/FrameworkApp.h"

class CMyApp : public CFrameworkApp
{
public:
    CMyApp();

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
