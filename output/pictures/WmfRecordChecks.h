#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/files/LittleEndian.h"

// A Windows metafile's record as the load check reads it: its parameters as
// 16-bit words.
struct WmfCheckedRecord
{
    const BYTE* params;
    DWORD count;

    WORD operator[](DWORD i) const { return ReadLittleEndianWord(params + 2 * i); }
};

// The checks of what a record reads beyond its fixed parameters; 'rest' is
// the record's parameters on to the metafile's end, 'objects' the size of
// the player's object table. Each answers whether the player's reading
// stays inside.
typedef bool WmfRecordCheck(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);

WmfRecordCheck NamesWmfObject, NamesWmfClipRegion, NamesWmfRegionAndBrush, FramesWmfRegion, HasWmfPoints,
    HasWmfPolygons, HasWmfText, HasWmfExtText, HasWmfPaletteEntries, HasWmfEscapeData, HasWmfRegion, HasWmfPatternDib,
    HasWmfPatternBitmap, HasWmfBlitDib, HasWmfStretchedDib, HasWmfStretchDib, HasWmfDibToDevice, HasWmfBlitBitmap,
    HasWmfStretchedBitmap;
