#pragma once
// One remembered extent (a column width the user dragged) per named list
// window, kept in the profile under "ListWindows", "Extents".
#include "foundation/settings/NumberMap.h"

#define LIST_WINDOWS_SECTION "ListWindows"
#define LIST_WINDOWS_ENTRY "Extents"

// The map of every list window's extent, by window name (compared exactly).
CNumberMap& GetListWindowExtents();

// The settings exchanger of the extents; the changed flag.
int ExchangeListWindowExtents(DWORD context, BOOL load);

// The extent of the named window, 0 when none is remembered.
int GetListWindowExtent(LPCTSTR name);
// Remembers the extent; a new value marks the settings as changed.
void SetListWindowExtent(LPCTSTR name, int extent);
