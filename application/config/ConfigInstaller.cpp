#include "application/config/ConfigInstaller.h"

#include "application/config/FileCopier.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/FileKinds.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/LastErrorText.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/text/TextEdits.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"

#include <memory>

namespace
{
// A new empty file of a unique name in the folder; empty when the folder
// cannot be written. The platform may name a file that it could not make,
// so the file itself is looked for.
CString MakeTemporaryIn(const CString& folder)
{
    char path[MAX_PATH + 1] = "";
    if (::GetTempFileNameA(folder, "gen", 0, path) == 0 || !IsNormalFile(path))
        return CString();
    return path;
}

// Reads and checks the copy of the standard configuration; NULL when it does
// not read, after saying so, naming the standard configuration.
std::unique_ptr<CGeneticsConfig> ReadCopy(const CString& copy, const CString& source, LPCTSTR name)
{
    std::unique_ptr<CGeneticsConfig> config(new CGeneticsConfig);
    CString error;
    if (!ReadGeneticsConfigFile(copy, *config, error))
        error = FormatFileError(FILE_ERROR_READ, source, GetFileKindFromName(name));
    else if (!error.IsEmpty())
        error = FormatStandardConfigError(name, error);
    if (!error.IsEmpty())
    {
        ShowError(NULL, 0, "%s", (LPCTSTR)error);
        return nullptr;
    }
    return config;
}
}  // namespace

CString FormatStandardConfigError(LPCTSTR name, LPCTSTR error)
{
    CString message;
    message.Format("Error in standard genetic configuration '%s', %s", name, error);
    MakeSentence(&message);
    message.TrimRight();
    if (GetFileKindFromName(name) == GENETICS_CONFIG_FILE_KIND)
        message += " Please report this error to Mirolf.";
    return message;
}

BOOL InstallConfigurationFile(LPCTSTR name)
{
    const CString source = JoinPath(GetStandardConfigFolder(), name);
    if (!IsNormalFile(source))
    {
        ShowError(NULL, 0, "%s", (LPCTSTR)FormatFileError(FILE_ERROR_CANNOT_ACCESS, source, 0));
        return FALSE;
    }
    CString target, folder, targetName;
    GetGeneticsConfigPath(&target, NULL, NULL);
    if (!SplitPath(target, &folder, &targetName))
        folder = ProgramFolder;
    const CString temporary = MakeTemporaryIn(folder);
    if (temporary.IsEmpty())
    {
        ShowError(NULL, 0,
                  "The genetics configuration cannot be installed: the program folder %s cannot be written, so "
                  "%s in it cannot be replaced. Give yourself the right to write to that folder, or install the "
                  "program in a folder you may write to.",
                  (LPCTSTR)folder, (LPCTSTR)targetName);
        return FALSE;
    }

    CFileCopier copier;
    copier.m_bDeleteOnFailure = TRUE;
    copier.m_bAskBeforeOverwrite = FALSE;
    copier.AddFile(source, temporary);
    // The copy is what gets installed, so it is the copy that must read: the
    // standard configuration may have changed since the list was made.
    std::unique_ptr<CGeneticsConfig> config;
    if (copier.CopyFiles(NULL, NULL, NULL))
        config = ReadCopy(temporary, source, name);
    if (config == NULL)
    {
        ::DeleteFileA(temporary);
        return FALSE;
    }
    if (!::MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING))
    {
        const CString reason = GetLastErrorText();
        ::DeleteFileA(temporary);
        config.reset();
        ShowError(NULL, 0, "%s %s", (LPCTSTR)FormatFileError(FILE_ERROR_OPEN_WRITE, target, 0), (LPCTSTR)reason);
        return FALSE;
    }
    SetCurrentGeneticsConfig(config.release());
    return TRUE;
}
