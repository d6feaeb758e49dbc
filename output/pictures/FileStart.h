#pragma once

#include "afx/core/AfxCore.h"

// Reads the first 'count' bytes of a file into 'buffer', so that a loader
// can tell its kind before it reads the file whole. FALSE when the file does
// not open or is shorter.
BOOL ReadFileStart(LPCTSTR path, void* buffer, DWORD count);
