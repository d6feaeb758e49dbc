#pragma once

#include "afx/app/AfxWin.h"

// The desktop work area (the screen without the task bar) that pop-ups,
// dialogs and tips keep inside.
CRect GetDesktopWorkArea();

// The rectangle made to fit the bounds: shrunk to their size where it is
// larger, then moved inside them.
CRect FitRectInside(const RECT& rect, const RECT& bounds);
