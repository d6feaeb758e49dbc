#pragma once

#include "afx/app/AfxWin.h"

class CRegistryKey;

// Where new placements start when nothing is stored: 10, 10, 500, 400.
extern RECT WindowPositionDefaultRect;

// Where a window was and in which state, stored under a registry key and put
// back on the window.
//
// Placement modes: 0 and 2 keep the rectangle with the minimised and
// maximised state ("Rect", "Iconized", "Maximized"); the others store the
// top-left corner only ("TopLeft"). Applied, mode 1 moves the window and any
// other mode moves and sizes it, keeping the window's size when the
// rectangle has none (as after loading).
class CWindowPosition
{
public:
    CWindowPosition();
    virtual ~CWindowPosition() {}

    // Saves or loads the values of the mode; FALSE when a value could not be
    // written.
    BOOL ExchangeRegistry(BOOL save, CRegistryKey& key, int mode);
    // Takes the placement from the window; FALSE when it cannot be read.
    BOOL GetFromWindow(CWnd* wnd, int mode);
    // Puts the window back, fitted into the current work area; answers the
    // show command used, or -1 for the modes without state.
    int ApplyToWindow(CWnd* wnd, int mode);

    BOOL IsSet() const { return !(rect.left == -1 && rect.top == -1); }

    CRect defaultRect;
    int showCommand;
    CRect rect;   // left and top both -1: not set
    BOOL iconized;
    BOOL maximized;
};
