#pragma once

#include "afx/core/AfxCore.h"

// The system's wording of GetLastError(), trimmed and in single quotes; the
// error number stands in when the system has no text for it.
CString GetLastErrorText();
// The system's own text of an error code, as the system gives it (empty when
// it has none).
CString GetSystemErrorText(DWORD error);
