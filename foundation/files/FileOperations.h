#pragma once

#include "afx/core/AfxCore.h"

#include <stdio.h>

BOOL IsNormalFile(LPCTSTR path);
BOOL IsDirectory(LPCTSTR path);
BOOL GetFileWriteTime(LPCTSTR path, FILETIME& writeTime);
BOOL SetFileTimes(LPCTSTR path, const FILETIME& time);

// Opens a buffered C stream; the path is normalised and a relative path is
// taken inside the program folder. Null for an empty path or a failed open.
FILE* OpenFileStream(LPCTSTR path, LPCTSTR mode);
int CloseFileStream(FILE* stream);

// Writes each line followed by a line feed as a text file. On failure the
// worded file error goes into *errorText when given, else it is shown.
BOOL WriteLinesToFile(const CStringArray& lines, LPCTSTR path, int fileKind, CString* errorText);
