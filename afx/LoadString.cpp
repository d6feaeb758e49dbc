#include "afx/LoadString.h"

HINSTANCE afxCurrentInstanceHandle = NULL;
HINSTANCE afxCurrentResourceHandle = NULL;

namespace
{
AFX_TOKEN_EXPANDER g_pfnTokenExpander = NULL;
} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return afxCurrentInstanceHandle != NULL ? afxCurrentInstanceHandle : GetModuleHandleA(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return afxCurrentResourceHandle != NULL ? afxCurrentResourceHandle : GetModuleHandleA(NULL);
}

void AFXAPI AfxSetTokenExpander(AFX_TOKEN_EXPANDER pfnExpander)
{
    g_pfnTokenExpander = pfnExpander;
}

AFX_TOKEN_EXPANDER AFXAPI AfxGetTokenExpander()
{
    return g_pfnTokenExpander;
}

int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == NULL || nMaxBuf == 0)
        return 0;
    int nLen = LoadStringA(AfxGetResourceHandle(), nID, lpszBuf, (int)nMaxBuf);
    if (nLen <= 0)
    {
        lpszBuf[0] = '\0';
        return 0;
    }
    if (g_pfnTokenExpander == NULL || strchr(lpszBuf, '~') == NULL)
        return nLen;

    CString expanded = g_pfnTokenExpander(lpszBuf);
    int nCopy = expanded.GetLength();
    if (nCopy > (int)nMaxBuf - 1)
        nCopy = (int)nMaxBuf - 1;
    memcpy(lpszBuf, (LPCTSTR)expanded, nCopy);
    lpszBuf[nCopy] = '\0';
    return nCopy;
}
