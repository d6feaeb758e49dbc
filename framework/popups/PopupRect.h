#pragma once

#include "afx/app/AfxWin.h"

// The screen rectangle of a width x height pop-up that opens at (x, y), the
// point below its control: kept inside the desktop work area, and opening
// upwards from altY (the control's top) when there is no room below.
CRect CalcPopupRect(int x, int y, int altX, int altY, int width, int height);
