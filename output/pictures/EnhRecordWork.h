#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/EnhRecordKinds.h"
#include "output/pictures/PlayerPrices.h"

// The microseconds the platform's player takes over an enhanced metafile's
// record of the given kind, drawn into the DC as 'drawing' reads it now: a
// record that only sets state a little, one of a kind not measured as if
// each 4 bytes were an item covering the clip box, others by their kind's
// price. Drawn into a path ('inPath') a record only adds to it; records the
// player cannot draw take endlessly long. 'clipRectangles': the DC's clip
// region's (0 where it has none).
double EnhRecordWork(HDC dc, CDrawingState& drawing, const EnhRecordFields& r, const EnhRecordKind& kind, bool inPath,
                     double clipRectangles);

// The prices of the kinds of records (EnhRecordKinds).
EnhWorkPrice SmallTextWork, PixelWork, ExtFloodFillWork, GradientWork, ClipRegionWork, LineToWork, AngleArcWork;

// The path the player has built, filled (or made a region to clip to),
// stroked, or both, or widened by the pen (or flattened).
enum class PathUse
{
    Filled,
    Stroked,
    StrokedAndFilled,
    Widened,
};
double PathWork(const EnhWorkPricing& p, PathUse use);

// A text record's strings (TextsOf), of wide characters or not.
double TextsWork(const EnhWorkPricing& p, bool poly, bool wide);

// A region record's region, its RGNDATA at 'at', used with the DC's clip
// region: filled, painted, inverted or framed inside it (RGN_AND), or
// combined with it in the given mode (RGN_COPY: replacing it).
double RegionWork(const EnhWorkPricing& p, DWORD at, int mode);

// Figures of points of a record with a count at byte 24, of 32-bit points
// or 16-bit (ShortPoints).
enum class PointFigures
{
    Polygon,
    Polyline,
    Beziers,
    PolylineOn,
    BeziersOn,
    Polygons,
    Polylines,
    Drawn,
};
double PointsWork(const EnhWorkPricing& p, PointFigures figures);

// Where a blit keeps its destination (its top left and size), its source
// in the bitmap (top left and size: the destination's size where it has
// none of its own) and its mask's top left (0: no mask), and how the player
// makes its pixels where it does not stretch them. A parallelogram blit's
// destination is three corners.
struct BlitLayout
{
    DWORD destination, destinationSize, source, sourceSize, mask;
    PlayerPixel pixel;
};
double BlitWork(const EnhWorkPricing& p, const BlitLayout* layout);

// A shape inside the box at byte 8: closed and filled (a rectangle, an
// ellipse, a rounded rectangle, a chord, a pie), or an open arc, from the
// current position where 'fromPosition'.
double BoxWork(const EnhWorkPricing& p, bool fromPosition, bool open, bool curved);
