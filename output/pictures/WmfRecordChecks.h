#pragma once

#include "output/pictures/WmfRecordKinds.h"

// The checks of what the player reads of a record beyond its fixed
// parameters (WmfRecordCheck), some taking arguments of the kind's row.
WmfRecordCheck NamesWmfClipRegion, FramesWmfRegion, HasWmfPolygons, HasWmfRegion, HasWmfPatternDib, HasWmfPatternBitmap;
// The objects that 'count' parameters from 'first' name.
bool NamesWmfObjects(const WmfCheckedRecord& r, DWORD first, DWORD count);
// A count at parameter 'countAt' of items of so many bytes that follow it
// (after a word for two), and 'after' parameters after them.
bool HasWmfItems(const WmfCheckedRecord& r, DWORD countAt, DWORD bytesEach, DWORD after);
bool HasWmfExtText(const WmfCheckedRecord& r);
// A device-independent bitmap from parameter 'first' to the record's end,
// its usage at parameter 'usageAt'.
bool HasWmfDib(const WmfCheckedRecord& r, DWORD first, DWORD usageAt);
// A blit's, of colours, or none where the record ends a word after 'first'.
bool HasWmfBlitDib(const WmfCheckedRecord& r, DWORD first);
// A blit's bitmap of the format's own kind, as stored from parameter
// 'stored' (none where the record ends a word after) and as the player reads
// it from parameter 'played' whatever the record's size says.
bool HasWmfBitmap16(const WmfCheckedRecord& r, DWORD stored, DWORD played);
