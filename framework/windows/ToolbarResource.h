#pragma once

#include "afx/core/AfxCore.h"

// Reads the command ids of a toolbar resource (type 241) of the program's
// resources into the array, leaving out the separators (id 0) when asked.
// FALSE when the resource is missing or not of version 1.
BOOL LoadToolbarCommandIds(CUIntArray& ids, LPCTSTR resourceName, BOOL skipSeparators);
