#pragma once

#include "afx/app/AfxWin.h"

// TRUE when an enhanced metafile can be played without the player reading or
// writing outside it or drawing for ever: the header's sizes and handle count
// are within bounds; the records (those after an end record too) chain from
// the header to exactly 'length' and hold an end record; each is a whole
// number of words and at least as long as its kind's fixed part; counts,
// offsets, embedded bitmaps, regions, texts and palettes lie inside their
// records; object indexes lie inside the handle table (the stock bit only
// where an object is selected); the frame is at least half a reference
// pixel across and down; coordinates, sizes and pen widths land, as the
// records map them, within a reach of the frame along each axis; each
// stroke of a dashed or dotted geometric pen (a record's, or a path's) is
// no longer than half that reach; the polygons and paths filled (or made
// a clipping region) do not together have the player order thousands of
// edges on every row of the device; blits read near their bitmaps; world
// transforms stay finite and of bounded scale.
BOOL IsEnhMetafileSound(const BYTE* data, DWORD length);
