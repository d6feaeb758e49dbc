#pragma once

#include "afx/AfxWin.h"

// The dialog base units of the window's font: the average character width
// in the low word and the character height in the high word, each at least
// 1; the system's dialog base units for a window without a font.
DWORD GetWindowBaseUnits(CWnd* wnd);

// Dialog units to pixels with the window's base units.
CSize DialogUnitsToPixels(int x, int y, CWnd* wnd);
