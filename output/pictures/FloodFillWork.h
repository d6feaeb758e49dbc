#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/EnhRecordFields.h"

#include <optional>

// A flood fill a metafile's record asks for: from a point in logical units,
// up to a border of the colour or over a surface of it (FLOODFILLBORDER,
// FLOODFILLSURFACE).
struct FloodFillParameters
{
    int x, y;
    COLORREF colour;
    UINT kind;
};

// The fill of an enhanced metafile's record, or of a Windows metafile's;
// none for records of other kinds.
std::optional<FloodFillParameters> EnhFloodFill(DWORD type, const EnhRecordFields& r);
std::optional<FloodFillParameters> WmfFloodFill(WORD function, const WORD* parameters);

// The estimated microseconds the platform's player takes over the fill into
// the DC as it is now: its runs of pixels, the pixels it looks at and the
// region it gathers them in, followed over the DC's own pixels inside its
// clip region. Past the record limit the fill is followed no further.
double FloodFillWork(HDC dc, const FloodFillParameters& fill);

// Whether the player's fill fits the stack this thread has left: the player
// recurses once for every run of pixels it fills in a row, so a corridor
// one pixel wide that snakes across the surface overflows any stack. False
// where the DC's pixels cannot be read to tell (a printer, a metafile DC, a
// surface whose colours the reading could tell apart otherwise than the
// device does) and where the fill was given up as too long.
bool FloodFillFitsStack(HDC dc, const FloodFillParameters& fill);
