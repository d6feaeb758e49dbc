#pragma once
#include "afx/app/AfxWin.h"

// The drag cursor of that resource id: a cursor image kept as plain data in
// the program's resources, made into a cursor on first use and shared from
// then on (never destroyed, like a loaded cursor). NULL when it is missing.
HCURSOR LoadDragCursor(UINT id);
