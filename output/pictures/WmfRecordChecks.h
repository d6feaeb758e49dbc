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
typedef bool (*WmfRecordCheck)(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);

bool NamesWmfObject(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool NamesWmfClipRegion(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool NamesWmfRegionAndBrush(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool FramesWmfRegion(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfPoints(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfPolygons(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfText(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfExtText(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfPaletteEntries(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfEscapeData(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfRegion(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfPatternDib(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfPatternBitmap(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfBlitDib(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfStretchedDib(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfStretchDib(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfDibToDevice(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfBlitBitmap(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
bool HasWmfStretchedBitmap(const WmfCheckedRecord& r, const WmfCheckedRecord& rest, DWORD objects);
