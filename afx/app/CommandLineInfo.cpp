#include "afx/app/CommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo()
{
}

CCommandLineInfo::~CCommandLineInfo()
{
}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL)
{
    if (!bFlag && m_strFileName.IsEmpty())
        m_strFileName = pszParam;
}
