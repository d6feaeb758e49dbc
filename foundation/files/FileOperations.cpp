#include "foundation/files/FileOperations.h"

#include "foundation/files/FileErrors.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/messages/MessageHook.h"

#include <sys/stat.h>

namespace
{
    // Closes a platform file handle when it goes out of scope.
    class CFileHandle
    {
    public:
        explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
        ~CFileHandle()
        {
            if (IsValid())
                ::CloseHandle(m_handle);
        }
        bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
        HANDLE Get() const { return m_handle; }

    private:
        CFileHandle(const CFileHandle&) = delete;
        CFileHandle& operator=(const CFileHandle&) = delete;
        HANDLE m_handle;
    };

    void ReportFileError(CString* errorText, int code, LPCTSTR path, int fileKind)
    {
        CString message = FormatFileError(code, path, fileKind);
        if (errorText != NULL)
            *errorText = message;
        else
            ShowFoundationError("%s", (LPCTSTR)message);
    }
}

BOOL IsNormalFile(LPCTSTR path)
{
    if (path == NULL || path[0] == '\0')
        return FALSE;
    CFileStatus status;
    if (!CFile::GetStatus(path, status))
        return FALSE;
    return (status.m_attribute & 0x1E) == 0;
}

BOOL IsDirectory(LPCTSTR path)
{
    if (path == NULL || path[0] == '\0')
        return FALSE;
    struct _stat info;
    if (_stat(path, &info) != 0)
        return FALSE;
    return (info.st_mode & 0xF000) == 0x4000;
}

BOOL GetFileWriteTime(LPCTSTR path, FILETIME& writeTime)
{
    CFileHandle file(::CreateFileA(path, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
    if (!file.IsValid())
        return FALSE;
    return ::GetFileTime(file.Get(), NULL, NULL, &writeTime);
}

BOOL SetFileTimes(LPCTSTR path, const FILETIME& time)
{
    CFileHandle file(::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, NULL));
    if (!file.IsValid())
        return FALSE;
    return ::SetFileTime(file.Get(), &time, &time, &time);
}

FILE* OpenFileStream(LPCTSTR path, LPCTSTR mode)
{
    CString fullPath = NormalizePath(path);
    if (IsRelativePath(fullPath))
        fullPath = JoinPath(ProgramFolder, fullPath);
    if (fullPath.IsEmpty())
        return NULL;
    return fopen(fullPath, mode);
}

int CloseFileStream(FILE* stream)
{
    return fclose(stream);
}

BOOL WriteLinesToFile(const CStringArray& lines, LPCTSTR path, int fileKind, CString* errorText)
{
    if (errorText != NULL)
        errorText->Empty();

    FILE* stream = OpenFileStream(path, "wt");
    if (stream == NULL)
    {
        ReportFileError(errorText, 2, path, fileKind);
        return FALSE;
    }
    for (int i = 0; i < lines.GetSize(); ++i)
    {
        if (fprintf(stream, "%s\n", (LPCTSTR)lines[i]) < 0)
            break;
    }
    if (ferror(stream))
    {
        fclose(stream);
        ReportFileError(errorText, 6, path, fileKind);
        return FALSE;
    }
    if (CloseFileStream(stream) != 0)
    {
        ReportFileError(errorText, 4, path, fileKind);
        return FALSE;
    }
    return TRUE;
}
