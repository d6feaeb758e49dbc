// CString: pieces, search, case, trimming, replacing and comparison.
#include "afx/strings/String.h"

#include <stdlib.h>

namespace
{
// The C runtime's whitespace in the "C" locale; bytes above 127 never are.
inline bool IsWhitespace(TCHAR ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

inline bool IsInSet(TCHAR ch, LPCTSTR lpszSet)
{
    return ch != '\0' && lpszSet != NULL && strchr(lpszSet, ch) != NULL;
}
} // namespace

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    CString dest;
    AllocCopy(dest, nCount, nFirst, 0);
    return dest;
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLength)
        nCount = nLength;
    return Mid(nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strspn(m_pchData, lpszCharSet));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strcspn(m_pchData, lpszCharSet));
}

void CString::MakeUpper()
{
    CopyBeforeWrite();
    for (TCHAR* p = m_pchData; *p != '\0'; ++p)
    {
        if (*p >= 'a' && *p <= 'z')
            *p = (TCHAR)(*p - 'a' + 'A');
    }
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    for (TCHAR* p = m_pchData; *p != '\0'; ++p)
    {
        if (*p >= 'A' && *p <= 'Z')
            *p = (TCHAR)(*p - 'A' + 'a');
    }
}

void CString::MakeReverse()
{
    CopyBeforeWrite();
    int nLength = GetLength();
    for (int i = 0, j = nLength - 1; i < j; ++i, --j)
    {
        TCHAR ch = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = ch;
    }
}

// Trimming writes only when there is something to remove, so a shared
// string without such characters stays shared; a private buffer is cut in
// place.

void CString::KeepRange(int nFirst, int nCount)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1)
    {
        *this = Mid(nFirst, nCount);
        return;
    }
    if (nCount == 0)
    {
        Empty();
        return;
    }
    memmove(m_pchData, m_pchData + nFirst, nCount);
    pData->nDataLength = nCount;
    m_pchData[nCount] = '\0';
}

void CString::TrimRight()
{
    int nLength = GetLength();
    int nKeep = nLength;
    while (nKeep > 0 && IsWhitespace(m_pchData[nKeep - 1]))
        --nKeep;
    if (nKeep != nLength)
        KeepRange(0, nKeep);
}

void CString::TrimRight(TCHAR chTarget)
{
    int nLength = GetLength();
    int nKeep = nLength;
    while (nKeep > 0 && m_pchData[nKeep - 1] == chTarget)
        --nKeep;
    if (nKeep != nLength)
        KeepRange(0, nKeep);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    int nLength = GetLength();
    int nKeep = nLength;
    while (nKeep > 0 && IsInSet(m_pchData[nKeep - 1], lpszTargets))
        --nKeep;
    if (nKeep != nLength)
        KeepRange(0, nKeep);
}

void CString::TrimLeft()
{
    int nLength = GetLength();
    int nSkip = 0;
    while (nSkip < nLength && IsWhitespace(m_pchData[nSkip]))
        ++nSkip;
    if (nSkip != 0)
        KeepRange(nSkip, nLength - nSkip);
}

void CString::TrimLeft(TCHAR chTarget)
{
    int nLength = GetLength();
    int nSkip = 0;
    while (nSkip < nLength && m_pchData[nSkip] == chTarget)
        ++nSkip;
    if (nSkip != 0)
        KeepRange(nSkip, nLength - nSkip);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    int nLength = GetLength();
    int nSkip = 0;
    while (nSkip < nLength && IsInSet(m_pchData[nSkip], lpszTargets))
        ++nSkip;
    if (nSkip != 0)
        KeepRange(nSkip, nLength - nSkip);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    if (chOld == chNew)
        return 0;
    int nLength = GetLength();
    int nCount = 0;
    for (int i = 0; i < nLength; ++i)
    {
        if (m_pchData[i] == chOld)
        {
            if (nCount++ == 0)
                CopyBeforeWrite();
            m_pchData[i] = chNew;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrlen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeStrlen(lpszNew);
    int nCount = 0;
    for (LPCTSTR p = strstr(m_pchData, lpszOld); p != NULL; p = strstr(p + nOldLen, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;

    CString result;
    LPCTSTR pSource = m_pchData;
    LPCTSTR pEnd = m_pchData + GetLength();
    result.GetBuffer(GetLength() + nCount * (nNewLen - nOldLen));
    for (LPCTSTR p = strstr(pSource, lpszOld); p != NULL; p = strstr(pSource, lpszOld))
    {
        result.ConcatInPlace((int)(p - pSource), pSource);
        result.ConcatInPlace(nNewLen, lpszNew);
        pSource = p + nOldLen;
    }
    result.ConcatInPlace((int)(pEnd - pSource), pSource);
    *this = static_cast<CString&&>(result);
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    int nLength = GetLength();
    int nFirst = Find(chRemove);
    if (nFirst < 0)
        return 0;
    CopyBeforeWrite();
    int nWrite = nFirst;
    for (int nRead = nFirst; nRead < nLength; ++nRead)
    {
        if (m_pchData[nRead] != chRemove)
            m_pchData[nWrite++] = m_pchData[nRead];
    }
    GetData()->nDataLength = nWrite;
    m_pchData[nWrite] = '\0';
    return nLength - nWrite;
}

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    int nLength = GetLength();
    if (nStart < 0)
        nStart = 0;
    if (nStart >= nLength)
        return -1;
    const void* p = memchr(m_pchData + nStart, (unsigned char)ch, nLength - nStart);
    return p == NULL ? -1 : (int)((LPCTSTR)p - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    LPCTSTR p = strstr(m_pchData + nStart, lpszSub);
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i)
    {
        if (m_pchData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    LPCTSTR p = strpbrk(m_pchData, lpszCharSet);
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::Compare(LPCTSTR lpsz) const
{
    return strcmp(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _stricmp(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::Collate(LPCTSTR lpsz) const
{
    return strcoll(m_pchData, lpsz != NULL ? lpsz : "");
}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool AFXAPI operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
