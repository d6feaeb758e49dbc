#include "application/app/StartupPaths.h"

#include "foundation/files/PathText.h"

CString ProgramExeName;
CString ErrorLogPath;
CString HelpFilePath;

CString ProgramFolderOf(LPCTSTR executablePath)
{
    const CString path = executablePath != NULL ? executablePath : "";
    const int slash = path.ReverseFind('\\');
    return NormalizePath(slash >= 0 ? (LPCTSTR)path.Left(slash + 1) : (LPCTSTR)path);
}

CString ErrorLogPathOf(LPCTSTR executablePath)
{
    const CString path = executablePath != NULL ? executablePath : "";
    const int nameStart = path.ReverseFind('\\') + 1;
    const int dot = path.ReverseFind('.');
    if (dot <= nameStart)
        return CString();
    return path.Left(dot) + ".err";
}
