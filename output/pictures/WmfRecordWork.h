#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/PlayerPrices.h"
#include "output/pictures/WmfRecordKinds.h"

// The estimated microseconds the platform's player takes over a Windows
// metafile's record of the given kind, in a metafile of so many objects,
// drawn into the DC as it is now: a record that only sets state a little,
// one that draws each of its items and the pixels they can touch inside the
// clip box, one of a kind not measured as if each 4 bytes were an item
// covering the clip box; records the player crashes on are endless.
// 'clipRectangles': the DC's clip region's (0 where it has none).
double WmfRecordWork(HDC dc, CDrawingState& drawing, const WmfParameters& p, const WmfRecordKind& kind, int objects,
                     double clipRectangles);

// The prices of the kinds of records (WmfRecordKinds), some taking
// arguments of the kind's row.
WmfWorkPrice WmfFloodFillWork, WmfFramedRegionWork, WmfRegionMadeWork, WmfClipAreaWork, WmfPixelWork, WmfDibBlitWork,
    WmfLineToWork;
double WmfTextWork(const WmfWorkPricing& w, bool extended);
// A bitmap or pattern filling the box whose left, top, width and height are
// the parameters from 'left' down, with pixels of the kind (as the DC
// stretches where the kind stretches).
double WmfBlitWork(const WmfWorkPricing& w, DWORD left, PlayerPixel pixel);
// Figures of points, each closed or not: one, its points' count first, or
// with 'polygons' a count of figures and each one's points' count first.
double WmfFiguresWork(const WmfWorkPricing& w, bool polygons, bool closed);
// A shape inside the box whose left, top, right and bottom are the last
// four fixed parameters, from the last down: closed and filled (a
// rectangle, an ellipse, a rounded rectangle, a pie, a chord), or an open
// arc.
double WmfBoxWork(const WmfWorkPricing& w, bool open, bool curved);
