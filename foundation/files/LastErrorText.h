#pragma once

#include "afx/AfxCore.h"

// The system's wording of GetLastError(), trimmed and in single quotes; the
// error number alone when the system has no text for it.
CString GetLastErrorText();
CString GetSystemErrorText(DWORD error);
