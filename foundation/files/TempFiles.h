#pragma once

#include "afx/core/AfxCore.h"

// The value of an environment variable, or the default (empty when null).
CString GetEnvironmentText(LPCTSTR name, LPCTSTR defaultText);

// Start-up step: settles the temporary-files folder and proves that a file
// can be written and deleted there. Always TRUE.
BOOL InitTempFiles();
void ReleaseTempFiles();

const CString& GetTempFilesFolder();
