#include "output/pictures/WmfRecordMemory.h"

#include "output/pictures/DeviceClip.h"

#include "output/pictures/DrawingState.h"

#include <algorithm>

namespace
{
struct Parameters
{
    const WORD* words;
    DWORD count;

    double operator[](DWORD i) const { return i < count ? words[i] : 0; }
};

// The device-independent bitmap from word 'first' (none where the record
// ends before it).
double DibAt(const Parameters& p, DWORD first)
{
    if (first >= p.count)
        return 0;
    return CDrawingMemory::BitmapBytes((const BYTE*)(p.words + first), 2 * (size_t)(p.count - first));
}

// A blit's bitmap of the format's own kind: as stored (its width and
// height at 'stored') and as the player reads it (at 'played').
double Bitmap16At(const Parameters& p, DWORD stored, DWORD played)
{
    return 4 * std::max(p[stored] * p[stored + 1], p[played] * p[played + 1]);
}

// The rectangles of the region that the parameter 'at' names in the
// player's objects; none where it names none.
HRGN ObjectRegion(const Parameters& p, DWORD at, const HANDLETABLE& table, int objects)
{
    if (at >= p.count || p.words[at] >= objects || table.objectHandle[p.words[at]] == NULL)
        return NULL;
    const HGDIOBJ object = table.objectHandle[p.words[at]];
    return ::GetObjectType(object) == OBJ_REGION ? (HRGN)object : NULL;
}

double ObjectRegionRectangles(const Parameters& p, DWORD at, const HANDLETABLE& table, int objects)
{
    const HRGN region = ObjectRegion(p, at, table, objects);
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

double GlyphBytes(const Parameters& p, DWORD at, DWORD count, CDrawingState& drawing, CDrawingMemory& memory)
{
    return memory.NewGlyphBytes(drawing.FontArea(), (const BYTE*)(p.words + at), count, false);
}
} // namespace

RecordMemory WmfRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const METARECORD& record,
                             const HANDLETABLE& table, int objects)
{
    const Parameters p = {record.rdParm, record.rdSize - 3};
    switch (record.rdFunction)
    {
    case META_STRETCHDIB:
        return RecordMemory::Peak(DibAt(p, 11));
    case META_SETDIBTODEV:
        return RecordMemory::Peak(DibAt(p, 9));
    case META_DIBBITBLT:
        return RecordMemory::Peak(p.count > 9 ? DibAt(p, 8) : 0);
    case META_DIBSTRETCHBLT:
        return RecordMemory::Peak(p.count > 11 ? DibAt(p, 10) : 0);
    case META_BITBLT:
        return RecordMemory::Peak(Bitmap16At(p, 9, 7));
    case META_STRETCHBLT:
        return RecordMemory::Peak(Bitmap16At(p, 11, 10));
    case META_DIBCREATEPATTERNBRUSH:
        return RecordMemory::Kept(DibAt(p, 2));
    case META_CREATEPATTERNBRUSH:
        return RecordMemory::Kept(Bitmap16At(p, 1, 1));
    case META_CREATEREGION:
        // Each rectangle takes two words of its scan at least.
        return RecordMemory::Kept(CDrawingMemory::RegionBytes(p.count / 2.0));
    // A region selected as an object is made the clip region as by
    // SELECTCLIPREGION (a region of 4,500 rectangles selected so, then saved
    // 5,000 times, a 48 KB picture, took 364 MB, kept after the draw).
    case META_SELECTCLIPREGION:
    case META_SELECTOBJECT: {
        if (record.rdFunction == META_SELECTOBJECT && ObjectRegion(p, 0, table, objects) == NULL)
            return RecordMemory();
        const double rectangles = ObjectRegionRectangles(p, 0, table, objects);
        return Recorded(dc, RecordMemory::Peak(2 * CDrawingMemory::RegionBytes(rectangles), RecordMemory::ChangesClip),
                        rectangles);
    }
    case META_FILLREGION:
    case META_PAINTREGION:
    case META_INVERTREGION: {
        const double rectangles = ObjectRegionRectangles(p, 0, table, objects);
        return Recorded(dc, RecordMemory::Peak(memory.PaintedRegionBytes(dc, rectangles)), rectangles);
    }
    case META_FRAMEREGION: {
        // The region is first or third, as the writer had it; the frame is
        // the region less itself moved four ways.
        const double rectangles =
            std::max(ObjectRegionRectangles(p, 0, table, objects), ObjectRegionRectangles(p, 2, table, objects));
        return Recorded(dc, RecordMemory::Peak(memory.PaintedRegionBytes(dc, 4 * rectangles)), rectangles);
    }
    case META_INTERSECTCLIPRECT:
        return memory.ClipRecordMemory(dc, CDrawingMemory::IntersectsClip);
    case META_EXCLUDECLIPRECT:
        return memory.ClipRecordMemory(dc, CDrawingMemory::ExcludesClip);
    case META_OFFSETCLIPRGN:
        return memory.ClipRecordMemory(dc, CDrawingMemory::OffsetsClip);
    case META_SAVEDC:
        return memory.ClipRecordMemory(dc, CDrawingMemory::SavesDC);
    case META_RESTOREDC:
        return memory.ClipRecordMemory(dc, CDrawingMemory::RestoresDC);
    case META_TEXTOUT:
        return RecordMemory::Kept(GlyphBytes(p, 1, record.rdParm[0], drawing, memory));
    case META_EXTTEXTOUT: {
        const DWORD rectangle = (record.rdParm[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
        return RecordMemory::Kept(GlyphBytes(p, 4 + rectangle, record.rdParm[2], drawing, memory));
    }
    default:
        return RecordMemory();
    }
}
