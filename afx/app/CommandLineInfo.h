// CCommandLineInfo: receives the command-line arguments one by one.
#pragma once

#include "afx/core/AfxCore.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    virtual ~CCommandLineInfo();

    // Called for every argument; pszParam is without its '-' or '/' when
    // bFlag is set. The base keeps the first plain argument as the file name.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    CString m_strFileName;
};
