#include "application/config/FileCopier.h"

#include "foundation/files/FileErrors.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/PathText.h"
#include "framework/messages/MessageRoutines.h"

#include <stdio.h>
#include <sys/stat.h>

#include <vector>

IMPLEMENT_DYNAMIC(CFileCopier, CObject)

namespace
{
const DWORD COPY_BLOCK = 32768;

enum PathState
{
    PATH_MISSING,
    PATH_REGULAR,
    PATH_OTHER
};

PathState StatePath(LPCTSTR path, DWORD* size)
{
    struct _stat info;
    if (_stat(path, &info) != 0)
        return PATH_MISSING;
    if ((info.st_mode & _S_IFMT) != _S_IFREG)
        return PATH_OTHER;
    if (size != NULL)
        *size = (DWORD)info.st_size;
    return PATH_REGULAR;
}

void ReportFileError(int code, LPCTSTR path, LPCTSTR format = "%s")
{
    ShowError(NULL, 0, format, (LPCTSTR)FormatFileError(code, path, 0));
}
}  // namespace

CFileCopier::CFileCopier() : m_bAskBeforeOverwrite(TRUE), m_bDeleteOnFailure(FALSE) {}

void CFileCopier::AddFile(LPCTSTR source, LPCTSTR destination)
{
    m_sources.Add(NormalizePath(source));
    m_destinations.Add(NormalizePath(destination));
}

BOOL CFileCopier::CheckPair(int index, DWORD& size)
{
    const CString& source = m_sources[index];
    const CString& destination = m_destinations[index];
    if (StatePath(source, &size) != PATH_REGULAR)
    {
        ShowError(NULL, 0, "Can't access source file %s - it either doesn't exist or is not a normal file.",
                  (LPCTSTR)source);
        return FALSE;
    }
    const PathState target = StatePath(destination, NULL);
    if (target == PATH_OTHER)
    {
        ShowError(NULL, 0, "%s exists but is not a normal file.", (LPCTSTR)destination);
        return FALSE;
    }
    if (target == PATH_REGULAR && m_bAskBeforeOverwrite &&
        !AskYesNoDefaultNo(NULL, 0, "%s already exists.\n\nDo you want to overwrite it?", (LPCTSTR)destination))
        return FALSE;
    return TRUE;
}

// Copies one pair and reports a failure once; opened tells whether the
// destination was opened for writing (and so holds a partial copy on failure).
BOOL CFileCopier::CopyOne(int index, DWORD size, char* buffer, BOOL& opened)
{
    const CString& source = m_sources[index];
    const CString& destination = m_destinations[index];
    FILETIME writeTime;
    FILE* input = GetFileWriteTime(source, writeTime) ? OpenFileStream(source, "rb") : NULL;
    if (input == NULL)
    {
        ReportFileError(FILE_ERROR_OPEN_READ, source);
        return FALSE;
    }
    FILE* output = OpenFileStream(destination, "wb");
    if (output == NULL)
    {
        CloseFileStream(input);
        ReportFileError(FILE_ERROR_OPEN_WRITE, destination, "%s - is this disk full?");
        return FALSE;
    }
    opened = TRUE;
    DWORD done = 0;
    BOOL failed = FALSE;
    while (done < size)
    {
        const size_t block = (size_t)(size - done < COPY_BLOCK ? size - done : COPY_BLOCK);
        if (fread(buffer, 1, block, input) != block)
        {
            ReportFileError(FILE_ERROR_READ, source);
            failed = TRUE;
            break;
        }
        if (fwrite(buffer, 1, block, output) != block)
        {
            ReportFileError(FILE_ERROR_WRITE, destination, "%s - is this disk full?");
            failed = TRUE;
            break;
        }
        done += (DWORD)block;
    }
    CloseFileStream(input);
    if (CloseFileStream(output) != 0)
    {
        if (!failed)
            ReportFileError(FILE_ERROR_CLOSE, destination);
        return FALSE;
    }
    if (failed)
        return FALSE;
    if (!SetFileTimes(destination, writeTime))
    {
        ReportFileError(FILE_ERROR_SET_TIMESTAMP, destination);
        return FALSE;
    }
    return TRUE;
}

int CFileCopier::CopyFiles(CWnd* owner, LPCTSTR text, LPCTSTR title)
{
    const int count = (int)m_sources.GetSize();
    std::vector<DWORD> sizes((size_t)count, 0);
    for (int i = 0; i < count; i++)
    {
        if (!CheckPair(i, sizes[(size_t)i]))
            return 0;
    }
    if (count == 0)
        return 0;

    std::vector<char> buffer(COPY_BLOCK);
    CStringArray completed;
    BOOL failed = FALSE;
    for (int i = 0; i < count && !failed; i++)
    {
        BOOL opened = FALSE;
        if (CopyOne(i, sizes[(size_t)i], buffer.data(), opened))
            completed.Add(m_destinations[i]);
        else
        {
            failed = TRUE;
            // A partial copy is worth nothing: with delete-on-failure it goes
            // too, when this copier wrote it (the destination opened).
            if (opened)
                completed.Add(m_destinations[i]);
        }
    }
    if (failed && m_bDeleteOnFailure)
    {
        for (int i = 0; i < completed.GetSize(); i++)
            ::DeleteFileA(completed[i]);
    }
    return failed ? 0 : 1;
}
