#include "output/pictures/EnhRecordMemory.h"

#include "output/pictures/DrawingState.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace
{
// The rectangles of a region stored at 'at' (its header's count), whose
// byte size is at 'sizeAt'.
double StoredRegionRectangles(const EnhRecordFields& r, DWORD sizeAt, DWORD at)
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

// A region of so many rectangles made the clip, combined in the given mode
// with the clip region the DC holds.
RecordMemory ClipMemory(const EnhMemoryPricing& p, double rectangles, int mode)
{
    return RecordMemory::Peak(CDrawingMemory::RegionBytes(rectangles) +
                                  p.memory.CombinedClipBytes(p.dc, rectangles, mode),
                              RecordMemory::ChangesClip);
}

// The bitmap whose header's offset is at 'offsetAt' (none where it is 0).
double BitmapBytes(const EnhRecordFields& r, DWORD offsetAt)
{
    const DWORD offset = r.At(offsetAt), size = r.At(4);
    if (offset == 0 || offset >= size)
        return 0;
    return CDrawingMemory::BitmapBytes(r.data + offset, size - offset);
}
} // namespace

RecordMemory BitmapMemory(const EnhMemoryPricing& p, DWORD offsetAt)
{
    const double bytes = BitmapBytes(p.r, offsetAt);
    return RecordMemory::Held(bytes, p.kind.Is(MakesObject));
}

RecordMemory BlitThroughMemory(const EnhMemoryPricing& p, DWORD sourceAt, DWORD maskAt, DWORD sizeAt, DWORD bytes)
{
    const double pixels = std::fabs(p.r.Long(sizeAt) * p.r.Long(sizeAt + 4));
    return RecordMemory::Peak(2 * (BitmapBytes(p.r, sourceAt) + BitmapBytes(p.r, maskAt)) + bytes * pixels);
}

// A palette holds 4 bytes an entry, however few the record gives: one
// resized to 60 million entries took the player 229 MB.
RecordMemory PaletteMemory(const EnhMemoryPricing& p, DWORD shift)
{
    return RecordMemory::Kept(4.0 * (p.r.At(12) >> shift));
}

RecordMemory ExtendedPenMemory(const EnhMemoryPricing& p)
{
    return RecordMemory::Kept(IsPatternPen(p.r) ? BitmapBytes(p.r, offsetof(EMREXTCREATEPEN, offBmi)) : 0);
}

RecordMemory ClipRegionMemory(const EnhMemoryPricing& p)
{
    return ClipMemory(p, StoredRegionRectangles(p.r, 8, 16), (int)p.r.At(12));
}

RecordMemory ClipPathMemory(const EnhMemoryPricing& p)
{
    return ClipMemory(p, PathRectangles(p.dc, p.drawing), (int)p.r.At(8));
}

RecordMemory PaintedPathMemory(const EnhMemoryPricing& p)
{
    return RecordMemory::Peak(p.memory.PaintedRegionBytes(p.dc, PathRectangles(p.dc, p.drawing)));
}

RecordMemory PaintedRegionMemory(const EnhMemoryPricing& p, DWORD at, DWORD copies)
{
    return RecordMemory::Peak(p.memory.PaintedRegionBytes(p.dc, copies * StoredRegionRectangles(p.r, 24, at)));
}

RecordMemory TextsMemory(const EnhMemoryPricing& p, bool poly, bool wide)
{
    const EnhRecordFields& r = p.r;
    const EnhTexts texts = TextsOf(r, poly);
    double bytes = 0;
    for (DWORD at = texts.at; at < texts.End(); at += sizeof(EMRTEXT))
        bytes += p.memory.NewGlyphBytes(p.drawing.FontArea(), r.data + r.At(at + offsetof(EMRTEXT, offString)),
                                        r.At(at + offsetof(EMRTEXT, nChars)), wide);
    return RecordMemory::Kept(bytes);
}

RecordMemory SmallTextMemory(const EnhMemoryPricing& p)
{
    const EnhSmallText text = SmallTextOf(p.r);
    return RecordMemory::Kept(p.memory.NewGlyphBytes(p.drawing.FontArea(), p.r.data + text.at, text.count, text.wide));
}
