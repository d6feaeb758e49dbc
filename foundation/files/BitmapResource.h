#pragma once

#include "afx/core/AfxCore.h"

// One colour of a 16-colour bitmap's colour table (DIB order: blue in the low
// byte) and the system colour index that replaces it.
struct SystemColourMapEntry
{
    DWORD colour;
    DWORD systemColourIndex;
};

// Loads a bitmap resource of at most 16 colours as a screen-compatible bitmap
// with the mapped colours replaced by current system colours; null on failure.
HBITMAP LoadBitmapResource(WORD resourceId, const SystemColourMapEntry* map, int mapCount);

// The same from the bytes of a packed DIB (header, colour table, bits); the
// header is checked against the size before anything is read.
HBITMAP CreateColourMappedBitmap(const void* dib, DWORD size, const SystemColourMapEntry* map, int mapCount);
