#pragma once

#include "afx/app/AfxWin.h"

// The length of an enhanced metafile that the player may be given, from
// its header up to and with its first end record: 0 unless the header's
// sizes and handle count are within bounds, the frame is at least half a
// reference pixel across and down, the records chain from the header to
// an end record within 'length', each is a whole number of words and at
// least as long as its kind's fixed part, and the counts, offsets,
// embedded bitmaps, regions, texts and palettes that the player reads lie
// inside their records, object indexes inside the handle table (the stock
// bit only where an object is selected). What the records draw, and how
// long that takes, is judged as they are drawn (PlayEnhMetafileGuarded).
DWORD EnhMetafilePlayedLength(const BYTE* data, DWORD length);

// TRUE when the metafile has such a length.
BOOL IsEnhMetafileSound(const BYTE* data, DWORD length);
