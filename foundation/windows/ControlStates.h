#pragma once

#include "afx/app/AfxWin.h"

// Enabling, disabling, hiding and showing groups of a dialog's controls.
// Modes: 0 enable, 1 disable, 2 hide, 3 show. The id list ends with 0.
void SetControlsState(CWnd* dialog, const UINT* ids, int mode);
// The control ids follow the flag, ending with 0.
void EnableControls(CWnd* dialog, BOOL enable, ...);
