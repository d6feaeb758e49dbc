#pragma once
// Small measures of windows and fonts used by dialogs.
#include "afx/app/AfxWin.h"

// The window's class name (up to 255 characters); empty when it cannot be read.
CString GetWindowClassName(HWND window);
CString GetWindowClassName(CWnd* window);
// The height of the font's text metrics; without a desktop window, the
// absolute value of its logical height.
int GetFontHeight(CFont* font);
// The average character width (of the 52 letters) and the height of the
// window's font, each at least 1, as MAKELONG(width, height); the system's
// dialog base units for a window without a font.
DWORD GetWindowBaseUnits(CWnd* window);
// Dialog units in pixels of the window's font.
CSize DialogUnitsToPixels(int x, int y, CWnd* window);
