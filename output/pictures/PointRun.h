#pragma once

#include "afx/app/AfxWin.h"

#include "output/pictures/FillTally.h"
#include "output/pictures/RecordReach.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Points as metafile records store them, read for the checks.

// A coordinate of 32 or 16 bits, which its record holds.
template <DWORD PointSize>
LONG CoordinateAt(const BYTE* at)
{
    if (PointSize == 8)
    {
        LONG value;
        std::memcpy(&value, at, 4);
        return value;
    }
    SHORT value;
    std::memcpy(&value, at, 2);
    return value;
}

// Where a run of points lies down the device, and the rows its edges
// cross, for 'count' points of x and y from 'points', each of 16 or 32
// bits (PointSize bytes a point), which the caller has found inside its
// record.
struct DownRun
{
    double first, last, top, bottom, rise;
};

// The rows that the y of 'count' points cross, in logical units, and their
// range. Coordinates of 16 bits are measured in blocks whose rise fits 32
// bits (this is the check's busiest loop, and 64-bit sums are slow here).
template <DWORD PointSize>
void RiseOfY(const BYTE* points, DWORD count, double& rise, long long& top, long long& bottom, long long& last)
{
    const DWORD half = PointSize / 2;
    if (PointSize == 8)
    {
        long long previous = CoordinateAt<PointSize>(points + half), sum = 0;
        top = bottom = previous;
        for (DWORD i = 1; i < count; ++i)
        {
            const long long y = CoordinateAt<PointSize>(points + i * PointSize + half);
            sum += y > previous ? y - previous : previous - y;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            previous = y;
        }
        rise = (double)sum;
        last = previous;
        return;
    }
    int previous = CoordinateAt<PointSize>(points + half), high = previous, low = previous;
    rise = 0;
    for (DWORD from = 1; from < count;)
    {
        const DWORD to = std::min(count, from + 0xFFFF);
        unsigned sum = 0;
        for (DWORD i = from; i < to; ++i)
        {
            const int y = CoordinateAt<PointSize>(points + i * PointSize + half);
            sum += (unsigned)(y > previous ? y - previous : previous - y);
            high = std::min(high, y);
            low = std::max(low, y);
            previous = y;
        }
        rise += sum;
        from = to;
    }
    top = high;
    bottom = low;
    last = previous;
}

template <DWORD PointSize>
DownRun RunDown(const BYTE* points, DWORD count, const CRecordReach::DownMap& map)
{
    const DWORD half = PointSize / 2;
    if (map.dx == 0)
    {
        // Rows follow y alone: the run is measured in whole logical units.
        double rise;
        long long top, bottom, last;
        RiseOfY<PointSize>(points, count, rise, top, bottom, last);
        const double ends[] = {map.dy * top + map.offset, map.dy * bottom + map.offset};
        return {map.dy * CoordinateAt<PointSize>(points + half) + map.offset, map.dy * last + map.offset,
                std::min(ends[0], ends[1]), std::max(ends[0], ends[1]), std::fabs(map.dy) * rise};
    }
    DownRun run = {0, 0, 0, 0, 0};
    for (DWORD i = 0; i < count; ++i)
    {
        const BYTE* point = points + i * PointSize;
        const double down =
            map.dx * CoordinateAt<PointSize>(point) + map.dy * CoordinateAt<PointSize>(point + half) + map.offset;
        if (i == 0)
            run = {down, down, down, down, 0};
        run.rise += std::fabs(down - run.last);
        run.top = std::min(run.top, down);
        run.bottom = std::max(run.bottom, down);
        run.last = down;
    }
    return run;
}

// The lines through 'count' points from 'points' added to the outline: a
// figure of their own, or on from 'from' when it is given (the current
// position, where a figure opens unless one is open); closed when 'closed'.
template <DWORD PointSize>
void AddPointLines(const BYTE* points, DWORD count, const CRecordReach::DownMap& map, const double* from, bool closed,
                   CFillTally& outline)
{
    if (count == 0)
        return;
    const DownRun run = RunDown<PointSize>(points, count, map);
    if (from == NULL)
        outline.MoveTo(run.first);
    else
    {
        outline.OpenAt(*from);
        outline.LineTo(run.first);
    }
    outline.LineThrough(run.top, run.bottom, run.rise, count - 1, run.last);
    if (closed)
        outline.CloseFigure();
}
