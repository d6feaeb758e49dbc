#pragma once

#include "output/pictures/SurfacePixels.h"

#include <cstddef>
#include <functional>

// What the platform's player does over a flood fill: the runs of pixels it
// fills in rows (it recurses once for every run) and the pixels it looks at.
struct FillRuns
{
    double runs = 0;
    double examined = 0;
    // The rectangles of the region the player gathers the fill in, added
    // up over each run it adds to it and each it looks up there.
    double regionRectangles = 0;
    // Given up before the end: deeper than allowed, or no longer affordable.
    bool cut = false;
};

// Follows the player's fill from the seed (a device pixel) over the pixels,
// in the order of its recursion: a run is spread left and right as far as
// the fill may go, then the row above it and the row below it are scanned
// within it, and each run met there whose first pixel is not filled yet is
// filled the same way before the scan goes on. Gives up once the recursion
// is deeper than 'deepestAllowed', or when 'affordable' (asked now and then)
// answers false.
FillRuns FollowFill(CSurfacePixels& pixels, POINT seed, size_t deepestAllowed,
                    const std::function<bool(const FillRuns&)>& affordable);
