#pragma once

#include "afx/app/AfxWin.h"

// Conversions between two coordinate systems: x by numX / denX, y by
// numY / denY, each rounded as MulDiv rounds.
CRect ScaleRect(const RECT& rect, int numX, int numY, int denX, int denY);
CPoint ScalePoint(POINT point, int numX, int numY, int denX, int denY);
CSize ScaleSize(SIZE size, int numX, int numY, int denX, int denY);

// The smallest box of physical proportion px : py that holds a width x height
// image on the device, in device pixels; the size unchanged for a proportion
// that is not positive.
CSize ExpandSizeToAspectOnDevice(CDC* dc, int width, int height, int px, int py);
// The same with the proportion as doubles; unchanged when either is below
// 0.005 in magnitude.
CSize ExpandSizeToAspectOnDeviceF(CDC* dc, int width, int height, double px, double py);
