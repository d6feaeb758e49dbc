#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/EnhRecordFields.h"

// The estimated microseconds the platform's player takes over a record of
// an enhanced metafile of the given type, drawn into the DC as it is now
// ('drawing' reads its state). Every record takes something: one that only
// sets state a little, one that draws each of its items and the pixels they
// can touch inside the clip box, one of a kind not measured as if each 4
// bytes were an item covering the clip box. Drawing into a path ('inPath')
// only adds to it: the work comes when the path is filled, stroked, widened
// or clipped to. Records the player cannot draw (points beyond its
// arithmetic) take endlessly long. 'clipRectangles' are the DC's clip
// region's, against which the player clips some items one by one.
double EnhRecordWork(HDC dc, CDrawingState& drawing, const EnhRecordFields& r, DWORD type, bool inPath,
                     double clipRectangles);

// Whether a record of the type stretches its bitmap in the DC's stretch mode.
bool EnhRecordStretches(DWORD type);
