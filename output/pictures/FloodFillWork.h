#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DeviceMapping.h"

// The estimated microseconds the platform's player takes over a flood fill
// into the DC as it is now, at its worst within the DC's clip box (and within
// all the DC draws on, so that a repaint of a part draws what a paint of the
// whole draws); endlessly long where that fill would not fit the stack this
// thread has left. The player recurses once for every run of pixels it fills
// in a row, so a corridor one pixel wide that snakes across the clip box
// overflows any thread's stack at a size the clock would allow; what it fills
// depends on the device's pixels, which no estimate reads.
double FloodFillWork(HDC dc, const CDeviceMapping& mapping);
