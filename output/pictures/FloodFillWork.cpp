#include "output/pictures/FloodFillWork.h"

#include "output/pictures/FloodFillRuns.h"
#include "output/pictures/PlayGuard.h"

namespace
{
// The player's stack a level of its fill, in bytes: 144-149 measured on a
// memory DC for corridors of 4,951-44,851 levels, fills of random dots of
// 244-1,557 levels and ellipses of 200-1,200 levels (the stack used, read
// by a pattern written below the drawing thread's stack pointer beforehand).
const double LevelBytes = 160;
// Stack kept clear below the fill: the player's frames above its recursion,
// and the guard pages at the stack's end (a fill that came within 28 KB of
// a 2 MB stack's end ran).
const double StackMargin = 64 * 1024;
// Microseconds the player takes for each rectangle of the region it gathers
// the fill in, over each run it adds there or looks up: corridors one pixel
// wide of 45,000 runs (32 million rectangles gone through) took 0.17-0.21 s;
// random dots of 27,000 runs (1,200 million) took 11-12 s, as such a region
// outgrows the processor's caches.
const double RectangleMicroseconds = 0.006;
// Microseconds for each pixel the player looks at (each also filled at most
// once): an ellipse of 7.2 million pixels on a page of 4800 x 3600 (14.5
// million looked at) took 0.10-0.20 s beside its region's 6 million
// rectangles; the rest of that page (20 million looked at) 0.47-0.73 s.
const double PixelMicroseconds = 0.010;
// Microseconds a run of the fill, for its call and its place in the region.
const double RunMicroseconds = 0.5;

// Bytes of stack left below this function's frame on this thread.
double StackLeft()
{
    const char here = 0;
    MEMORY_BASIC_INFORMATION region = {};
    if (::VirtualQuery(&here, &region, sizeof(region)) == 0)
        return 0;
    return (double)(&here - (const char*)region.AllocationBase);
}

double Microseconds(const FillRuns& runs)
{
    return runs.runs * RunMicroseconds + runs.regionRectangles * RectangleMicroseconds +
           runs.examined * PixelMicroseconds;
}

// The fill from the point mapped to the device, and from the point taken as
// the device's own where that differs: this platform's player fills from the
// record's point unmapped (a square drawn at twice its size and filled from
// its middle filled the page around it instead), as others map it. Both are
// followed over the same pixels; the dearer is the price, cut where either
// is or where the pixels were not all read (they may show less than it fills).
FillRuns PriceOf(HDC dc, const FloodFillParameters& fill)
{
    POINT mapped = {fill.x, fill.y};
    const std::unique_ptr<CSurfacePixels> pixels = CSurfacePixels::Of(dc, fill.colour, fill.kind);
    if (!pixels || !::LPtoDP(dc, &mapped, 1))
        return FillRuns{0, 0, 0, true};
    const double left = StackLeft() - StackMargin;
    const size_t deepestAllowed = left > 0 ? (size_t)(left / LevelBytes) : 0;
    const auto follow = [&](POINT seed) {
        return FollowFill(*pixels, seed, deepestAllowed, [](const FillRuns& sofar) {
            return CPlayGuard::IsAffordable(Microseconds(sofar));
        });
    };
    FillRuns runs = follow(mapped);
    if (mapped.x != fill.x || mapped.y != fill.y)
    {
        FillRuns unmapped = follow({fill.x, fill.y});
        runs.cut = unmapped.cut = unmapped.cut || runs.cut;
        if (Microseconds(unmapped) > Microseconds(runs))
            runs = unmapped;
    }
    runs.cut = runs.cut || pixels->Failed();
    return runs;
}

// The fill last priced on this thread, until the stack rule takes it (no
// DC: none): the guard prices a record and then asks whether it fits, with
// nothing drawn in between.
struct LastPrice
{
    HDC dc = NULL;
    FloodFillParameters fill = {};
    FillRuns runs;
};
thread_local LastPrice last;

bool operator==(const FloodFillParameters& a, const FloodFillParameters& b)
{
    return a.x == b.x && a.y == b.y && a.colour == b.colour && a.kind == b.kind;
}
} // namespace

std::optional<FloodFillParameters> EnhFloodFill(DWORD type, const EnhRecordFields& r)
{
    if (type != EMR_EXTFLOODFILL)
        return std::nullopt;
    return FloodFillParameters{(int)r.Long(8), (int)r.Long(12), r.At(16), r.At(20)};
}

std::optional<FloodFillParameters> WmfFloodFill(WORD function, const WORD* p)
{
    const auto colour = [&](int at) {
        return (COLORREF)p[at] | (COLORREF)p[at + 1] << 16;
    };
    if (function == META_FLOODFILL) // colour, y, x
        return FloodFillParameters{(SHORT)p[3], (SHORT)p[2], colour(0), FLOODFILLBORDER};
    if (function == META_EXTFLOODFILL) // kind, colour, y, x
        return FloodFillParameters{(SHORT)p[4], (SHORT)p[3], colour(1), p[0]};
    return std::nullopt;
}

double FloodFillWork(HDC dc, const FloodFillParameters& fill)
{
    last = {dc, fill, PriceOf(dc, fill)};
    return Microseconds(last.runs);
}

bool FloodFillFitsStack(HDC dc, const FloodFillParameters& fill)
{
    const bool cut = (last.dc == dc && last.fill == fill ? last.runs : PriceOf(dc, fill)).cut;
    last = {};
    return !cut;
}
