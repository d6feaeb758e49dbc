#include "output/pictures/WmfRecordWork.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/TextWork.h"

#include <limits>

namespace
{
// 'count' points of x and y from word 'at'.
void AddPoints(const WmfParameters& p, DWORD at, DWORD count, bool closed, CDrawingWork& work)
{
    for (DWORD i = 0; i < count; ++i)
    {
        if (i == 0)
            work.MoveTo(p[at], p[at + 1]);
        else
            work.LineTo(p[at + 2 * i], p[at + 2 * i + 1]);
    }
    if (closed)
        work.CloseFigure();
}

double TextWork(CDrawingState& drawing, const CDeviceClip& clip, const BYTE* text, DWORD count)
{
    return CDrawingWork::Text(drawing.FontArea(), clip, count, DistinctCharacters(text, count, false), false);
}

// The rectangles of a region object's scans, of so many parameters (next,
// type, count, size, scan count, largest scan, bounds, then the scans: each
// its coordinates' count, top, bottom, the coordinates and the count again).
double ScannedRegionRectangles(const WmfParameters& p)
{
    double rectangles = 0;
    DWORD at = 11;
    for (DWORD scan = 0; scan < p.Word(5); ++scan)
    {
        rectangles += p.Word(at) / 2;
        at += 3 + p.Word(at) + 1;
    }
    return rectangles;
}

// Where a record places things, within the player's reach, and the pixels
// of the box it fills there inside the clip (none without a size), of the
// given kind.
double PlacedWork(const WmfParameters& p, const Destination& at, CDrawingState& drawing, const CDeviceClip& clip,
                  PlayerPixel pixel)
{
    CDrawingWork work(drawing.Mapping(), &clip);
    work.AddPlace(p[at.x], p[at.y]);
    if (at.width >= 0)
        work.AddPlace(p[at.x] + p[at.width], p[at.y] + p[at.height]);
    return work.Covering(pixel);
}

// A point a record places something at.
double PointWork(const WmfWorkPricing& w, int x, int y)
{
    return PlacedWork(w.p, Destination{x, y, -1, -1, PlayerPixel::Fill}, w.drawing, w.clip, PlayerPixel::Fill);
}

// A record's lines and shapes: its pen's stroke and its fill inside the
// clip.
struct Shape
{
    explicit Shape(const WmfWorkPricing& w) : work(w.drawing.Mapping(), &w.clip), drawing(w.drawing) {}
    double Drawn(bool filled) const { return work.Drawn(drawing.Pen(), filled); }

    CDrawingWork work;
    CDrawingState& drawing;
};
} // namespace

double WmfRecordWork(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const WmfParameters& p,
                     const WmfRecordKind& kind, int objects)
{
    if (kind.Is(SetsStateOnly))
        return CDrawingWork::State();
    const CDeviceClip clip(dc, drawing.Mapping(), memory.ClipRegionRectangles(dc));
    if (kind.work == nullptr)
        return CDrawingWork::Unmeasured(2.0 * (p.count + 3), clip);
    return kind.work({dc, drawing, p, kind, clip, objects});
}

double WmfTextOutWork(const WmfWorkPricing& w)
{
    // The reference point follows the characters, a word for two.
    const DWORD at = 1 + (w.p.Word(0) + 1u) / 2;
    return PointWork(w, (int)at + 1, (int)at) + TextWork(w.drawing, w.clip, (const BYTE*)(w.p.words + 1), w.p.Word(0));
}

double WmfExtTextOutWork(const WmfWorkPricing& w)
{
    const DWORD rectangle = (w.p.Word(3) & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
    return PlacedWork(w.p, w.kind.destination, w.drawing, w.clip, w.kind.destination.pixel) +
           TextWork(w.drawing, w.clip, (const BYTE*)(w.p.words + 4 + rectangle), w.p.Word(2));
}

double WmfFloodFillWork(const WmfWorkPricing& w, int x, int y)
{
    return PointWork(w, x, y) + FloodFillWork(w.dc, *WmfFloodFill(w.kind.function, w.p.words));
}

// A region framed with a brush, both of which this platform's player takes
// from the last two parameters; where a writer put the frame's size there
// (as the format has it), the player reads far outside its handle table.
double WmfFramedRegionWork(const WmfWorkPricing& w)
{
    const bool knownObjects = w.p.Word(2) < w.objects && w.p.Word(3) < w.objects;
    return knownObjects ? CDrawingWork::Pixels(w.clip.Area()) : std::numeric_limits<double>::infinity();
}

// The player builds a region object as the enhanced metafile's player
// builds a region record's; using it is quick beside (10,000 rectangles
// built and filled once took it 1.1 s, filled six times 0.7 s).
double WmfRegionMadeWork(const WmfWorkPricing& w)
{
    return CDrawingWork::Region(ScannedRegionRectangles(w.p), 0, 0);
}

// A region object filled, painted, inverted or made the clip.
double WmfClipAreaWork(const WmfWorkPricing& w)
{
    return CDrawingWork::Pixels(w.clip.Area());
}

double WmfPixelWork(const WmfWorkPricing& w)
{
    return CDrawingWork::Pixels(1) + PointWork(w, 3, 2);
}

// A blit, or a pattern filling its destination.
double WmfPlacedWork(const WmfWorkPricing& w)
{
    const PlayerPixel pixel = w.kind.Is(Stretches) ? CDrawingWork::StretchPixel(w.dc) : w.kind.destination.pixel;
    return PlacedWork(w.p, w.kind.destination, w.drawing, w.clip, pixel);
}

double WmfDibBlitWork(const WmfWorkPricing& w)
{
    // Without a bitmap the player fills the destination as a pattern.
    const Destination pattern = {8, 7, 6, 5, PlayerPixel::Blit};
    return PlacedWork(w.p, w.p.count > 9 ? w.kind.destination : pattern, w.drawing, w.clip, PlayerPixel::Blit);
}

double WmfPolygonWork(const WmfWorkPricing& w)
{
    Shape shape(w);
    AddPoints(w.p, 1, w.p.Word(0), true, shape.work);
    return shape.Drawn(true);
}

double WmfPolylineWork(const WmfWorkPricing& w)
{
    Shape shape(w);
    AddPoints(w.p, 1, w.p.Word(0), false, shape.work);
    return shape.Drawn(false);
}

double WmfPolyPolygonWork(const WmfWorkPricing& w)
{
    Shape shape(w);
    DWORD at = 1 + w.p.Word(0);
    for (DWORD i = 0; i < w.p.Word(0); ++i)
    {
        AddPoints(w.p, at, w.p.Word(1 + i), true, shape.work);
        at += 2 * w.p.Word(1 + i);
    }
    return shape.Drawn(true);
}

double WmfLineToWork(const WmfWorkPricing& w)
{
    Shape shape(w);
    POINT position = {0, 0};
    ::GetCurrentPositionEx(w.dc, &position);
    shape.work.MoveTo(position.x, position.y);
    shape.work.LineTo(w.p[1], w.p[0]);
    return shape.Drawn(false);
}

double WmfBoxWork(const WmfWorkPricing& w, DWORD left, bool open, bool curved)
{
    Shape shape(w);
    shape.work.AddBoxShape(w.p[left], w.p[left - 1], w.p[left - 2], w.p[left - 3], open, curved);
    return shape.Drawn(!open);
}
