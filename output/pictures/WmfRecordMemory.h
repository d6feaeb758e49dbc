#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/WmfRecordKinds.h"

// What a Windows metafile's record makes the player hold (WmfMemoryPrice),
// judged with the DC's state as it is before the record and the objects
// the player has made: bitmaps by their declared size, regions by their
// rectangles and the clip region they combine with or save, glyphs new to
// the draw. Some take arguments of the kind's row. What makes an object is
// held for the rest of the draw, not only while the record plays.
WmfMemoryPrice WmfRegionMadeMemory;
// A device-independent bitmap from parameter 'first' to the record's end.
RecordMemory WmfDibMemory(const WmfMemoryPricing& m, DWORD first);
// A bitmap of the format's own kind: as stored (its width and height at
// 'stored') and as the player reads it (at 'played').
RecordMemory WmfBitmap16Memory(const WmfMemoryPricing& m, DWORD stored, DWORD played);
// The region the first parameter names made the clip region; 'selected':
// selected as an object, which need not be a region.
RecordMemory WmfClipRegionMemory(const WmfMemoryPricing& m, bool selected);
// A region object filled, painted or inverted, or with 'framed' framed.
RecordMemory WmfPaintedRegionMemory(const WmfMemoryPricing& m, bool framed);
RecordMemory WmfTextMemory(const WmfMemoryPricing& m, bool extended);
