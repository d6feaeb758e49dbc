#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/WmfRecordKinds.h"

class CDrawingState;

// What a Windows metafile's record makes the player hold (RecordMemory),
// judged with the DC's state as it is before the record and the objects
// the player has made: bitmaps by their declared size, regions by their
// rectangles and the clip region they combine with or save, glyphs new to
// the draw. The load check has found all that is read inside the record.
RecordMemory WmfRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const WmfParameters& p,
                             const WmfRecordKind& kind, const HANDLETABLE& table, int objects);

// The memory prices of the kinds of records (WmfRecordKinds).
WmfMemoryPrice WmfBlitBitmapMemory, WmfStretchedBitmapMemory, WmfBlitDibMemory, WmfStretchedDibMemory,
    WmfPatternDibMemory, WmfPatternBitmapMemory, WmfRegionMadeMemory, WmfClipRegionMemory, WmfSelectedObjectMemory,
    WmfPaintedRegionMemory, WmfFramedRegionMemory, WmfTextOutMemory, WmfExtTextOutMemory;

// A device-independent bitmap from parameter 'First' to the record's end,
// held while the record plays.
double WmfDibBytes(const WmfParameters& p, DWORD first);
template <DWORD First>
RecordMemory WmfDibMemory(const WmfMemoryPricing& m)
{
    return RecordMemory::Peak(WmfDibBytes(m.p, First));
}
