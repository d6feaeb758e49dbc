#pragma once

#include "afx/app/AfxWin.h"

// Width and height of the bitmap; (0, 0) when it cannot be asked.
CSize GetBitmapSize(CBitmap* bitmap);

// Copies the source rectangle of the bitmap (the whole bitmap when null) to
// the destination rectangle of the device context (the source's place when
// null) with the raster operation, stretching only when the sizes differ.
// Answers the blit's result, 0 when no memory context could be made.
BOOL DrawBitmapRect(CDC* dc, CBitmap* bitmap, const RECT* destination, const RECT* source, DWORD rop);

// Number of colour-table entries of a device-independent bitmap.
int GetDibColourCount(const BITMAPINFOHEADER& header);
