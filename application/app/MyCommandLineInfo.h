#pragma once
// The program's command line: "/install" writes the settings and ends;
// "/winver=N" (1 to 7) forces the Windows version grade.
#include "afx/app/CommandLineInfo.h"

class CMyCommandLineInfo : public CCommandLineInfo
{
public:
    void ParseParam(LPCTSTR param, BOOL flag, BOOL last) override;

    BOOL m_installMode = FALSE;
};
