#include "foundation/files/PathText.h"

#include "foundation/files/ProgramFolder.h"
#include "foundation/text/FindReplace.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"

#include <ctype.h>
#include <string.h>

namespace
{
    bool IsEmptyText(LPCTSTR text)
    {
        return text == NULL || text[0] == '\0';
    }

    void SplitFolderList(LPCTSTR folderList, CStringArray& folders)
    {
        // Keep-empty off, trim on; ';' inside parentheses does not split.
        TokenizeText(folderList, folders, ';', 2, -1, '(', ')');
    }

    bool FileOrFolderExists(LPCTSTR path)
    {
        CFileStatus status;
        return CFile::GetStatus(path, status) != FALSE;
    }
}

CString NormalizePath(LPCTSTR path)
{
    if (path == NULL)
        return CString();
    CString result = ReplaceChar(path, '/', "\\", -1);
    TrimString(&result);
    if (result.IsEmpty())
        return result;

    if (IsDriveRoot(result))
    {
        result.SetAt(0, (char)toupper((unsigned char)result[0]));
        return result;
    }
    int length = result.GetLength();
    if (result[length - 1] == '\\')
        result = result.Left(length - 1);
    if (length > 3 && result.GetLength() >= 3 && IsDriveRoot(result.Left(3)))
        result.SetAt(0, (char)toupper((unsigned char)result[0]));
    return result;
}

BOOL IsRelativePath(LPCTSTR path)
{
    if (IsEmptyText(path))
        return FALSE;
    CString normalized = NormalizePath(path);
    if (normalized.IsEmpty())
        return FALSE;
    if (path[0] == '\\')
        return FALSE;
    if (normalized.GetLength() >= 2 && path[1] == ':')
        return FALSE;
    return TRUE;
}

CString JoinPath(LPCTSTR folder, LPCTSTR name)
{
    CString normalizedFolder = NormalizePath(folder);
    CString normalizedName = NormalizePath(name);
    if (normalizedFolder.IsEmpty())
        return normalizedName;
    CString result = normalizedFolder;
    if (result[result.GetLength() - 1] != '\\')
        result += '\\';
    result += normalizedName;
    return result;
}

int SplitPath(LPCTSTR path, CString* folder, CString* name)
{
    if (folder != NULL)
        folder->Empty();
    if (name != NULL)
        name->Empty();
    if (IsEmptyText(path))
        return 0;

    const char* split = strrchr(path, '\\');
    if (split == NULL)
        split = strrchr(path, '/');
    bool keepSeparatorInFolder = false;
    if (split == NULL)
    {
        split = strrchr(path, ':');
        keepSeparatorInFolder = true;
    }
    if (split == NULL)
    {
        if (name != NULL)
            *name = path;
        return 1;
    }
    int position = (int)(split - path);
    if (folder != NULL)
        *folder = CString(path, keepSeparatorInFolder ? position + 1 : position);
    if (name != NULL)
        *name = split + 1;
    return 1;
}

int SplitFileExtension(LPCTSTR name, CString* base, CString* extension)
{
    if (IsEmptyText(name))
        return 0;
    const char* dot = strchr(name, '.');
    if (dot == NULL)
        return 0;
    if (base != NULL)
        *base = CString(name, (int)(dot - name));
    if (extension != NULL)
        *extension = dot + 1;
    return 1;
}

BOOL IsDriveRoot(LPCTSTR path, char* letter)
{
    if (path == NULL || strlen(path) != 3)
        return FALSE;
    if (path[1] != ':' || path[2] != '\\' || !isalpha((unsigned char)path[0]))
        return FALSE;
    if (letter != NULL)
        *letter = (char)toupper((unsigned char)path[0]);
    return TRUE;
}

void MakeDriveRoot(char* buffer, char letter)
{
    buffer[0] = (char)toupper((unsigned char)letter);
    buffer[1] = ':';
    buffer[2] = '\\';
    buffer[3] = '\0';
}

BOOL IsPathInFolder(LPCTSTR path, LPCTSTR folder)
{
    if (IsEmptyText(path))
        return IsEmptyText(folder);
    if (IsEmptyText(folder))
        return FALSE;
    size_t folderLength = strlen(folder);
    if (strlen(path) < folderLength || strncmp(path, folder, folderLength) != 0)
        return FALSE;
    if (IsDriveRoot(folder))
        return TRUE;
    return path[folderLength] == '\\';
}

CString RemovePathPrefix(LPCTSTR path, LPCTSTR folder)
{
    if (IsEmptyText(path))
        return CString();
    size_t skip = folder != NULL ? strlen(folder) : 0;
    if (!IsDriveRoot(folder) && skip > 0)
        ++skip;
    size_t length = strlen(path);
    if (skip > length)
        skip = length;
    return CString(path + skip);
}

CString ResolveRelativePath(LPCTSTR name, LPCTSTR folderList)
{
    if (IsEmptyText(name))
        return CString();
    if (!IsRelativePath(name))
        return CString(name);
    CStringArray folders;
    SplitFolderList(folderList, folders);
    for (int i = 0; i < folders.GetSize(); ++i)
    {
        CString candidate = JoinPath(folders[i], name);
        if (FileOrFolderExists(candidate))
            return candidate;
    }
    return CString(name);
}

CString MakePathRelative(LPCTSTR path, LPCTSTR folderList)
{
    if (IsEmptyText(path))
        return CString();
    if (IsRelativePath(path))
        return CString(path);
    CStringArray folders;
    SplitFolderList(folderList, folders);
    for (int i = 0; i < folders.GetSize(); ++i)
    {
        if (IsPathInFolder(path, folders[i]))
            return RemovePathPrefix(path, folders[i]);
    }
    return CString(path);
}

CString MakeAbsolutePath(LPCTSTR path)
{
    if (IsRelativePath(path))
        return JoinPath(ProgramFolder, path);
    return CString(path != NULL ? path : "");
}
