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

// So many characters from 'text' at a reference point, drawn with the
// selected font.
double CharactersWork(const BYTE* text, DWORD count, bool wide, double x, double y, CDrawingState& drawing,
                      const CDeviceClip& clip, bool inPath)
{
    CDrawingWork place(drawing.Mapping());
    place.AddPlace(x, y);
    return place.Placed() +
           CDrawingWork::Text(drawing.FontArea(), clip, count, DistinctCharacters(text, count, wide), inPath);
}

// The rectangle at 'at' that text whose options ask for it fills with the
// background first: its pixels inside the clip (a record of 1,000 strings,
// each filling the page, took the player 4.2-5.2 s at 4800 x 3600).
double OpaqueWork(const EnhRecordFields& r, DWORD options, DWORD at, CDrawingState& drawing, const CDeviceClip& clip)
{
    if ((options & ETO_OPAQUE) == 0)
        return 0;
    CDrawingWork work(drawing.Mapping(), &clip);
    for (const DWORD x : {at, at + 8})
        for (const DWORD y : {at + 4, at + 12})
            work.AddPlace(r.Long(x), r.Long(y));
    return work.Covering();
}

// An EMRTEXT at 'at'.
double TextWork(const EnhRecordFields& r, DWORD at, bool wide, CDrawingState& drawing, const CDeviceClip& clip,
                bool inPath)
{
    const DWORD count = r.At(at + offsetof(EMRTEXT, nChars));
    return OpaqueWork(r, r.At(at + offsetof(EMRTEXT, fOptions)), at + offsetof(EMRTEXT, rcl), drawing, clip) +
           CharactersWork(r.data + r.At(at + offsetof(EMRTEXT, offString)), count, wide,
                          r.Long(at + offsetof(EMRTEXT, ptlReference.x)),
                          r.Long(at + offsetof(EMRTEXT, ptlReference.y)), drawing, clip, inPath);
}

double TextsWork(const EnhRecordFields& r, bool wide, CDrawingState& drawing, const CDeviceClip& clip, bool inPath)
{
    const DWORD count = r.At(offsetof(EMRPOLYTEXTOUTA, cStrings));
    double work = CDrawingWork::State();
    for (DWORD i = 0; i < count; ++i)
        work += TextWork(r, offsetof(EMRPOLYTEXTOUTA, aemrtext) + i * sizeof(EMRTEXT), wide, drawing, clip, inPath);
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

// How the player makes a blit's pixels: records that stretch their bitmap
// do so in the DC's stretch mode.
PlayerPixel BlitPixel(DWORD type, HDC dc)
{
    if (EnhRecordStretches(type))
        return CDrawingWork::Halftones(dc) ? PlayerPixel::HalftoneStretch : PlayerPixel::PlainStretch;
    if (type == EMR_MASKBLT)
        return PlayerPixel::MaskedBlit;
    return type == EMR_ALPHABLEND ? PlayerPixel::AlphaBlit : PlayerPixel::Blit;
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

// A blit placed within the player's reach, and its source and mask: the
// pixels of its destination inside the clip, and of its source as the
// player reads them (a photograph of 4000 x 3000 took it 60 ms into
// 800 x 600, 80 ms into 4800 x 3600); the destination's of the given kind.
double BlitWork(const EnhRecordFields& r, DWORD type, CDrawingState& drawing, const CDeviceClip& clip, PlayerPixel kind)
{
    const double SourcePixelMicroseconds = 0.006;
    const BlitLayout layout = BlitLayoutOf(type);
    CDrawingWork work(drawing.Mapping(), &clip);
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
    return work.Covering(kind) + source * SourcePixelMicroseconds;
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

// Each triangle or rectangle of a gradient by the pixels it can touch
// inside the clip: a triangle its area, a rectangle its box.
double GradientWork(const EnhRecordFields& r, CDrawingState& drawing, const CDeviceClip& clip)
{
    const DWORD vertices = r.At(offsetof(EMRGRADIENTFILL, nVer)), items = r.At(offsetof(EMRGRADIENTFILL, nTri));
    const bool triangles = r.At(offsetof(EMRGRADIENTFILL, ulMode)) == GRADIENT_FILL_TRIANGLE;
    const DWORD corners = triangles ? 3 : 2, itemsAt = offsetof(EMRGRADIENTFILL, Ver) + vertices * sizeof(TRIVERTEX);
    double work = PlacesWork(r, offsetof(EMRGRADIENTFILL, Ver), vertices, sizeof(TRIVERTEX), drawing);
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
            drawing.Mapping().Map(r.Long(vertex), r.Long(vertex + 4), x[k], y[k]);
        }
        const double left = *std::min_element(x, x + corners), right = *std::max_element(x, x + corners);
        const double top = *std::min_element(y, y + corners), bottom = *std::max_element(y, y + corners);
        double area = clip.Covered(left, top, right, bottom);
        if (triangles)
        {
            const double inside = std::fabs((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2 +
                                  (right - left) + (bottom - top);
            area = std::min(area, inside);
        }
        work += CDrawingWork::Gradient(area, clip.Rows(top, bottom), triangles);
    }
    return work;
}

// A region record's region, its RGNDATA at 'at', used with the DC's clip
// region: filled, painted, inverted or framed inside it, or combined with it
// in the given mode (RGN_COPY: replacing it).
double RegionWork(const EnhRecordFields& r, DWORD at, int mode, HDC dc, const CDeviceClip& clip)
{
    const double rectangles = r.At(at + offsetof(RGNDATAHEADER, nCount));
    const double held = mode == RGN_COPY ? 0 : CDeviceClip::Rectangles(dc);
    // Cut by each other's rectangles: where one is inside the other, each
    // pair at most once; joined, each row of one by each band of the other.
    const double combined = mode == RGN_AND ? rectangles * held : (rectangles + held) * (rectangles + held);
    return CDrawingWork::Region(rectangles, held == 0 ? 0 : combined, clip.Area());
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
double PointsWork(const EnhRecordFields& r, DWORD kind, HDC dc, const SelectedPen& pen, bool fills, CDrawingWork& work)
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
    return work.Drawn(pen, fills && (kind == EMR_POLYGON || kind == EMR_POLYPOLYGON));
}

// Records that only set what later ones draw with, or draw nothing.
bool SetsStateOnly(DWORD type)
{
    switch (type)
    {
    case EMR_HEADER:
    case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTEXTEX:
    case EMR_SETVIEWPORTORGEX:
    case EMR_SETBRUSHORGEX:
    case EMR_EOF:
    case EMR_SETMAPPERFLAGS:
    case EMR_SETMAPMODE:
    case EMR_SETBKMODE:
    case EMR_SETPOLYFILLMODE:
    case EMR_SETROP2:
    case EMR_SETSTRETCHBLTMODE:
    case EMR_SETTEXTALIGN:
    case EMR_SETCOLORADJUSTMENT:
    case EMR_SETTEXTCOLOR:
    case EMR_SETBKCOLOR:
    case EMR_OFFSETCLIPRGN:
    case EMR_MOVETOEX:
    case EMR_SETMETARGN:
    case EMR_EXCLUDECLIPRECT:
    case EMR_INTERSECTCLIPRECT:
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX:
    case EMR_SAVEDC:
    case EMR_RESTOREDC:
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM:
    case EMR_SELECTOBJECT:
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_DELETEOBJECT:
    case EMR_SELECTPALETTE:
    case EMR_CREATEPALETTE:
    case EMR_SETPALETTEENTRIES:
    case EMR_RESIZEPALETTE:
    case EMR_REALIZEPALETTE:
    case EMR_SETARCDIRECTION:
    case EMR_SETMITERLIMIT:
    case EMR_BEGINPATH:
    case EMR_ENDPATH:
    case EMR_CLOSEFIGURE:
    case EMR_ABORTPATH:
    case EMR_GDICOMMENT:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
    case EMR_EXTCREATEPEN:
    case EMR_SETICMMODE:
    case EMR_CREATECOLORSPACE:
    case EMR_SETCOLORSPACE:
    case EMR_DELETECOLORSPACE:
    case ForceUfiMappingRecord:
    case EMR_COLORCORRECTPALETTE:
    case EMR_SETICMPROFILEA:
    case EMR_SETICMPROFILEW:
    case EMR_SETLAYOUT:
    case LinkedUfisRecord:
    case TextJustificationRecord:
    case EMR_COLORMATCHTOTARGETW:
    case EMR_CREATECOLORSPACEW:
        return true;
    default:
        return false;
    }
}

} // namespace

bool EnhRecordStretches(DWORD type)
{
    return type == EMR_STRETCHBLT || type == EMR_STRETCHDIBITS || type == EMR_TRANSPARENTBLT || type == EMR_PLGBLT;
}

double EnhRecordWork(HDC dc, CDrawingState& drawing, const EnhRecordFields& r, DWORD type, bool inPath,
                     double clipRectangles)
{
    if (SetsStateOnly(type))
        return CDrawingWork::State();
    const CDeviceClip clip(dc, drawing.Mapping(), clipRectangles);
    switch (type)
    {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        return TextWork(r, offsetof(EMREXTTEXTOUTA, emrtext), type == EMR_EXTTEXTOUTW, drawing, clip, inPath);
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW:
        return TextsWork(r, type == EMR_POLYTEXTOUTW, drawing, clip, inPath);
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_MASKBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT:
    case EMR_STRETCHDIBITS:
    case EMR_SETDIBITSTODEVICE:
    case EMR_PLGBLT:
        return BlitWork(r, type, drawing, clip, BlitPixel(type, dc));
    case EMR_SETPIXELV:
        return CDrawingWork::Pixels(1) + PlacesWork(r, 8, 1, 8, drawing);
    case EMR_EXTFLOODFILL:
        return PlacesWork(r, 8, 1, 8, drawing) + FloodFillWork(dc, *EnhFloodFill(type, r));
    case EMR_GRADIENTFILL:
        return GradientWork(r, drawing, clip);
    case SmallTextRecord: {
        const DWORD count = r.At(16), options = r.At(20);
        const bool wide = (options & SmallTextCharacters) == 0, rectangle = (options & SmallTextNoRectangle) == 0;
        const BYTE* text = r.data + 36 + (rectangle ? 16 : 0);
        return (rectangle ? OpaqueWork(r, options, 36, drawing, clip) : 0) +
               CharactersWork(text, count, wide, r.Long(8), r.Long(12), drawing, clip, inPath);
    }
    case EMR_FILLRGN:
    case EMR_PAINTRGN:
    case EMR_INVERTRGN:
        return RegionWork(r, type == EMR_FILLRGN ? 32 : 28, RGN_AND, dc, clip);
    case EMR_FRAMERGN:
        return RegionWork(r, offsetof(EMRFRAMERGN, RgnData), RGN_AND, dc, clip);
    case EMR_EXTSELECTCLIPRGN:
        // A region of no bytes makes the clip the whole device.
        return r.At(offsetof(EMREXTSELECTCLIPRGN, cbRgnData)) < sizeof(RGNDATAHEADER)
                   ? CDrawingWork::State()
                   : RegionWork(r, offsetof(EMREXTSELECTCLIPRGN, RgnData),
                                (int)r.At(offsetof(EMREXTSELECTCLIPRGN, iMode)), dc, clip);
    default:
        break;
    }
    // Lines and shapes drawn into a path only add to it: the work comes
    // when the path is filled, stroked, widened or clipped to.
    const bool pathRecord = type == EMR_FILLPATH || type == EMR_STROKEANDFILLPATH || type == EMR_STROKEPATH ||
                            type == EMR_WIDENPATH || type == EMR_SELECTCLIPPATH || type == EMR_FLATTENPATH;
    const bool intoPath = inPath && !pathRecord;
    CDrawingWork work(drawing.Mapping(), intoPath ? nullptr : &clip);
    const SelectedPen pen = intoPath ? SelectedPen{false, 0, false} : drawing.Pen();
    const bool fills = !intoPath;
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
        return PointsWork<8>(r, type, dc, pen, fills, work);
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIER16:
    case EMR_POLYLINETO16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYPOLYGON16:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYDRAW16:
        return PointsWork<4>(r, LongPointKind(type), dc, pen, fills, work);
    case EMR_LINETO:
        AddCurrentPosition(dc, work);
        work.LineTo(r.Long(8), r.Long(12));
        return work.Drawn(pen, false);
    case EMR_RECTANGLE:
        work.AddBoxShape(r.Long(8), r.Long(12), r.Long(16), r.Long(20), false, false);
        return work.Drawn(pen, fills);
    case EMR_ELLIPSE:
    case EMR_ROUNDRECT:
    case EMR_CHORD:
    case EMR_PIE:
        AddBox(r, false, work);
        return work.Drawn(pen, fills);
    case EMR_ARC:
        AddBox(r, true, work);
        return work.Drawn(pen, false);
    case EMR_ARCTO:
        AddCurrentPosition(dc, work);
        AddBox(r, true, work);
        return work.Drawn(pen, false);
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
        return work.Drawn(pen, false);
    }
    case EMR_FILLPATH:
    case EMR_SELECTCLIPPATH:
        AddPath(dc, work);
        return work.Fill();
    case EMR_STROKEANDFILLPATH:
        AddPath(dc, work);
        return work.Drawn(pen, fills);
    case EMR_STROKEPATH:
        AddPath(dc, work);
        return work.Drawn(pen, false);
    case EMR_WIDENPATH:
    case EMR_FLATTENPATH:
        AddPath(dc, work);
        return work.Widened(pen);
    default:
        return CDrawingWork::Unmeasured(r.At(4), clip);
    }
}
