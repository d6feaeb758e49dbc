#pragma once

#include "afx/core/AfxCore.h"

// Rules for Windows paths held as 8-bit texts. A null path counts as empty.
CString NormalizePath(LPCTSTR path);
BOOL IsRelativePath(LPCTSTR path);
CString JoinPath(LPCTSTR folder, LPCTSTR name);
int SplitPath(LPCTSTR path, CString* folder, CString* name);
int SplitFileExtension(LPCTSTR name, CString* base, CString* extension);
BOOL IsDriveRoot(LPCTSTR path, char* letter = NULL);
void MakeDriveRoot(char* buffer, char letter);
BOOL IsPathInFolder(LPCTSTR path, LPCTSTR folder);
CString RemovePathPrefix(LPCTSTR path, LPCTSTR folder);

// Folder lists are texts of folders separated by ';' (not inside parentheses).
CString ResolveRelativePath(LPCTSTR name, LPCTSTR folderList);
CString MakePathRelative(LPCTSTR path, LPCTSTR folderList);
CString MakeAbsolutePath(LPCTSTR path);
