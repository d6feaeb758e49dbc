#pragma once
// The application object of the framework tests: a framework application
// with its start-up values and the shared fonts, whose help requests are recorded, and whose
// profile lives below a registry key only tests use.
#include "afx/app/AfxWin.h"
#include "framework/app/FrameworkApp.h"
#include "framework/app/SharedFonts.h"

#include <vector>

class CFrameworkTestApp : public CFrameworkApp
{
public:
    explicit CFrameworkTestApp(LPCTSTR profileName = "Kestrova Framework Tests")
        : CFrameworkApp("Kestrova Framework Tests")
    {
        SetRegistryKey("Mirolf Technologies Ltd", profileName);
        InitStartupValues();
        CreateSharedFonts();
    }
    ~CFrameworkTestApp() override { DeleteSharedFonts(); }

    void WinHelp(DWORD_PTR data, UINT command) override { m_helpRequests.push_back((DWORD)data); }
    afx_msg void OnHelpCommand() { m_helpCommands++; }

    std::vector<DWORD> m_helpRequests;
    int m_helpCommands = 0;

    DECLARE_MESSAGE_MAP()
};

