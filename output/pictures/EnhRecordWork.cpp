#include "output/pictures/EnhRecordWork.h"

#include "output/pictures/DrawingWork.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/TextWork.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace
{
// The largest angle of an arc, in degrees.
const double MaxAngle = 3600;

void AddCurrentPosition(HDC dc, CDrawingWork& work)
{
    POINT position = {0, 0};
    ::GetCurrentPositionEx(dc, &position);
    work.MoveTo(position.x, position.y);
}

// 'count' points from 'at': lines, or Bezier curves (each three points
// after the first).
template <DWORD PointSize>
void AddPoints(const EnhRecordFields& r, DWORD at, DWORD count, bool curves, bool fromPosition, HDC dc,
               CDrawingWork& work)
{
    DWORD i = 0;
    double x, y;
    if (fromPosition)
        AddCurrentPosition(dc, work);
    else if (count > 0)
    {
        r.Point<PointSize>(at, x, y);
        work.MoveTo(x, y);
        i = 1;
    }
    if (!curves)
    {
        for (; i < count; ++i)
        {
            r.Point<PointSize>(at + i * PointSize, x, y);
            work.LineTo(x, y);
        }
        return;
    }
    for (; i + 3 <= count; i += 3)
    {
        double c[6];
        for (DWORD k = 0; k < 3; ++k)
            r.Point<PointSize>(at + (i + k) * PointSize, c[2 * k], c[2 * k + 1]);
        work.BezierTo(c[0], c[1], c[2], c[3], c[4], c[5]);
    }
}

// Polygons or polylines counted at byte 24, their point counts from 32.
template <DWORD PointSize>
void AddPolyPoints(const EnhRecordFields& r, bool closed, HDC dc, CDrawingWork& work)
{
    const DWORD figures = r.At(24);
    DWORD at = 32 + 4 * figures;
    for (DWORD i = 0; i < figures; ++i)
    {
        const DWORD count = r.At(32 + 4 * i);
        AddPoints<PointSize>(r, at, count, false, false, dc, work);
        if (closed)
            work.CloseFigure();
        at += count * PointSize;
    }
}

// Points with their kinds (a POLYDRAW's), on from the current position.
template <DWORD PointSize>
void AddDrawnPoints(const EnhRecordFields& r, HDC dc, CDrawingWork& work)
{
    const DWORD count = r.At(24);
    const BYTE* kinds = r.data + 28 + count * PointSize;
    AddCurrentPosition(dc, work);
    for (DWORD i = 0; i < count; ++i)
    {
        double x, y;
        r.Point<PointSize>(28 + i * PointSize, x, y);
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

void AddBox(const EnhRecordFields& r, bool open, CDrawingWork& work)
{
    work.AddBoxShape(r.Long(8), r.Long(12), r.Long(16), r.Long(20), open);
}

// An EMRTEXT at 'at' drawn with the selected font.
double TextWork(const EnhRecordFields& r, DWORD at, bool wide, CDrawingState& drawing, bool inPath)
{
    const DWORD count = r.At(at + offsetof(EMRTEXT, nChars));
    if (count == 0)
        return 0;
    const BYTE* text = r.data + r.At(at + offsetof(EMRTEXT, offString));
    CDrawingWork place(drawing.Mapping());
    place.AddPlace(r.Long(at + offsetof(EMRTEXT, ptlReference.x)), r.Long(at + offsetof(EMRTEXT, ptlReference.y)));
    return place.Placed() +
           CDrawingWork::Text(drawing.FontArea(), count, DistinctCharacters(text, count, wide), inPath);
}

double TextsWork(const EnhRecordFields& r, bool wide, CDrawingState& drawing, bool inPath)
{
    const DWORD count = r.At(offsetof(EMRPOLYTEXTOUTA, cStrings));
    double work = 0;
    for (DWORD i = 0; i < count; ++i)
        work += TextWork(r, offsetof(EMRPOLYTEXTOUTA, aemrtext) + i * sizeof(EMRTEXT), wide, drawing, inPath);
    return work;
}

// Where a blit keeps its destination (its top left and size), its source
// in the bitmap (top left and size: the destination's size where it has
// none of its own) and its mask's top left (0: no mask). A parallelogram
// blit's destination is three corners.
struct BlitLayout
{
    DWORD destination, destinationSize, source, sourceSize, mask;
};

BlitLayout BlitLayoutOf(DWORD type)
{
    switch (type)
    {
    case EMR_BITBLT:
        return {offsetof(EMRBITBLT, xDest), offsetof(EMRBITBLT, cxDest), offsetof(EMRBITBLT, xSrc),
                offsetof(EMRBITBLT, cxDest), 0};
    case EMR_STRETCHBLT:
        return {offsetof(EMRSTRETCHBLT, xDest), offsetof(EMRSTRETCHBLT, cxDest), offsetof(EMRSTRETCHBLT, xSrc),
                offsetof(EMRSTRETCHBLT, cxSrc), 0};
    case EMR_MASKBLT:
        return {offsetof(EMRMASKBLT, xDest), offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xSrc),
                offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xMask)};
    case EMR_ALPHABLEND:
        return {offsetof(EMRALPHABLEND, xDest), offsetof(EMRALPHABLEND, cxDest), offsetof(EMRALPHABLEND, xSrc),
                offsetof(EMRALPHABLEND, cxSrc), 0};
    case EMR_TRANSPARENTBLT:
        return {offsetof(EMRTRANSPARENTBLT, xDest), offsetof(EMRTRANSPARENTBLT, cxDest),
                offsetof(EMRTRANSPARENTBLT, xSrc), offsetof(EMRTRANSPARENTBLT, cxSrc), 0};
    case EMR_STRETCHDIBITS:
        return {offsetof(EMRSTRETCHDIBITS, xDest), offsetof(EMRSTRETCHDIBITS, cxDest), offsetof(EMRSTRETCHDIBITS, xSrc),
                offsetof(EMRSTRETCHDIBITS, cxSrc), 0};
    case EMR_SETDIBITSTODEVICE:
        return {offsetof(EMRSETDIBITSTODEVICE, xDest), offsetof(EMRSETDIBITSTODEVICE, cxSrc),
                offsetof(EMRSETDIBITSTODEVICE, xSrc), offsetof(EMRSETDIBITSTODEVICE, cxSrc), 0};
    default: // EMR_PLGBLT
        return {offsetof(EMRPLGBLT, aptlDest), 0, offsetof(EMRPLGBLT, xSrc), offsetof(EMRPLGBLT, cxSrc),
                offsetof(EMRPLGBLT, xMask)};
    }
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

// A blit placed within the player's reach, and its source and mask.
double BlitWork(const EnhRecordFields& r, DWORD type, CDrawingState& drawing)
{
    const BlitLayout layout = BlitLayoutOf(type);
    CDrawingWork work(drawing.Mapping());
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
    return work.Placed();
}

// Points that a record only places things at, 'count' of them 'stride'
// bytes apart from 'at' (a gradient's vertices, a pixel).
double PlacesWork(const EnhRecordFields& r, DWORD at, DWORD count, DWORD stride, CDrawingState& drawing)
{
    CDrawingWork work(drawing.Mapping());
    for (DWORD i = 0; i < count; ++i)
        work.AddPlace(r.Long(at + i * stride), r.Long(at + i * stride + 4));
    return work.Placed();
}

// The kind of record with 32-bit points that a kind with 16-bit ones
// draws as.
DWORD LongPointKind(DWORD type)
{
    switch (type)
    {
    case EMR_POLYGON16:
        return EMR_POLYGON;
    case EMR_POLYLINE16:
        return EMR_POLYLINE;
    case EMR_POLYBEZIER16:
        return EMR_POLYBEZIER;
    case EMR_POLYLINETO16:
        return EMR_POLYLINETO;
    case EMR_POLYBEZIERTO16:
        return EMR_POLYBEZIERTO;
    case EMR_POLYPOLYGON16:
        return EMR_POLYPOLYGON;
    case EMR_POLYPOLYLINE16:
        return EMR_POLYPOLYLINE;
    default:
        return EMR_POLYDRAW;
    }
}

// A record of points (PointSize bytes each) of the given kind, as its kind
// with 32-bit points names it.
template <DWORD PointSize>
double PointsWork(const EnhRecordFields& r, DWORD kind, HDC dc, CDrawingState& drawing, CDrawingWork& work)
{
    const bool curves = kind == EMR_POLYBEZIER || kind == EMR_POLYBEZIERTO;
    switch (kind)
    {
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE:
        AddPolyPoints<PointSize>(r, kind == EMR_POLYPOLYGON, dc, work);
        break;
    case EMR_POLYDRAW:
        AddDrawnPoints<PointSize>(r, dc, work);
        break;
    default:
        AddPoints<PointSize>(r, 28, r.At(24), curves, kind == EMR_POLYLINETO || kind == EMR_POLYBEZIERTO, dc, work);
        if (kind == EMR_POLYGON)
            work.CloseFigure();
        break;
    }
    return work.Drawn(drawing.Pen(), kind == EMR_POLYGON || kind == EMR_POLYPOLYGON);
}

} // namespace

double EnhRecordWork(HDC dc, CDrawingState& drawing, const EnhRecordFields& r, DWORD type, bool inPath)
{
    switch (type)
    {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        return TextWork(r, offsetof(EMREXTTEXTOUTA, emrtext), type == EMR_EXTTEXTOUTW, drawing, inPath);
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW:
        return TextsWork(r, type == EMR_POLYTEXTOUTW, drawing, inPath);
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_MASKBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT:
    case EMR_STRETCHDIBITS:
    case EMR_SETDIBITSTODEVICE:
    case EMR_PLGBLT:
        return BlitWork(r, type, drawing);
    case EMR_SETPIXELV:
        return PlacesWork(r, 8, 1, 8, drawing);
    case EMR_EXTFLOODFILL:
        return PlacesWork(r, 8, 1, 8, drawing) + FloodFillWork(dc, drawing.Mapping());
    case EMR_GRADIENTFILL:
        return PlacesWork(r, offsetof(EMRGRADIENTFILL, Ver), r.At(offsetof(EMRGRADIENTFILL, nVer)), sizeof(TRIVERTEX),
                          drawing);
    case SmallTextRecord: {
        const DWORD count = r.At(16), options = r.At(20);
        const bool wide = (options & SmallTextCharacters) == 0;
        const BYTE* text = r.data + 36 + ((options & SmallTextNoRectangle) != 0 ? 0 : 16);
        return CDrawingWork::Text(drawing.FontArea(), count, DistinctCharacters(text, count, wide), inPath);
    }
    default:
        break;
    }
    // Lines and shapes drawn into a path only add to it: the work comes
    // when the path is filled, stroked, widened or clipped to.
    const bool pathRecord = type == EMR_FILLPATH || type == EMR_STROKEANDFILLPATH || type == EMR_STROKEPATH ||
                            type == EMR_WIDENPATH || type == EMR_SELECTCLIPPATH || type == EMR_FLATTENPATH;
    if (inPath && !pathRecord)
        return 0;
    CDrawingWork work(drawing.Mapping());
    switch (type)
    {
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIER:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIERTO:
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE:
    case EMR_POLYDRAW:
        return PointsWork<8>(r, type, dc, drawing, work);
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIER16:
    case EMR_POLYLINETO16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYPOLYGON16:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYDRAW16:
        return PointsWork<4>(r, LongPointKind(type), dc, drawing, work);
    case EMR_LINETO:
        AddCurrentPosition(dc, work);
        work.LineTo(r.Long(8), r.Long(12));
        return work.Drawn(drawing.Pen(), false);
    case EMR_RECTANGLE:
        work.AddBoxShape(r.Long(8), r.Long(12), r.Long(16), r.Long(20), false, false);
        return work.Drawn(drawing.Pen(), true);
    case EMR_ELLIPSE:
    case EMR_ROUNDRECT:
    case EMR_CHORD:
    case EMR_PIE:
        AddBox(r, false, work);
        return work.Drawn(drawing.Pen(), true);
    case EMR_ARC:
        AddBox(r, true, work);
        return work.Drawn(drawing.Pen(), false);
    case EMR_ARCTO:
        AddCurrentPosition(dc, work);
        AddBox(r, true, work);
        return work.Drawn(drawing.Pen(), false);
    case EMR_ANGLEARC: {
        const double x = r.Long(8), y = r.Long(12), radius = r.At(16);
        AddCurrentPosition(dc, work);
        work.AddBoxShape(x - radius, y - radius, x + radius, y + radius, true);
        // Angles that are no numbers, or turn more than ten times round,
        // are no arc.
        const double start = r.Float(offsetof(EMRANGLEARC, eStartAngle));
        const double sweep = r.Float(offsetof(EMRANGLEARC, eSweepAngle));
        if (!(std::fabs(start) <= MaxAngle && std::fabs(sweep) <= MaxAngle))
            return std::numeric_limits<double>::infinity();
        return work.Drawn(drawing.Pen(), false);
    }
    case EMR_FILLPATH:
    case EMR_SELECTCLIPPATH:
        AddPath(dc, work);
        return work.Fill();
    case EMR_STROKEANDFILLPATH:
        AddPath(dc, work);
        return work.Drawn(drawing.Pen(), true);
    case EMR_STROKEPATH:
    case EMR_WIDENPATH:
    case EMR_FLATTENPATH:
        AddPath(dc, work);
        return work.Drawn(drawing.Pen(), false);
    default:
        return 0;
    }
}
