#pragma once

#include "afx/core/Object.h"
#include "afx/strings/String.h"

// Lists the files that match a pattern. FindFile starts the search; each
// FindNextFile makes the next match current and answers FALSE when the match
// it made current is the last one (which is still valid).
class CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)

public:
    CFileFind();
    virtual ~CFileFind();

    // pstrName defaults to "*.*" in the current folder.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    virtual BOOL FindNextFile();
    void Close();

    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual CString GetRoot() const;
    DWORD GetLength() const;

    // "." and "..".
    virtual BOOL IsDots() const;
    virtual BOOL MatchesMask(DWORD dwMask) const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;

protected:
    WIN32_FIND_DATAA m_foundInfo; // the current match
    WIN32_FIND_DATAA m_nextInfo;  // the match the next FindNextFile makes current
    BOOL m_bHasFound;
    BOOL m_bHasNext;
    HANDLE m_hContext;
    CString m_strRoot; // folder of the pattern, ending with a separator
};
