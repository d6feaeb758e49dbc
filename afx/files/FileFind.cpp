#include "afx/files/FileFind.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind() : m_bHasFound(FALSE), m_bHasNext(FALSE), m_hContext(NULL)
{
    memset(&m_foundInfo, 0, sizeof(m_foundInfo));
    memset(&m_nextInfo, 0, sizeof(m_nextInfo));
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hContext != NULL && m_hContext != INVALID_HANDLE_VALUE)
        FindClose(m_hContext);
    m_hContext = NULL;
    m_bHasFound = FALSE;
    m_bHasNext = FALSE;
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD)
{
    Close();
    if (pstrName == NULL || *pstrName == '\0')
        pstrName = "*.*";

    m_hContext = FindFirstFileA(pstrName, &m_nextInfo);
    if (m_hContext == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = GetLastError();
        Close();
        SetLastError(dwError);
        return FALSE;
    }
    m_bHasNext = TRUE;

    // The root is the full path of the pattern's folder.
    TCHAR szFull[MAX_PATH];
    LPTSTR lpszFilePart = NULL;
    DWORD nLen = GetFullPathNameA(pstrName, MAX_PATH, szFull, &lpszFilePart);
    if (nLen > 0 && nLen < MAX_PATH && lpszFilePart != NULL)
        m_strRoot = CString(szFull, (int)(lpszFilePart - szFull));
    else
        m_strRoot.Empty();
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_foundInfo = m_nextInfo;
    m_bHasFound = TRUE;
    m_bHasNext = ::FindNextFileA(m_hContext, &m_nextInfo);
    return m_bHasNext;
}

CString CFileFind::GetFileName() const
{
    return m_bHasFound ? CString(m_foundInfo.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_bHasFound ? m_strRoot + m_foundInfo.cFileName : CString();
}

CString CFileFind::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

DWORD CFileFind::GetLength() const
{
    return m_bHasFound ? m_foundInfo.nFileSizeLow : 0;
}

BOOL CFileFind::IsDots() const
{
    if (!m_bHasFound || !IsDirectory())
        return FALSE;
    LPCTSTR lpszName = m_foundInfo.cFileName;
    return lpszName[0] == '.' &&
           (lpszName[1] == '\0' || (lpszName[1] == '.' && lpszName[2] == '\0'));
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_bHasFound && (m_foundInfo.dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (!m_bHasFound || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = m_foundInfo.ftLastWriteTime;
    return TRUE;
}
