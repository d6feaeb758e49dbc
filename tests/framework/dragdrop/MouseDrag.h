#pragma once
// A real OLE drag driven by synthetic mouse input.
#include "afx/AfxWin.h"

#include <functional>

// The left button goes down at the press point (screen coordinates); while
// startDrag runs the drag loop, a thread timer moves the cursor to the drop
// point and lets the button go. A drag that never drops ends with Escape.
// TRUE when the drag ended before that.
BOOL RunMouseDrag(POINT press, POINT drop, const std::function<void()>& startDrag);
void PumpMessages();
