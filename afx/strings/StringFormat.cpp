// CString: printf formatting and loading from string resources.
#include "afx/strings/String.h"

#include <stdio.h>

#include "afx/strings/LoadString.h"
#include "afx/core/MemoryException.h"

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    // The arguments may point into this string's own buffer: format into a
    // new string and take it over afterwards. Short results come from one
    // pass into a local buffer; longer ones are sized first.
    TCHAR szShort[256];
    va_list argShort;
    va_copy(argShort, argList);
    int nShort = _vsnprintf(szShort, _countof(szShort), lpszFormat, argShort);
    va_end(argShort);
    if (nShort >= 0 && nShort < (int)_countof(szShort))
    {
        CString result(szShort, nShort);
        *this = static_cast<CString&&>(result);
        return;
    }

    va_list argSize;
    va_copy(argSize, argList);
    int nLength = _vscprintf(lpszFormat, argSize);
    va_end(argSize);
    if (nLength < 0)
        nLength = 0;

    CString result;
    if (nLength > 0)
    {
        LPTSTR lpszBuffer = result.GetBuffer(nLength);
        _vsnprintf(lpszBuffer, nLength + 1, lpszFormat, argList);
        result.ReleaseBuffer(nLength);
    }
    *this = static_cast<CString&&>(result);
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

BOOL CString::LoadString(UINT nID)
{
    // Most strings fit the first buffer; a nearly full one may have been cut
    // short, so try again with a larger one.
    TCHAR szTemp[256];
    int nLen = AfxLoadString(nID, szTemp, _countof(szTemp));
    if ((int)_countof(szTemp) - nLen >= 3)
    {
        *this = szTemp;
        return nLen > 0;
    }
    int nSize = _countof(szTemp);
    do
    {
        nSize += 256;
        nLen = AfxLoadString(nID, GetBuffer(nSize - 1), nSize);
    } while (nSize - nLen < 3);
    ReleaseBuffer(nLen);
    return nLen > 0;
}
