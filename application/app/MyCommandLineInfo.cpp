#include "application/app/MyCommandLineInfo.h"

#include "application/app/AppGlobals.h"
#include "foundation/system/WindowsVersionCode.h"

void CMyCommandLineInfo::ParseParam(LPCTSTR param, BOOL flag, BOOL last)
{
    const CString text = param != NULL ? param : "";
    if (flag && text.CompareNoCase("install") == 0)
    {
        m_installMode = TRUE;
        return;
    }
    if (flag && text.GetLength() >= 7 && text.Left(7).CompareNoCase("winver=") == 0)
    {
        const CString rest = text.Mid(7);
        const int code = rest.GetLength() == 1 ? rest[0] - '0' : -1;
        if (code >= Windows95Osr2Code && code <= WindowsXPCode)
        {
            WindowsVersionCode = code;
            ReloadSystemColours();
        }
        return;
    }
    CCommandLineInfo::ParseParam(param, flag, last);
}
