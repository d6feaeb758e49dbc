#pragma once

#include "afx/core/AfxCore.h"

// Numbered file errors, 1 to 20, worded with the file kind's name and the path.
enum FileErrorCode
{
    FILE_ERROR_OPEN_READ = 1,
    FILE_ERROR_OPEN_WRITE = 2,
    FILE_ERROR_OPEN_WRITE_2 = 3,
    FILE_ERROR_CLOSE = 4,
    FILE_ERROR_READ = 5,
    FILE_ERROR_WRITE = 6,
    FILE_ERROR_SAVE = 7,
    FILE_ERROR_LOAD = 8,
    FILE_ERROR_TOO_LARGE = 9,
    FILE_ERROR_READ_ONLY = 10,
    FILE_ERROR_DELETE = 11,
    FILE_ERROR_RENAME = 12,
    FILE_ERROR_ACCESS_FOLDER = 13,
    FILE_ERROR_CREATE_FOLDER = 14,
    FILE_ERROR_READ_FOLDER = 15,
    FILE_ERROR_WRITE_FOLDER = 16,
    FILE_ERROR_DELETE_FOLDER = 17,
    FILE_ERROR_GET_TIMESTAMP = 18,
    FILE_ERROR_SET_TIMESTAMP = 19,
    FILE_ERROR_CANNOT_ACCESS = 20,
};

// The worded error as a sentence ending in ". " (or in its own '.', '?', '!').
// The path may be null and the kind 0.
CString FormatFileError(int code, LPCTSTR path, int kind);

// Opens a document or address with the shell; shows the failure and returns 0.
int ShellOpenFile(LPCTSTR path);
void ReportShellOpenError(int shellCode, LPCTSTR path);

// The shell's wording of one of its open error codes.
LPCTSTR GetShellOpenErrorText(int shellCode);
