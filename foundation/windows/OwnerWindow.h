#pragma once

#include "afx/app/AfxWin.h"

// The frame window, or the top-level dialog or property sheet, that owns the
// window; the outermost window reached when there is none.
CWnd* FindOwnerFrameOrDialog(CWnd* wnd);
