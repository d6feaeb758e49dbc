#pragma once

#include "afx/app/AfxWin.h"

// TRUE when the records of a Windows metafile (the bytes from its METAHEADER
// on) can be played without the player reading outside them: the records
// chain inside the size, each at least three words long, each holds the
// parameters its kind reads (point and text counts, palette entries, region
// scans, embedded bitmaps, as stored and as the player reads them), and
// object indexes lie inside the handle table. What the records draw, and
// how long that takes, is judged as they are drawn (PlayMetafileGuarded).
BOOL IsMetafileSound(const BYTE* metafile, DWORD size);
