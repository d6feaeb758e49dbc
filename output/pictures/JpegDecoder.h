#pragma once

#include "afx/app/AfxWin.h"

class CByteBuffer;

// JPEG data decoded into a new bottom-up DIB section: 24 bits per pixel with
// blue first for colour pictures, 8 bits with a grey colour table for
// greyscale ones. The section's pixels are handed back through 'bits'.
// Damaged or unreadable data gives null; nothing is shown.
HBITMAP DecodeJpegFile(LPCTSTR path, BYTE** bits);
HBITMAP DecodeJpegFromMemory(const CByteBuffer& data, BYTE** bits);
HBITMAP DecodeJpegFromMemory(const BYTE* data, DWORD size, BYTE** bits);
// For a thumbnail: decoded reduced by the largest of the library's factors
// (1/2, 1/4, 1/8) that still gives at least minWidth x minHeight pixels,
// fast rather than exact; the picture's full size is handed back too.
HBITMAP DecodeJpegFromMemoryForSize(const BYTE* data, DWORD size, int minWidth, int minHeight, BYTE** bits,
                                    SIZE* fullSize);

// The largest decoded picture accepted, in bytes of DIB pixels and in
// pixels: a damaged header cannot ask for more (a 9000 x 7000 photograph
// still fits).
const DWORD MaxDecodedPictureBytes = 256u * 1024u * 1024u;
const DWORD MaxDecodedPicturePixels = 64u * 1024u * 1024u;
