#pragma once
// One thumbnail: a picture file drawn small into a bitmap of its own. Safe to
// run on any thread: it reads no shared texts and keeps no framework object
// beyond its own frame.
#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "output/pictures/PictureLoadOptions.h"

struct ThumbnailBitmap
{
    COwnedGdiObject<HBITMAP> bitmap; // 24-bit DIB section; null when the file is no picture
    CSize size;               // of the bitmap
    double widthInInches = 0; // of the whole picture
    double heightInInches = 0;
    BOOL isBitmap = FALSE; // what the picture is, for its description
    int bitCount = 0;
};

// Draws the picture of the file (an absolute path) into a new bitmap that
// fits maxSize with the picture's proportions, no larger than a bitmap's own
// pixels; the background is 'background'. A JPEG is decoded reduced when it
// is much larger. FALSE, and no bitmap, when the file holds no picture.
BOOL MakeThumbnailBitmap(LPCTSTR path, CSize maxSize, const PictureLoadOptions& options, COLORREF background,
                         ThumbnailBitmap& thumbnail);
