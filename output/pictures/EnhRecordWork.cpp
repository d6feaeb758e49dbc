#include "output/pictures/EnhRecordWork.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/TextWork.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace
{
// The largest angle of an arc, in degrees.
const double MaxAngle = 3600;

// 'count' points of 'size' bytes from 'at': lines, or Bezier curves (each
// three points after the first), on from where the work is where
// 'fromPosition'.
void AddPoints(const EnhRecordFields& r, DWORD at, DWORD count, DWORD size, bool curves, bool fromPosition,
               CDrawingWork& work)
{
    DWORD i = 0;
    double x, y;
    if (!fromPosition && count > 0)
    {
        r.Point(at, size, x, y);
        work.MoveTo(x, y);
        i = 1;
    }
    for (; !curves && i < count; ++i)
    {
        r.Point(at + i * size, size, x, y);
        work.LineTo(x, y);
    }
    for (; curves && i + 3 <= count; i += 3)
    {
        double c[6];
        for (DWORD k = 0; k < 3; ++k)
            r.Point(at + (i + k) * size, size, c[2 * k], c[2 * k + 1]);
        work.BezierTo(c[0], c[1], c[2], c[3], c[4], c[5]);
    }
}

// Polygons or polylines counted at byte 24, their point counts from 32.
void AddPolyPoints(const EnhRecordFields& r, DWORD size, bool closed, CDrawingWork& work)
{
    const DWORD figures = r.At(24);
    DWORD at = 32 + 4 * figures;
    for (DWORD i = 0; i < figures; ++i)
    {
        const DWORD count = r.At(32 + 4 * i);
        AddPoints(r, at, count, size, false, false, work);
        if (closed)
            work.CloseFigure();
        at += count * size;
    }
}

// Points with their kinds (a POLYDRAW's).
void AddDrawnPoints(const EnhRecordFields& r, DWORD size, CDrawingWork& work)
{
    const DWORD count = r.At(24);
    const BYTE* kinds = r.data + 28 + count * size;
    for (DWORD i = 0; i < count; ++i)
    {
        double x, y;
        r.Point(28 + i * size, size, x, y);
        if ((kinds[i] & ~PT_CLOSEFIGURE) == PT_MOVETO)
            work.MoveTo(x, y);
        else
            work.LineTo(x, y); // a curve's control points, as lines, cross as many rows
        if ((kinds[i] & PT_CLOSEFIGURE) != 0)
            work.CloseFigure();
    }
}

// The path the player has built, as GetPath gives it.
void AddPath(HDC dc, CDrawingWork& work)
{
    const int count = ::GetPath(dc, NULL, NULL, 0);
    if (count <= 0)
        return;
    std::vector<POINT> points((size_t)count);
    std::vector<BYTE> kinds((size_t)count);
    if (::GetPath(dc, points.data(), kinds.data(), count) != count)
        return;
    for (int i = 0; i < count; ++i)
    {
        const BYTE kind = kinds[i] & ~PT_CLOSEFIGURE;
        if (kind == PT_MOVETO)
            work.MoveTo(points[i].x, points[i].y);
        else if (kind == PT_BEZIERTO && i + 2 < count)
        {
            work.BezierTo(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, points[i + 2].x, points[i + 2].y);
            i += 2;
        }
        else
            work.LineTo(points[i].x, points[i].y);
        if ((kinds[i] & PT_CLOSEFIGURE) != 0)
            work.CloseFigure();
    }
}

// Points that a record only places things at, 'count' of them 'stride'
// bytes apart from 'at' (a gradient's vertices, a pixel).
double PlacesWork(const EnhRecordFields& r, CDrawingState& drawing, DWORD at, DWORD count = 1, DWORD stride = 8)
{
    CDrawingWork work(drawing.Mapping());
    for (DWORD i = 0; i < count; ++i)
        work.AddPlace(r.Long(at + i * stride), r.Long(at + i * stride + 4));
    return work.Placed();
}

// So many characters from 'text' at the reference point at 'pointAt',
// drawn with the selected font.
double CharactersWork(const EnhWorkPricing& p, const BYTE* text, DWORD count, bool wide, DWORD pointAt)
{
    return PlacesWork(p.r, p.drawing, pointAt) +
           CDrawingWork::Text(p.drawing.FontArea(), p.clip, count, DistinctCharacters(text, count, wide), p.intoPath);
}

// The rectangle at 'at' that text whose options ask for it fills with the
// background first: its pixels inside the clip (a record of 1,000 strings,
// each filling the page, took the player 4.2-5.2 s at 4800 x 3600).
double OpaqueWork(const EnhWorkPricing& p, DWORD options, DWORD at)
{
    if ((options & ETO_OPAQUE) == 0)
        return 0;
    CDrawingWork work(p.drawing.Mapping(), &p.clip);
    for (const DWORD x : {at, at + 8})
        for (const DWORD y : {at + 4, at + 12})
            work.AddPlace(p.r.Long(x), p.r.Long(y));
    return work.Covering();
}

// A rectangle of a blit's bitmap, its top left at 'at' and its size at
// 'sizeAt', within the player's reach: a source 1.5 billion pixels wide
// overran its memory.
bool IsBitmapPartWithin(const EnhRecordFields& r, DWORD at, DWORD sizeAt)
{
    const double x = r.Long(at), y = r.Long(at + 4), width = r.Long(sizeAt), height = r.Long(sizeAt + 4);
    return CDrawingWork::Reaches(x) && CDrawingWork::Reaches(y) && CDrawingWork::Reaches(x + width) &&
           CDrawingWork::Reaches(y + height);
}

// What a record of lines or shapes draws: into a path only an outline
// that adds to it (the work comes when the path is filled, stroked, widened
// or clipped to), otherwise the pen's stroke and the fill inside the clip.
struct Shape
{
    explicit Shape(const EnhWorkPricing& p)
        : work(p.drawing.Mapping(), p.intoPath ? nullptr : &p.clip),
          pen(p.intoPath ? SelectedPen{false, 0, false} : p.drawing.Pen()), fills(!p.intoPath)
    {
    }
    double Drawn(bool filled) const { return work.Drawn(pen, fills && filled); }

    CDrawingWork work;
    const SelectedPen pen;
    const bool fills;
};

} // namespace

double EnhRecordWork(HDC dc, CDrawingState& drawing, const EnhRecordFields& r, const EnhRecordKind& kind, bool inPath,
                     double clipRectangles)
{
    return RecordWork(kind, dc, drawing.Mapping(), r.At(4), clipRectangles, [&](const CDeviceClip& clip) {
        return EnhWorkPricing{dc, drawing, r, kind, clip, inPath && !kind.Is(UsesPath)};
    });
}

double TextsWork(const EnhWorkPricing& p, bool poly, bool wide)
{
    const EnhRecordFields& r = p.r;
    const EnhTexts texts = TextsOf(r, poly);
    double work = poly ? CDrawingWork::State() : 0;
    for (DWORD at = texts.at; at < texts.End(); at += sizeof(EMRTEXT))
        work += OpaqueWork(p, r.At(at + offsetof(EMRTEXT, fOptions)), at + offsetof(EMRTEXT, rcl)) +
                CharactersWork(p, r.data + r.At(at + offsetof(EMRTEXT, offString)),
                               r.At(at + offsetof(EMRTEXT, nChars)), wide, at + offsetof(EMRTEXT, ptlReference));
    return work;
}

double SmallTextWork(const EnhWorkPricing& p)
{
    const EnhSmallText text = SmallTextOf(p.r);
    return (text.rectangle ? OpaqueWork(p, text.options, 36) : 0) +
           CharactersWork(p, p.r.data + text.at, text.count, text.wide, 8);
}

double PixelWork(const EnhWorkPricing& p)
{
    return CDrawingWork::Pixels(1) + PlacesWork(p.r, p.drawing, 8);
}

double ExtFloodFillWork(const EnhWorkPricing& p)
{
    return PlacesWork(p.r, p.drawing, 8) + FloodFillWork(p.dc, *EnhFloodFill(EMR_EXTFLOODFILL, p.r));
}

// Each triangle or rectangle of a gradient by the pixels it can touch
// inside the clip: a triangle its area, a rectangle its box.
double GradientWork(const EnhWorkPricing& p)
{
    const EnhRecordFields& r = p.r;
    const DWORD vertices = r.At(offsetof(EMRGRADIENTFILL, nVer)), items = r.At(offsetof(EMRGRADIENTFILL, nTri));
    const bool triangles = r.At(offsetof(EMRGRADIENTFILL, ulMode)) == GRADIENT_FILL_TRIANGLE;
    const DWORD corners = triangles ? 3 : 2, itemsAt = offsetof(EMRGRADIENTFILL, Ver) + vertices * sizeof(TRIVERTEX);
    double work = PlacesWork(r, p.drawing, offsetof(EMRGRADIENTFILL, Ver), vertices, sizeof(TRIVERTEX));
    // Counted only until the record is too costly: a record may hold a
    // million items.
    for (DWORD i = 0; i < items && CPlayGuard::IsAffordable(work); ++i)
    {
        // The load check has found each vertex's index within the record.
        double x[3], y[3];
        for (DWORD k = 0; k < corners; ++k)
        {
            const DWORD vertex =
                offsetof(EMRGRADIENTFILL, Ver) + r.At(itemsAt + 4 * (corners * i + k)) * sizeof(TRIVERTEX);
            p.drawing.Mapping().Map(r.Long(vertex), r.Long(vertex + 4), x[k], y[k]);
        }
        const double left = *std::min_element(x, x + corners), right = *std::max_element(x, x + corners);
        const double top = *std::min_element(y, y + corners), bottom = *std::max_element(y, y + corners);
        double area = p.clip.Covered(left, top, right, bottom);
        if (triangles)
        {
            const double inside = std::fabs((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2 +
                                  (right - left) + (bottom - top);
            area = std::min(area, inside);
        }
        work += CDrawingWork::Gradient(area, p.clip.Rows(top, bottom), triangles);
    }
    return work;
}

// A blit placed within the player's reach, and its source and mask: the
// pixels of its destination inside the clip, and of its source as the
// player reads them (a photograph of 4000 x 3000 took it 60 ms into
// 800 x 600, 80 ms into 4800 x 3600); stretched by averaging where
// the DC stretches so.
double BlitWork(const EnhWorkPricing& p, const BlitLayout* at)
{
    const BlitLayout& layout = *at;
    const double SourcePixelMicroseconds = 0.006;
    const EnhRecordFields& r = p.r;
    // Records that stretch their bitmap do so in the DC's stretch mode.
    const PlayerPixel pixel = PixelOf(p.kind, p.dc, layout.pixel);
    CDrawingWork work(p.drawing.Mapping(), &p.clip);
    const double x = r.Long(layout.destination), y = r.Long(layout.destination + 4);
    work.AddPlace(x, y);
    if (layout.destinationSize != 0)
        work.AddPlace(x + r.Long(layout.destinationSize), y + r.Long(layout.destinationSize + 4));
    else
        for (DWORD corner = 1; corner < 3; ++corner)
            work.AddPlace(r.Long(layout.destination + 8 * corner), r.Long(layout.destination + 8 * corner + 4));
    if (!IsBitmapPartWithin(r, layout.source, layout.sourceSize) ||
        (layout.mask != 0 && !IsBitmapPartWithin(r, layout.mask, layout.sourceSize)))
        return std::numeric_limits<double>::infinity();
    const double source = std::fabs(r.Long(layout.sourceSize) * r.Long(layout.sourceSize + 4));
    return work.Covering(pixel) + source * SourcePixelMicroseconds;
}

double RegionWork(const EnhWorkPricing& p, DWORD at, int mode)
{
    const double rectangles = p.r.At(at + offsetof(RGNDATAHEADER, nCount));
    const double held = mode == RGN_COPY ? 0 : p.clip.ClipRegionRectangles();
    // Cut by each other's rectangles: where one is inside the other, each
    // pair at most once; joined, each row of one by each band of the other.
    const double combined = mode == RGN_AND ? rectangles * held : (rectangles + held) * (rectangles + held);
    return CDrawingWork::Region(rectangles, held == 0 ? 0 : combined, p.clip.Area());
}

double ClipRegionWork(const EnhWorkPricing& p)
{
    // A region of no bytes makes the clip the whole device.
    const EnhRecordFields& r = p.r;
    return r.At(offsetof(EMREXTSELECTCLIPRGN, cbRgnData)) < sizeof(RGNDATAHEADER)
               ? CDrawingWork::State()
               : RegionWork(p, offsetof(EMREXTSELECTCLIPRGN, RgnData), (int)r.At(offsetof(EMREXTSELECTCLIPRGN, iMode)));
}

double PointsWork(const EnhWorkPricing& p, PointFigures figures)
{
    Shape shape(p);
    const DWORD size = p.kind.Is(ShortPoints) ? 4 : 8;
    const bool curves = figures == PointFigures::Beziers || figures == PointFigures::BeziersOn;
    const bool on = figures == PointFigures::PolylineOn || figures == PointFigures::BeziersOn;
    const bool closed = figures == PointFigures::Polygon || figures == PointFigures::Polygons;
    // Drawn points, and those drawn on, begin at the current position.
    if (on || figures == PointFigures::Drawn)
        shape.work.MoveToCurrentPosition(p.dc);
    if (figures == PointFigures::Polygons || figures == PointFigures::Polylines)
        AddPolyPoints(p.r, size, closed, shape.work);
    else if (figures == PointFigures::Drawn)
        AddDrawnPoints(p.r, size, shape.work);
    else
    {
        AddPoints(p.r, 28, p.r.At(24), size, curves, on, shape.work);
        if (figures == PointFigures::Polygon)
            shape.work.CloseFigure();
    }
    return shape.Drawn(closed);
}

double LineToWork(const EnhWorkPricing& p)
{
    Shape shape(p);
    shape.work.MoveToCurrentPosition(p.dc);
    shape.work.LineTo(p.r.Long(8), p.r.Long(12));
    return shape.Drawn(false);
}

double BoxWork(const EnhWorkPricing& p, bool fromPosition, bool open, bool curved)
{
    Shape shape(p);
    if (fromPosition)
        shape.work.MoveToCurrentPosition(p.dc);
    shape.work.AddBoxShape(p.r.Long(8), p.r.Long(12), p.r.Long(16), p.r.Long(20), open, curved);
    return shape.Drawn(!open);
}

double AngleArcWork(const EnhWorkPricing& p)
{
    Shape shape(p);
    const EnhRecordFields& r = p.r;
    const double x = r.Long(8), y = r.Long(12), radius = r.At(16);
    shape.work.MoveToCurrentPosition(p.dc);
    shape.work.AddBoxShape(x - radius, y - radius, x + radius, y + radius, true);
    // Angles that are no numbers, or turn more than ten times round, are no
    // arc.
    const double start = r.Float(offsetof(EMRANGLEARC, eStartAngle));
    const double sweep = r.Float(offsetof(EMRANGLEARC, eSweepAngle));
    if (!(std::fabs(start) <= MaxAngle && std::fabs(sweep) <= MaxAngle))
        return std::numeric_limits<double>::infinity();
    return shape.Drawn(false);
}

double PathWork(const EnhWorkPricing& p, PathUse use)
{
    Shape shape(p);
    AddPath(p.dc, shape.work);
    if (use == PathUse::Filled)
        return shape.work.Fill();
    return use == PathUse::Widened ? shape.work.Widened(shape.pen) : shape.Drawn(use == PathUse::StrokedAndFilled);
}
