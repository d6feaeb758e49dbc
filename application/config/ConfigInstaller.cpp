#include "application/config/ConfigInstaller.h"

#include "application/config/FileCopier.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/LastErrorText.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "framework/MessageRoutines.h"
#include "genetics/GeneticsConfigLoad.h"

namespace
{
// A new empty file of a unique name in the folder of the target.
CString MakeTemporaryBeside(const CString& target)
{
    CString folder;
    if (!SplitPath(target, &folder, NULL))
        folder = ProgramFolder;
    char path[MAX_PATH + 1] = "";
    if (::GetTempFileNameA(folder, "gen", 0, path) == 0)
        return CString();
    return path;
}
}  // namespace

BOOL InstallConfigurationFile(LPCTSTR name)
{
    const CString source = JoinPath(GetStandardConfigFolder(), name);
    if (!IsNormalFile(source))
    {
        ShowError(NULL, 0, "%s", (LPCTSTR)FormatFileError(FILE_ERROR_CANNOT_ACCESS, source, 0));
        return FALSE;
    }
    CString target;
    GetGeneticsConfigPath(&target, NULL, NULL);
    const CString temporary = MakeTemporaryBeside(target);
    if (temporary.IsEmpty())
    {
        ShowError(NULL, 0, "%s %s", (LPCTSTR)FormatFileError(FILE_ERROR_OPEN_WRITE, target, 0),
                  (LPCTSTR)GetLastErrorText());
        return FALSE;
    }

    CFileCopier copier;
    copier.m_bDeleteOnFailure = TRUE;
    copier.m_bAskBeforeOverwrite = FALSE;
    copier.AddFile(source, temporary);
    if (!copier.CopyFiles(NULL, NULL, NULL))
    {
        ::DeleteFileA(temporary);
        return FALSE;
    }
    if (!::MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING))
    {
        const CString reason = GetLastErrorText();
        ::DeleteFileA(temporary);
        ShowError(NULL, 0, "%s %s", (LPCTSTR)FormatFileError(FILE_ERROR_OPEN_WRITE, target, 0), (LPCTSTR)reason);
        return FALSE;
    }
    LoadGeneticsConfig(TRUE, TRUE);
    return TRUE;
}
