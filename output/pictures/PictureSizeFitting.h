#pragma once

#include "afx/app/AfxWin.h"

// The largest box of the proportion px : py (a physical proportion, as the
// device's pixels may not be square) that fits width x height on the device,
// each side rounded. The size is unchanged when either proportion is below
// 0.005 in magnitude.
CSize FitSizeToAspectOnDevice(CDC* dc, int width, int height, double px, double py);
