#pragma once

#include "afx/app/AfxWin.h"

// TRUE when the records of a Windows metafile (the bytes from its METAHEADER
// on) can be played without the player reading outside them: the records
// chain inside the size, each at least three words long, each holds the
// parameters its kind reads (point and text counts, palette entries, region
// scans, embedded bitmaps), and object indexes lie inside the handle table.
BOOL IsMetafileSound(const BYTE* metafile, DWORD size);

// The same, and the records drawn as the program plays a placed metafile,
// its box (in units of which unitsPerInch make an inch) onto the picture's
// place, do not keep the player drawing for seconds: pens no wider than
// twice the box's longer side where they draw, and no fills whose edges
// cross the rows thousands at a time.
BOOL IsMetafileSound(const BYTE* metafile, DWORD size, const RECT& box, UINT unitsPerInch);
