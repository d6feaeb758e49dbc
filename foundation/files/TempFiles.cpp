#include "foundation/files/TempFiles.h"

#include "foundation/files/FileOperations.h"
#include "foundation/files/PathText.h"
#include "foundation/messages/MessageHook.h"

#include <memory>

namespace
{
    std::unique_ptr<CString> tempFolder;
    DWORD processId = 0;

    CString& TempFolder()
    {
        if (tempFolder == NULL)
            tempFolder = std::make_unique<CString>();
        return *tempFolder;
    }

    // Writes and deletes the probe file "_ZELKO_<pid>.tmp" in the folder.
    bool IsFolderUsable(const CString& folder)
    {
        CString probeName;
        probeName.Format("_ZELKO_%d.tmp", (int)processId);
        CString probePath = JoinPath(folder, probeName);

        // A file of that name left behind by another run is not ours to remove.
        if (IsNormalFile(probePath))
            return false;

        CStringArray lines;
        lines.Add(probePath);
        CString errorText;
        if (!WriteLinesToFile(lines, probePath, 0, &errorText))
            return false;
        ::DeleteFileA(probePath);
        return !IsNormalFile(probePath);
    }
}

CString GetEnvironmentText(LPCTSTR name, LPCTSTR defaultText)
{
    CString fallback = defaultText != NULL ? defaultText : "";
    if (name == NULL || name[0] == '\0')
        return fallback;
    DWORD size = ::GetEnvironmentVariableA(name, NULL, 0);
    if (size == 0)
        return fallback;
    CString value;
    DWORD read = ::GetEnvironmentVariableA(name, value.GetBuffer((int)size), size);
    if (read != size - 1)
    {
        value.ReleaseBuffer(0);
        return fallback;
    }
    value.ReleaseBuffer((int)read);
    return value;
}

BOOL InitTempFiles()
{
    processId = ::GetCurrentProcessId();
    TempFolder() = NormalizePath(GetEnvironmentText("TEMP", "C:\\Temp\\"));
    if (IsFolderUsable(TempFolder()))
        return TRUE;

    // The fixed fallback is probed as well; when even that cannot be written,
    // the platform's own temporary folder is tried before giving up on a probe.
    CString fallback = NormalizePath("C:\\TEMP\\");
    if (!IsFolderUsable(fallback))
    {
        char platformTemp[MAX_PATH + 1];
        DWORD length = ::GetTempPathA(sizeof(platformTemp), platformTemp);
        if (length > 0 && length < sizeof(platformTemp))
        {
            CString candidate = NormalizePath(platformTemp);
            if (IsFolderUsable(candidate))
                fallback = candidate;
        }
    }
    TempFolder() = fallback;
    CString shownFolder = fallback;
    if (shownFolder[shownFolder.GetLength() - 1] != '\\')
        shownFolder += '\\';
    ShowFoundationWarning("Unable to determine temporary files folder.\n\nAssuming %s", (LPCTSTR)shownFolder);
    return TRUE;
}

void ReleaseTempFiles()
{
    tempFolder.reset();
}

const CString& GetTempFilesFolder()
{
    return TempFolder();
}
