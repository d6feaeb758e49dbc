#pragma once

#include "afx/app/AfxWin.h"

// Width and height of the window's outer (screen) rectangle.
CSize GetWindowSize(CWnd* wnd);
// Width and height of the window's client rectangle.
CSize GetClientSize(CWnd* wnd);
