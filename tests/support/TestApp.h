#pragma once

// An application object whose profile lives below a registry key that only
// tests use ("Software\Mirolf Technologies Ltd\<profile>").

#include "afx/app/AfxWin.h"

class CTestApp : public CWinApp
{
public:
    explicit CTestApp(LPCTSTR profileName) : CWinApp("Kestrova Tests")
    {
        SetRegistryKey("Mirolf Technologies Ltd", profileName);
    }
};
