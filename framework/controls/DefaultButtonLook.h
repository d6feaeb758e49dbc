#pragma once
// Keeps the default-button outline of owner-drawn buttons in step with a
// dialog's default button (DM_SETDEFID).
#include "afx/app/AfxWin.h"

#include <functional>

// Runs the dialog's own DM_SETDEFID handling; the button that stops being
// the default loses its outline and the new default gains it.
LRESULT SetDefaultButtonLook(CWnd* dialog, const std::function<LRESULT()>& runDefault);
