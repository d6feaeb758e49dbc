#pragma once

#include "afx/app/AfxWin.h"

// TRUE when an enhanced metafile can be played without the player reading or
// writing outside it or drawing for ever: the header's sizes and handle count
// are within bounds; the records (those after an end record too) chain from
// the header to exactly 'length' and hold an end record; each is a whole
// number of words and at least as long as its kind's fixed part; counts,
// offsets, embedded bitmaps, regions, texts and palettes lie inside their
// records; object indexes lie inside the handle table (the stock bit only
// where an object is selected); coordinates and pen widths land within a
// reach of the frame, world transforms stay finite and of bounded scale,
// and arcs have boxes that enclose some area.
BOOL IsEnhMetafileSound(const BYTE* data, DWORD length);
