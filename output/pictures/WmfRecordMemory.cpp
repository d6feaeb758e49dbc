#include "output/pictures/WmfRecordMemory.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingState.h"

#include <algorithm>

namespace
{
// The region that the parameter 'at' names in the player's objects; none
// where it names none.
HRGN ObjectRegion(const WmfMemoryPricing& m, DWORD at)
{
    if (at >= m.p.count || m.p[at] >= m.objects || m.table.objectHandle[m.p[at]] == NULL)
        return NULL;
    const HGDIOBJ object = m.table.objectHandle[m.p[at]];
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
} // namespace

RecordMemory WmfDibMemory(const WmfMemoryPricing& m, DWORD first)
{
    const size_t bytes = first < m.p.count ? 2 * (size_t)(m.p.count - first) : 0;
    const double held = bytes != 0 ? CDrawingMemory::BitmapBytes(m.p.bytes + 2 * first, bytes) : 0;
    return RecordMemory::Held(held, m.kind.Is(MakesObject));
}

RecordMemory WmfBitmap16Memory(const WmfMemoryPricing& m, DWORD stored, DWORD played)
{
    const WmfParameters& p = m.p;
    const double bytes =
        4 * std::max(p.WordWithin(stored) * p.WordWithin(stored + 1), p.WordWithin(played) * p.WordWithin(played + 1));
    return RecordMemory::Held(bytes, m.kind.Is(MakesObject));
}

RecordMemory WmfRegionMadeMemory(const WmfMemoryPricing& m)
{
    // Each rectangle takes two words of its scan at least.
    return RecordMemory::Kept(CDrawingMemory::RegionBytes(m.p.count / 2.0));
}

// A region selected as an object is made the clip region as by
// SELECTCLIPREGION (a region of 4,500 rectangles selected so, then saved
// 5,000 times, a 48 KB picture, took 364 MB, kept after the draw).
RecordMemory WmfClipRegionMemory(const WmfMemoryPricing& m, bool selected)
{
    if (selected && ObjectRegion(m, 0) == NULL)
        return RecordMemory();
    const double rectangles = ObjectRegionRectangles(m, 0);
    return Recorded(m.dc, RecordMemory::Peak(2 * CDrawingMemory::RegionBytes(rectangles), RecordMemory::ChangesClip),
                    rectangles);
}

// A framed region is first or third, as the writer had it; the frame is the
// region less itself moved four ways.
RecordMemory WmfPaintedRegionMemory(const WmfMemoryPricing& m, bool framed)
{
    double rectangles = ObjectRegionRectangles(m, 0);
    if (framed)
        rectangles = std::max(rectangles, ObjectRegionRectangles(m, 2));
    const double painted = framed ? 4 * rectangles : rectangles;
    return Recorded(m.dc, RecordMemory::Peak(m.memory.PaintedRegionBytes(m.dc, painted)), rectangles);
}

RecordMemory WmfTextMemory(const WmfMemoryPricing& m, bool extended)
{
    const WmfText text = m.p.Text(extended);
    return RecordMemory::Kept(m.memory.NewGlyphBytes(m.drawing.FontArea(), m.p.bytes + 2 * text.at, text.count, false));
}
