#include "foundation/files/FileErrors.h"

#include "foundation/files/FileKinds.h"
#include "foundation/text/TextEdits.h"
#include "foundation/text/Trim.h"
#include "foundation/messages/MessageHook.h"

#include <shellapi.h>

namespace
{
    const char* const errorFormats[20] = {
        "Failed to open %sfile %sfor read access",
        "Failed to open %sfile %sfor write access",
        "Failed to open %sfile %sfor write access",
        "Failed to close %sfile %s",
        "Failed to read from %sfile %s",
        "Failed to write to %sfile %s",
        "Failed to save %sfile %s",
        "Failed to load %sfile %s",
        "%sfile %sis too large to load into memory",
        "%sfile %sis read only",
        "Failed to delete %sfile %s",
        "Failed to rename %sfile %s",
        "Failed to access %sfolder %s",
        "Failed to create %sfolder %s",
        "Failed to read %sfolder %s",
        "Failed to write %sfolder %s",
        "Failed to delete %sfolder %s",
        "Failed to get timestamp of %sfile %s",
        "Failed to set timestamp of %sfile %s",
        "Cannot access %sfile %s",
    };
}

CString FormatFileError(int code, LPCTSTR path, int kind)
{
    CString text;
    if (code < 1 || code > 20)
    {
        text = "undefined error";
    }
    else
    {
        CString kindText;
        if (kind != 0)
            kindText = GetFileKindName(kind) + " ";
        CString pathText;
        if (path != NULL)
            pathText = CString(path) + " ";
        text.Format(errorFormats[code - 1], (LPCTSTR)kindText, (LPCTSTR)pathText);
    }
    MakeSentence(&text);
    return text;
}

LPCTSTR GetShellOpenErrorText(int shellCode)
{
    switch (shellCode)
    {
    case 0: return "The operating system is out of memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied access to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .exe file is invalid (non-Win32 .exe or error in .exe image).";
    case 26: return "A sharing violation occurred.";
    case 27: return "The file name association is incomplete or invalid.";
    case 28: return "The DDE transaction could not be completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not be completed because other DDE transactions were being processed.";
    case 31: return "There is no application associated with the given file name extension. This error will also be returned if you attempt to print a file that is not printable.";
    case 32: return "The specified dynamic-link library was not found.";
    default: return "A unknown error occurred.";
    }
}

int ShellOpenFile(LPCTSTR path)
{
    HINSTANCE result = ::ShellExecuteA(NULL, "open", path, NULL, NULL, SW_SHOWNORMAL);
    int code = (int)(INT_PTR)result;
    if (code > 32)
        return 1;
    ReportShellOpenError(code, path);
    return 0;
}

void ReportShellOpenError(int shellCode, LPCTSTR path)
{
    // The file error is already a sentence with its full stop; only the blank
    // after it goes, so that no second full stop follows it.
    CString fileError = FormatFileError(FILE_ERROR_CANNOT_ACCESS, path, 0);
    TrimStringRight(&fileError);
    ShowFoundationError("%s\n\n%s", (LPCTSTR)fileError, GetShellOpenErrorText(shellCode));
}
