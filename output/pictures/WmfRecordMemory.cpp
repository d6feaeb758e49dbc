#include "output/pictures/WmfRecordMemory.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingState.h"

#include <algorithm>

namespace
{
// A blit's bitmap of the format's own kind: as stored (its width and
// height at 'stored') and as the player reads it (at 'played').
double Bitmap16Bytes(const WmfParameters& p, DWORD stored, DWORD played)
{
    return 4 *
           std::max(p.WordWithin(stored) * p.WordWithin(stored + 1), p.WordWithin(played) * p.WordWithin(played + 1));
}

// The region that the parameter 'at' names in the player's objects; none
// where it names none.
HRGN ObjectRegion(const WmfMemoryPricing& m, DWORD at)
{
    const WmfParameters& p = m.p;
    if (at >= p.count || p.words[at] >= m.objects || m.table.objectHandle[p.words[at]] == NULL)
        return NULL;
    const HGDIOBJ object = m.table.objectHandle[p.words[at]];
    return ::GetObjectType(object) == OBJ_REGION ? (HRGN)object : NULL;
}

double ObjectRegionRectangles(const WmfMemoryPricing& m, DWORD at)
{
    const HRGN region = ObjectRegion(m, at);
    return region != NULL ? RegionRectangles(region) : 0;
}

// A DC that records an enhanced metafile keeps a copy of the region that
// each record clips to or paints (4,000 records naming one region of 4,500
// rectangles, a 50 KB picture, recorded 288 MB, the player holding 407 MB;
// counted in the draw's limit, 128 MB were still held after it).
RecordMemory Recorded(HDC dc, RecordMemory memory, double rectangles)
{
    if (::GetObjectType(dc) == OBJ_ENHMETADC)
    {
        const double copy = CDrawingMemory::RegionBytes(rectangles);
        memory.peak += copy;
        memory.recorded = copy;
    }
    return memory;
}

RecordMemory GlyphMemory(const WmfMemoryPricing& m, DWORD at, DWORD count)
{
    return RecordMemory::Kept(
        m.memory.NewGlyphBytes(m.drawing.FontArea(), (const BYTE*)(m.p.words + at), count, false));
}
} // namespace

RecordMemory WmfRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const WmfParameters& p,
                             const WmfRecordKind& kind, const HANDLETABLE& table, int objects)
{
    return kind.memory != nullptr ? kind.memory({dc, drawing, memory, p, table, objects}) : RecordMemory();
}

double WmfDibBytes(const WmfParameters& p, DWORD first)
{
    if (first >= p.count)
        return 0;
    return CDrawingMemory::BitmapBytes((const BYTE*)(p.words + first), 2 * (size_t)(p.count - first));
}

RecordMemory WmfBlitBitmapMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Peak(Bitmap16Bytes(m.p, 9, 7));
}

RecordMemory WmfStretchedBitmapMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Peak(Bitmap16Bytes(m.p, 11, 10));
}

RecordMemory WmfBlitDibMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Peak(m.p.count > 9 ? WmfDibBytes(m.p, 8) : 0);
}

RecordMemory WmfStretchedDibMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Peak(m.p.count > 11 ? WmfDibBytes(m.p, 10) : 0);
}

RecordMemory WmfPatternDibMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Kept(WmfDibBytes(m.p, 2));
}

RecordMemory WmfPatternBitmapMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Kept(Bitmap16Bytes(m.p, 1, 1));
}

RecordMemory WmfRegionMadeMemory(const WmfMemoryPricing& m)
{
    // Each rectangle takes two words of its scan at least.
    return RecordMemory::Kept(CDrawingMemory::RegionBytes(m.p.count / 2.0));
}

RecordMemory WmfClipRegionMemory(const WmfMemoryPricing& m)
{
    const double rectangles = ObjectRegionRectangles(m, 0);
    return Recorded(m.dc, RecordMemory::Peak(2 * CDrawingMemory::RegionBytes(rectangles), RecordMemory::ChangesClip),
                    rectangles);
}

// A region selected as an object is made the clip region as by
// SELECTCLIPREGION (a region of 4,500 rectangles selected so, then saved
// 5,000 times, a 48 KB picture, took 364 MB, kept after the draw).
RecordMemory WmfSelectedObjectMemory(const WmfMemoryPricing& m)
{
    return ObjectRegion(m, 0) != NULL ? WmfClipRegionMemory(m) : RecordMemory();
}

RecordMemory WmfPaintedRegionMemory(const WmfMemoryPricing& m)
{
    const double rectangles = ObjectRegionRectangles(m, 0);
    return Recorded(m.dc, RecordMemory::Peak(m.memory.PaintedRegionBytes(m.dc, rectangles)), rectangles);
}

RecordMemory WmfFramedRegionMemory(const WmfMemoryPricing& m)
{
    // The region is first or third, as the writer had it; the frame is the
    // region less itself moved four ways.
    const double rectangles = std::max(ObjectRegionRectangles(m, 0), ObjectRegionRectangles(m, 2));
    return Recorded(m.dc, RecordMemory::Peak(m.memory.PaintedRegionBytes(m.dc, 4 * rectangles)), rectangles);
}

RecordMemory WmfTextOutMemory(const WmfMemoryPricing& m)
{
    return GlyphMemory(m, 1, m.p.Word(0));
}

RecordMemory WmfExtTextOutMemory(const WmfMemoryPricing& m)
{
    const DWORD rectangle = (m.p.Word(3) & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
    return GlyphMemory(m, 4 + rectangle, m.p.Word(2));
}
