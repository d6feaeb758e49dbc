#include "afx/files/File.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{
CString FullPath(LPCTSTR lpszFileName)
{
    CString strPath;
    LPTSTR lpszFilePart = NULL;
    DWORD nLen = GetFullPathNameA(lpszFileName, MAX_PATH, strPath.GetBuffer(MAX_PATH), &lpszFilePart);
    strPath.ReleaseBuffer(nLen > 0 && nLen < MAX_PATH ? (int)nLen : 0);
    if (strPath.IsEmpty())
        strPath = lpszFileName;
    return strPath;
}
} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    // A file still open from before would otherwise leak its handle.
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
    m_bCloseOnDelete = FALSE;
    m_hFile = hFileNull;
    m_strFileName.Empty();
    if (lpszFileName == NULL || *lpszFileName == '\0')
    {
        if (pError != NULL)
        {
            pError->m_cause = CFileException::badPath;
            pError->m_lOsError = ERROR_INVALID_NAME;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_strFileName = FullPath(lpszFileName);

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }

    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite:
        dwShareMode = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShareMode = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default: // shareCompat and shareExclusive
        dwShareMode = 0;
        break;
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD dwCreateFlag = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    HANDLE hFile = CreateFileA(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pError != NULL)
        {
            LONG lOsError = (LONG)GetLastError();
            pError->m_lOsError = lOsError;
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD dwWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    DWORD dwMethod = (nFrom == begin) ? FILE_BEGIN : (nFrom == current) ? FILE_CURRENT : FILE_END;
    SetLastError(NO_ERROR);
    DWORD dwNew = SetFilePointer(m_hFile, lOff, NULL, dwMethod);
    if (dwNew == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return (LONG)dwNew;
}

DWORD CFile::GetPosition() const
{
    SetLastError(NO_ERROR);
    DWORD dwPos = SetFilePointer(m_hFile, 0, NULL, FILE_CURRENT);
    if (dwPos == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return dwPos;
}

DWORD CFile::GetLength() const
{
    SetLastError(NO_ERROR);
    DWORD dwLen = GetFileSize(m_hFile, NULL);
    if (dwLen == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
    return dwLen;
}

void CFile::SetLength(DWORD dwNewLen)
{
    Seek((LONG)dwNewLen, begin);
    if (!SetEndOfFile(m_hFile))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    DWORD dwError = NO_ERROR;
    if (m_hFile != hFileNull)
    {
        bError = !CloseHandle(m_hFile);
        if (bError)
            dwError = GetLastError();
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError((LONG)dwError, strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    CFile* pFile = new CFile;
    HANDLE hDuplicate = NULL;
    if (!DuplicateHandle(GetCurrentProcess(), m_hFile, GetCurrentProcess(), &hDuplicate, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
    {
        DWORD dwError = GetLastError();
        delete pFile;
        CFileException::ThrowOsError((LONG)dwError, m_strFileName);
    }
    pFile->m_hFile = hDuplicate;
    pFile->m_bCloseOnDelete = m_bCloseOnDelete;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

void CFile::LockRange(DWORD dwPos, DWORD dwCount)
{
    if (!LockFile(m_hFile, dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

void CFile::UnlockRange(DWORD dwPos, DWORD dwCount)
{
    if (!UnlockFile(m_hFile, dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}

UINT CFile::GetBufferPtr(UINT, UINT, void** ppBufStart, void** ppBufMax)
{
    if (ppBufStart != NULL)
        *ppBufStart = NULL;
    if (ppBufMax != NULL)
        *ppBufMax = NULL;
    return 0;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    memset(&rStatus, 0, sizeof(rStatus));
    lstrcpynA(rStatus.m_szFullName, m_strFileName, MAX_PATH);
    if (m_hFile == hFileNull)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    rStatus.m_size = (LONG)info.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(info.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    return TRUE;
}

CString CFile::GetFileName() const
{
    int nSlash = -1;
    for (int i = m_strFileName.GetLength() - 1; i >= 0; --i)
    {
        TCHAR ch = m_strFileName[i];
        if (ch == '\\' || ch == '/' || ch == ':')
        {
            nSlash = i;
            break;
        }
    }
    return m_strFileName.Mid(nSlash + 1);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    memset(&rStatus, 0, sizeof(rStatus));
    if (lpszFileName == NULL || *lpszFileName == '\0')
        return FALSE;
    // Wildcards would make the name match other files.
    if (strpbrk(lpszFileName, "*?") != NULL)
        return FALSE;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_size = (LONG)data.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(data.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    lstrcpynA(rStatus.m_szFullName, FullPath(lpszFileName), MAX_PATH);
    return TRUE;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName))
        CFileException::ThrowOsError((LONG)GetLastError(), lpszFileName);
}
