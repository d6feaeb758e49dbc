#pragma once

#include "afx/app/AfxWin.h"

// How a picture is loaded; passed by value through every loader.
struct PictureLoadOptions
{
    int xResolution; // pixels per inch of a bitmap
    int yResolution;
    double scale;       // size factor of metafiles
    int values[3];      // read by no loader; the picture cache compares them
    COLORREF inkColour; // replaces black in two-tone pictures; NoInkColour and 0xFFFFFFFF mean none
    double lightening;  // 0.0 keeps the colours, towards 1.0 they move to white
    BOOL makeMask;      // a two-colour bitmap holding white gets a transparency mask
};

const COLORREF NoInkColour = 0xFF000000;

// Resolutions as given, scale 1.0, no ink colour, no lightening, no mask.
PictureLoadOptions MakePictureLoadOptions(int xResolution, int yResolution);

// TRUE when the colour names a real ink rather than none.
inline BOOL IsInkColour(COLORREF colour)
{
    return colour != NoInkColour && colour != 0xFFFFFFFF;
}

// Lightening that differs from 1.0 by more than this changes colours.
BOOL LighteningChangesColours(double lightening);
// One channel moved towards its maximum by the lightening factor.
inline int LightenChannel(int value, int maximum, double lightening)
{
    return value + (int)((maximum - value) * lightening);
}
