#pragma once
// The plain description of an image's pixels that the JPEG and PNG writers
// read; they never change the image.
#include "afx/core/AfxCore.h"
#include "output/printing/ImageStream.h"

struct DibRows
{
    int width;
    int height;
    int rowWidth;           // bytes per stored row
    int bitCount;           // 1, 4, 8 or 24
    const BYTE* pixels;     // stored rows, bottom row first
    const RGBQUAD* palette; // null for 24 bits
    int colours;
    BOOL grayScale;         // a palette whose entry i is grey i
    int transparentIndex;   // -1 none
    RGBQUAD transparentColour;
    BOOL transparentColourSet;
    int quality;
    int xDpi;
    int yDpi;
};

// Each writes the rows top row first; FALSE with the reason in 'error'
// (at least 256 bytes) on failure.
BOOL WriteJpegImage(const DibRows* rows, CImageStream* stream, char* error);
BOOL WritePngImage(const DibRows* rows, CImageStream* stream, char* error);
