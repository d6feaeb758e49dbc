#include "output/pictures/FloodFillWork.h"

#include "output/pictures/DeviceClip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
// The player's stack a level of its fill, in bytes: 143 measured, on a
// memory DC and on a window's alike (a corridor of 20,000 runs took 2.87 MB,
// one of 240,000 runs 34.5 MB and overflowed a 2 MB stack).
const double LevelBytes = 160;
// Stack kept clear below the fill: the player's frames above its recursion,
// and the guard pages at the stack's end (a fill that came within 28 KB of
// a 2 MB stack's end ran).
const double StackMargin = 64 * 1024;
// Microseconds a level of the fill: 2.5 measured in a corridor of 240,000
// runs, 4.7 in one of 960,000 (4.5 s).
const double LevelMicroseconds = 5;

// Bytes of stack left below this function's frame on this thread.
double StackLeft()
{
    const char here = 0;
    MEMORY_BASIC_INFORMATION region = {};
    if (::VirtualQuery(&here, &region, sizeof(region)) == 0)
        return 0;
    return (double)(&here - (const char*)region.AllocationBase);
}

// The most runs of pixels the player can fill in so many columns and rows: a
// run in every other column of every row, each one pixel wide and kept apart
// from the next by a wall one pixel wide.
double MostRuns(double columns, double rows)
{
    return std::ceil(columns / 2) * rows;
}

// The most runs the player can fill within the DC's clip box; corners that
// land between pixels take in the pixels they touch.
double DeepestFill(HDC dc, const CDeviceMapping& mapping)
{
    const DeviceBox& box = CDeviceClip(dc, mapping).Box();
    return MostRuns(std::ceil(box.right) - std::floor(box.left) + 1, std::ceil(box.bottom) - std::floor(box.top) + 1);
}

// The most runs the player can fill on the whole of what the DC draws on (a
// window's client area, a memory DC's bitmap); 0 where it is neither. A fill
// is judged by it as well, so that a repaint of a small part of a window
// leaves out the fill that drawing the whole window leaves out.
double DeepestFillOnSurface(HDC dc)
{
    if (const HWND window = ::WindowFromDC(dc))
    {
        RECT client;
        return ::GetClientRect(window, &client) ? MostRuns(client.right, client.bottom) : 0;
    }
    BITMAP bitmap;
    if (::GetObjectType(dc) == OBJ_MEMDC &&
        ::GetObject(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) == sizeof(bitmap))
        return MostRuns(bitmap.bmWidth, bitmap.bmHeight);
    return 0;
}
} // namespace

double FloodFillWork(HDC dc, const CDeviceMapping& mapping)
{
    const double levels = std::max(DeepestFill(dc, mapping), DeepestFillOnSurface(dc));
    if (!(levels * LevelBytes + StackMargin <= StackLeft()))
        return std::numeric_limits<double>::infinity();
    return levels * LevelMicroseconds;
}
