#pragma once

#include "afx/core/AfxCore.h"

// The folder of the running program, without a trailing backslash; start-up
// sets it before the terminology defaults are stored. Relative paths of the
// program's own files are taken inside it.
extern CString ProgramFolder;
