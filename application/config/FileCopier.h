#pragma once
// Copies files pair by pair, keeping each source's time stamp, and reports
// every failure to the user.
#include "afx/core/AfxCore.h"

class CWnd;

class CFileCopier : public CObject
{
    DECLARE_DYNAMIC(CFileCopier)

public:
    CFileCopier();

    // Appends a pair; both paths are normalised.
    void AddFile(LPCTSTR source, LPCTSTR destination);
    // Copies every pair in order; 1 when everything was copied, else 0. The
    // owner, text and title serve a progress window (none without an owner).
    int CopyFiles(CWnd* owner, LPCTSTR text, LPCTSTR title);

    CStringArray m_sources;
    CStringArray m_destinations;
    BOOL m_bAskBeforeOverwrite;  // 1 at construction
    BOOL m_bDeleteOnFailure;     // 0 at construction: also deletes the partial copy

private:
    BOOL CheckPair(int index, DWORD& size);
    BOOL CopyOne(int index, DWORD size, char* buffer, BOOL& opened);
};
