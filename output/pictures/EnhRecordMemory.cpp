#include "output/pictures/EnhRecordMemory.h"

#include "output/pictures/DrawingState.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace
{
// The bytes of the bitmap whose header's offset is at 'offsetAt' (none
// where the offset is 0: a blit without a source).
double BitmapAt(const EnhRecordFields& r, DWORD offsetAt)
{
    const DWORD offset = r.At(offsetAt), size = r.At(4);
    if (offset == 0 || offset >= size)
        return 0;
    return CDrawingMemory::BitmapBytes(r.data + offset, size - offset);
}

// A blit's source, and its mask, which the player may copy once more.
double BlitBitmaps(const EnhRecordFields& r, DWORD type)
{
    switch (type)
    {
    case EMR_BITBLT:
        return BitmapAt(r, offsetof(EMRBITBLT, offBmiSrc));
    case EMR_STRETCHBLT:
        return BitmapAt(r, offsetof(EMRSTRETCHBLT, offBmiSrc));
    case EMR_MASKBLT: {
        // The player blits through two bitmaps of the destination's size in
        // logical units, however little of it the clip shows: 6000 x 6000
        // from bitmaps of a pixel (a 368-byte picture) took it 274 MB into
        // 800 x 600.
        const double destination =
            std::fabs(r.Long(offsetof(EMRMASKBLT, cxDest)) * r.Long(offsetof(EMRMASKBLT, cyDest)));
        return 2 * (BitmapAt(r, offsetof(EMRMASKBLT, offBmiSrc)) + BitmapAt(r, offsetof(EMRMASKBLT, offBmiMask))) +
               8 * destination;
    }
    case EMR_PLGBLT: {
        // Turning it, the player blits through bitmaps of the source's size
        // however small the bitmap: 6000 x 6000 of a bitmap of a pixel (a
        // 236-byte picture) took it 375 MB.
        const double source = std::fabs(r.Long(offsetof(EMRPLGBLT, cxSrc)) * r.Long(offsetof(EMRPLGBLT, cySrc)));
        return 2 * (BitmapAt(r, offsetof(EMRPLGBLT, offBmiSrc)) + BitmapAt(r, offsetof(EMRPLGBLT, offBmiMask))) +
               12 * source;
    }
    case EMR_ALPHABLEND:
        return BitmapAt(r, offsetof(EMRALPHABLEND, offBmiSrc));
    case EMR_TRANSPARENTBLT:
        return BitmapAt(r, offsetof(EMRTRANSPARENTBLT, offBmiSrc));
    case EMR_STRETCHDIBITS:
        return BitmapAt(r, offsetof(EMRSTRETCHDIBITS, offBmiSrc));
    default: // EMR_SETDIBITSTODEVICE
        return BitmapAt(r, offsetof(EMRSETDIBITSTODEVICE, offBmiSrc));
    }
}

// The rectangles of a region stored at 'at' (its header's count).
double RegionRectangles(const EnhRecordFields& r, DWORD sizeAt, DWORD at)
{
    return r.At(sizeAt) == 0 ? 0 : r.At(at + offsetof(RGNDATAHEADER, nCount));
}

// The rectangles of the region the player makes of the path to fill it or
// clip to it: a rectangle on a row takes two of the edges that cross the
// row, and each edge crosses the rows between its ends (a curve no more
// than its control points do). Each figure is closed.
double PathRectangles(HDC dc, CDrawingState& drawing)
{
    const int count = ::GetPath(dc, NULL, NULL, 0);
    if (count <= 0)
        return 0;
    std::vector<POINT> points((size_t)count);
    std::vector<BYTE> kinds((size_t)count);
    if (::GetPath(dc, points.data(), kinds.data(), count) != count)
        return 0;
    double crossings = 0, start = 0, last = 0;
    for (int i = 0; i < count; ++i)
    {
        double x, y;
        drawing.Mapping().Map(points[i].x, points[i].y, x, y);
        if ((kinds[i] & ~PT_CLOSEFIGURE) == PT_MOVETO)
        {
            crossings += std::fabs(last - start) + 1;
            start = y;
        }
        else
            crossings += std::fabs(y - last) + 1;
        last = y;
    }
    crossings += std::fabs(last - start) + 1;
    return crossings / 2 + 1;
}

// An EMRTEXT at 'at' in the selected font.
double GlyphBytes(const EnhRecordFields& r, DWORD at, bool wide, CDrawingState& drawing, CDrawingMemory& memory)
{
    const DWORD count = r.At(at + offsetof(EMRTEXT, nChars));
    return memory.NewGlyphBytes(drawing.FontArea(), r.data + r.At(at + offsetof(EMRTEXT, offString)), count, wide);
}
} // namespace

RecordMemory EnhRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const EnhRecordFields& r,
                             DWORD type)
{
    switch (type)
    {
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_MASKBLT:
    case EMR_PLGBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT:
    case EMR_STRETCHDIBITS:
    case EMR_SETDIBITSTODEVICE:
        return RecordMemory::Peak(BlitBitmaps(r, type));
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return RecordMemory::Kept(BitmapAt(r, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi)));
    case EMR_CREATEMONOBRUSH:
        return RecordMemory::Kept(BitmapAt(r, offsetof(EMRCREATEMONOBRUSH, offBmi)));
    // A palette holds 4 bytes an entry, however few the record gives: one
    // resized to 60 million entries took the player 229 MB.
    case EMR_CREATEPALETTE:
        // The entries' count is the high word after the version.
        return RecordMemory::Kept(4.0 * (r.At(offsetof(EMRCREATEPALETTE, lgpl)) >> 16));
    case EMR_RESIZEPALETTE:
        return RecordMemory::Kept(4.0 * r.At(offsetof(EMRRESIZEPALETTE, cEntries)));
    case EMR_EXTCREATEPEN: {
        // A solid pen's offsets may point anywhere.
        const DWORD style = r.At(offsetof(EMREXTCREATEPEN, elp.elpBrushStyle));
        const bool pattern = style == BS_DIBPATTERN || style == BS_DIBPATTERNPT;
        return RecordMemory::Kept(pattern ? BitmapAt(r, offsetof(EMREXTCREATEPEN, offBmi)) : 0);
    }
    case EMR_EXTSELECTCLIPRGN: {
        const double rectangles = RegionRectangles(r, 8, 16);
        const DWORD mode = r.At(12);
        return RecordMemory::Peak(CDrawingMemory::RegionBytes(rectangles) +
                                      memory.CombinedClipBytes(dc, rectangles, (int)mode),
                                  RecordMemory::ChangesClip);
    }
    case EMR_SELECTCLIPPATH: {
        const double rectangles = PathRectangles(dc, drawing);
        return RecordMemory::Peak(CDrawingMemory::RegionBytes(rectangles) +
                                      memory.CombinedClipBytes(dc, rectangles, (int)r.At(8)),
                                  RecordMemory::ChangesClip);
    }
    case EMR_FILLPATH:
    case EMR_STROKEANDFILLPATH:
    case EMR_STROKEPATH:
    case EMR_WIDENPATH:
        return RecordMemory::Peak(memory.PaintedRegionBytes(dc, PathRectangles(dc, drawing)));
    case EMR_FILLRGN:
    case EMR_PAINTRGN:
    case EMR_INVERTRGN:
        return RecordMemory::Peak(
            memory.PaintedRegionBytes(dc, RegionRectangles(r, 24, type == EMR_FILLRGN ? 32 : 28)));
    case EMR_FRAMERGN:
        // The frame is the region less itself moved four ways.
        return RecordMemory::Peak(memory.PaintedRegionBytes(dc, 4 * RegionRectangles(r, 24, 40)));
    case EMR_INTERSECTCLIPRECT:
        return memory.ClipRecordMemory(dc, CDrawingMemory::IntersectsClip);
    case EMR_EXCLUDECLIPRECT:
        return memory.ClipRecordMemory(dc, CDrawingMemory::ExcludesClip);
    case EMR_OFFSETCLIPRGN:
        return memory.ClipRecordMemory(dc, CDrawingMemory::OffsetsClip);
    case EMR_SETMETARGN:
        return memory.ClipRecordMemory(dc, CDrawingMemory::SetsMetaRegion);
    case EMR_SAVEDC:
        return memory.ClipRecordMemory(dc, CDrawingMemory::SavesDC);
    case EMR_RESTOREDC:
        return memory.ClipRecordMemory(dc, CDrawingMemory::RestoresDC);
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        return RecordMemory::Kept(
            GlyphBytes(r, offsetof(EMREXTTEXTOUTA, emrtext), type == EMR_EXTTEXTOUTW, drawing, memory));
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW: {
        double bytes = 0;
        for (DWORD i = 0; i < r.At(offsetof(EMRPOLYTEXTOUTA, cStrings)); ++i)
            bytes += GlyphBytes(r, offsetof(EMRPOLYTEXTOUTA, aemrtext) + i * sizeof(EMRTEXT), type == EMR_POLYTEXTOUTW,
                                drawing, memory);
        return RecordMemory::Kept(bytes);
    }
    case SmallTextRecord: {
        const DWORD count = r.At(16), options = r.At(20);
        const BYTE* text = r.data + 36 + ((options & SmallTextNoRectangle) != 0 ? 0 : 16);
        return RecordMemory::Kept(
            memory.NewGlyphBytes(drawing.FontArea(), text, count, (options & SmallTextCharacters) == 0));
    }
    default:
        return RecordMemory();
    }
}
