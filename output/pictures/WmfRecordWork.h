#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/WmfRecordKinds.h"

// The estimated microseconds the platform's player takes over a Windows
// metafile's record of the given kind, in a metafile of so many objects,
// drawn into the DC as it is now: a record that only sets state a little,
// one that draws each of its items and the pixels they can touch inside the
// clip box, one of a kind not measured as if each 4 bytes were an item
// covering the clip box; records the player crashes on are endless.
// 'memory' counts the clip region's rectangles.
double WmfRecordWork(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const WmfParameters& p,
                     const WmfRecordKind& kind, int objects);

// The prices of the kinds of records (WmfRecordKinds).
WmfWorkPrice WmfTextOutWork, WmfExtTextOutWork, WmfFramedRegionWork, WmfRegionMadeWork, WmfClipAreaWork, WmfPixelWork,
    WmfPlacedWork, WmfDibBlitWork, WmfPolygonWork, WmfPolylineWork, WmfPolyPolygonWork, WmfLineToWork;

// A flood fill from the point whose x and y are the parameters x and y.
double WmfFloodFillWork(const WmfWorkPricing& w, int x, int y);

// A shape inside the box whose left, top, right and bottom are the
// parameters 'left' down to 'left' - 3: closed and filled (a rectangle, an
// ellipse, a rounded rectangle, a pie, a chord), or an open arc.
double WmfBoxWork(const WmfWorkPricing& w, DWORD left, bool open, bool curved);
