#include "afx/strings/LoadString.h"

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

    // A text that filled the buffer may have been cut inside a token, and its
    // expansion may be shorter than the buffer, so that nobody would notice
    // the loss: the whole text is expanded, then cut to the buffer.
    CString strText(lpszBuf, nLen);
    if ((UINT)nLen + 1 >= nMaxBuf)
    {
        for (int nSize = (int)nMaxBuf * 2;; nSize *= 2)
        {
            int nWhole = LoadStringA(AfxGetResourceHandle(), nID, strText.GetBuffer(nSize - 1), nSize);
            strText.ReleaseBuffer(nWhole > 0 ? nWhole : 0);
            if (nWhole < nSize - 1)
                break;
        }
    }

    CString expanded = g_pfnTokenExpander(strText);
    int nCopy = expanded.GetLength();
    if (nCopy > (int)nMaxBuf - 1)
        nCopy = (int)nMaxBuf - 1;
    memcpy(lpszBuf, (LPCTSTR)expanded, nCopy);
    lpszBuf[nCopy] = '\0';
    return nCopy;
}
