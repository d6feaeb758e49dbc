#pragma once

// An application object for the window tests: it records the message boxes
// the framework would show instead of showing them, and the help requests.

#include "afx/app/AfxWin.h"

#include <string>
#include <vector>

class CRecordingApp : public CWinApp
{
public:
    CRecordingApp() : CWinApp("Afx Window Tests") {}

    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
    {
        m_messages.push_back(lpszPrompt);
        return IDOK;
    }

    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd)
    {
        m_helpRequests.push_back((DWORD)dwData);
        (void)nCmd;
    }

    std::vector<std::string> m_messages;
    std::vector<DWORD> m_helpRequests;
};
