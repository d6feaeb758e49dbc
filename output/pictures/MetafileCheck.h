#pragma once

#include "afx/app/AfxWin.h"

// TRUE when the records of a Windows metafile (the bytes from its METAHEADER
// on) can be played without the player reading outside them: the records
// chain inside the size, each at least three words long, each holds the
// parameters its kind reads (point and text counts, palette entries, region
// scans, embedded bitmaps), and object indexes lie inside the handle table.
BOOL IsMetafileSound(const BYTE* metafile, DWORD size);
