#include "output/pictures/WmfRecordWork.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/TextWork.h"

#include <limits>

namespace
{
// What a record places at a point, or fills as a box from there, with
// pixels of the kind inside the clip.
double PlacedWork(const WmfWorkPricing& w, double x, double y, double width = 0, double height = 0,
                  PlayerPixel pixel = PlayerPixel::Fill)
{
    CDrawingWork work(w.drawing.Mapping(), &w.clip);
    work.AddPlace(x, y);
    work.AddPlace(x + width, y + height);
    return work.Covering(pixel);
}
} // namespace

double WmfRecordWork(HDC dc, CDrawingState& drawing, const WmfParameters& p, const WmfRecordKind& kind, int objects,
                     double clipRectangles)
{
    return RecordWork(kind, dc, drawing.Mapping(), 2.0 * (p.count + 3), clipRectangles, [&](const CDeviceClip& clip) {
        return WmfWorkPricing{dc, drawing, p, kind, clip, objects};
    });
}

double WmfTextWork(const WmfWorkPricing& w, bool extended)
{
    const WmfText text = w.p.Text(extended);
    const BYTE* characters = w.p.bytes + 2 * text.at;
    // TEXTOUT's reference point follows its characters, a word for two.
    const DWORD at = extended ? 0 : text.at + (text.count + 1u) / 2;
    return PlacedWork(w, w.p.Coordinate(at + 1), w.p.Coordinate(at)) +
           CDrawingWork::Text(w.drawing.FontArea(), w.clip, text.count,
                              DistinctCharacters(characters, text.count, false), false);
}

double WmfFloodFillWork(const WmfWorkPricing& w)
{
    const FloodFillParameters fill = *WmfFloodFill(w.kind.function, (const WORD*)w.p.bytes);
    return PlacedWork(w, fill.x, fill.y) + FloodFillWork(w.dc, fill);
}

// A region framed with a brush, both of which this platform's player takes
// from the last two parameters; where a writer put the frame's size there
// (as the format has it), the player reads far outside its handle table.
double WmfFramedRegionWork(const WmfWorkPricing& w)
{
    const bool knownObjects = w.p[2] < w.objects && w.p[3] < w.objects;
    return knownObjects ? CDrawingWork::Pixels(w.clip.Area()) : std::numeric_limits<double>::infinity();
}

// The player builds a region object as the enhanced metafile's player
// builds a region record's; using it is quick beside (10,000 rectangles
// built and filled once took it 1.1 s, filled six times 0.7 s). Each scan
// (HasWmfRegion) holds its coordinates' count, top, bottom, the coordinates
// and the count again.
double WmfRegionMadeWork(const WmfWorkPricing& w)
{
    double rectangles = 0;
    for (DWORD scan = 0, at = 11; scan < w.p[5]; ++scan, at += 3 + w.p[at] + 1)
        rectangles += w.p[at] / 2;
    return CDrawingWork::Region(rectangles, 0, 0);
}

// A region object filled, painted, inverted or made the clip.
double WmfClipAreaWork(const WmfWorkPricing& w)
{
    return CDrawingWork::Pixels(w.clip.Area());
}

double WmfPixelWork(const WmfWorkPricing& w)
{
    return CDrawingWork::Pixels(1) + PlacedWork(w, w.p.Coordinate(3), w.p.Coordinate(2));
}

double WmfBlitWork(const WmfWorkPricing& w, DWORD left, PlayerPixel pixel)
{
    const WmfParameters& p = w.p;
    return PlacedWork(w, p.Coordinate(left), p.Coordinate(left - 1), p.Coordinate(left - 2), p.Coordinate(left - 3),
                      PixelOf(w.kind, w.dc, pixel));
}

// Without a bitmap the player fills the destination, a word further on, as a
// pattern.
double WmfDibBlitWork(const WmfWorkPricing& w)
{
    return WmfBlitWork(w, w.p.count > 9 ? 7 : 8, PlayerPixel::Blit);
}

double WmfFiguresWork(const WmfWorkPricing& w, bool polygons, bool closed)
{
    CDrawingWork work(w.drawing.Mapping(), &w.clip);
    const DWORD figures = polygons ? w.p[0] : 1, counts = polygons ? 1 : 0;
    DWORD at = counts + figures;
    for (DWORD figure = 0; figure < figures; ++figure)
    {
        for (DWORD i = 0; i < w.p[counts + figure]; ++i, at += 2)
        {
            if (i == 0)
                work.MoveTo(w.p.Coordinate(at), w.p.Coordinate(at + 1));
            else
                work.LineTo(w.p.Coordinate(at), w.p.Coordinate(at + 1));
        }
        if (closed)
            work.CloseFigure();
    }
    return work.Drawn(w.drawing.Pen(), closed);
}

double WmfLineToWork(const WmfWorkPricing& w)
{
    CDrawingWork work(w.drawing.Mapping(), &w.clip);
    work.MoveToCurrentPosition(w.dc);
    work.LineTo(w.p.Coordinate(1), w.p.Coordinate(0));
    return work.Drawn(w.drawing.Pen(), false);
}

double WmfBoxWork(const WmfWorkPricing& w, bool open, bool curved)
{
    const DWORD left = w.kind.fixedParameters - 1;
    CDrawingWork work(w.drawing.Mapping(), &w.clip);
    work.AddBoxShape(w.p.Coordinate(left), w.p.Coordinate(left - 1), w.p.Coordinate(left - 2), w.p.Coordinate(left - 3),
                     open, curved);
    return work.Drawn(w.drawing.Pen(), !open);
}
