#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/EnhRecordKinds.h"

class CDrawingState;

// What an enhanced metafile's record makes the player hold (RecordMemory),
// judged with the DC's state as it is before the record: bitmaps by their
// declared size, regions by their rectangles and the clip region they
// combine with or save, glyphs new to the draw; a price a kind of record
// (EnhRecordKinds).
EnhMemoryPrice ExtendedPenMemory, ClipRegionMemory, ClipPathMemory, PaintedPathMemory, SmallTextMemory;

// A palette's entries, counted at byte 12 (a new one's in the high word
// after the version: 'shift' 16).
RecordMemory PaletteMemory(const EnhMemoryPricing& p, DWORD shift);

// The glyphs of a text record's strings (TextsOf), of wide characters or
// not.
RecordMemory TextsMemory(const EnhMemoryPricing& p, bool poly, bool wide);

// The bitmap whose header's offset is at 'offsetAt' (none where the offset
// is 0: a blit without a source), held while the record plays (a blit's
// source), or for the rest of the draw by an object made of it (a brush's
// pattern).
RecordMemory BitmapMemory(const EnhMemoryPricing& p, DWORD offsetAt);

// A blit of a source and a mask, which the player makes through bitmaps of
// the size at 'sizeAt', so many 'bytes' a pixel, and may copy once more.
RecordMemory BlitThroughMemory(const EnhMemoryPricing& p, DWORD sourceAt, DWORD maskAt, DWORD sizeAt, DWORD bytes);

// A region of a region record (its byte size at byte 24, its RGNDATA at
// 'at') painted, filled or inverted inside the DC's clip region, or framed:
// the region less itself moved four ways, so many 'copies' of it.
RecordMemory PaintedRegionMemory(const EnhMemoryPricing& p, DWORD at, DWORD copies);
