#pragma once
// Hands a newly made window object that deletes itself after its window (a
// pop-up, a pane, a tree) over to that window.
#include "afx/app/AfxWin.h"

#include <memory>

// The object when its window was made: it deletes itself from then on.
// Otherwise null, and the object is freed here.
template <class Window>
Window* ReleaseToWindow(std::unique_ptr<Window> window)
{
    return window->GetSafeHwnd() != NULL ? window.release() : NULL;
}
