#pragma once

#include "afx/app/AfxWin.h"

// The largest box of the proportion |px| : |py| (a physical proportion, as
// the device's pixels may not be square) that fits width x height on the
// device, each side rounded: a side of a very thin proportion rounds to 0.
// The size is unchanged when both are 0 or either is not a number.
CSize FitSizeToAspectOnDevice(CDC* dc, int width, int height, double px, double py);
