#pragma once

#include "afx/app/AfxWin.h"

// Sets the range of the up-down control that directly follows the control in
// the z-order; nothing when either is missing.
void DDX_SpinRange(CDataExchange* pDX, int id, int lower, int upper);
