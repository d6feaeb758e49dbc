#include "output/pictures/FloodFillRuns.h"

#include "output/pictures/FillRegion.h"

#include <vector>

namespace
{
// Runs filled between asking whether the fill is still affordable.
const double RunsBetweenLooks = 1024;

class CFill
{
public:
    explicit CFill(CSurfacePixels& pixels)
        : m_pixels(pixels), m_box(pixels.Bounds()), m_width(m_box.right - m_box.left),
          m_filled(m_width, m_box.bottom - m_box.top), m_region(m_box.bottom - m_box.top)
    {
    }

    FillRuns From(POINT seed, size_t deepestAllowed, const std::function<bool(const FillRuns&)>& affordable)
    {
        const int x = seed.x - m_box.left, y = seed.y - m_box.top;
        if (!::PtInRect(&m_box, seed) || CBandedBits::Next(m_pixels.Row(y, x, x + 1), x, x + 1, true) != x)
            return m_runs;
        Fill(x, x + 1, y);
        double nextLook = RunsBetweenLooks;
        while (!m_levels.empty() && m_levels.size() <= deepestAllowed)
        {
            if (m_runs.runs >= nextLook)
            {
                if (!affordable(m_runs))
                    break;
                nextLook += RunsBetweenLooks;
            }
            Scan();
        }
        m_runs.cut = !m_levels.empty();
        return m_runs;
    }

private:
    // A run being filled (in the box's own coordinates), and where its scan
    // of the next row has come to.
    struct Level
    {
        int left, right, y;
        // -1 while the row above is scanned, then 1 for the row below.
        int step;
        int at;
    };

    // The first pixel of the run that ends at 'left' in row y, read a tile
    // at a time.
    int SpreadLeft(int left, int y)
    {
        const int tile = CSurfacePixels::TileColumns;
        while (left > 0)
        {
            const int start = (left - 1) / tile * tile;
            const int spread = CBandedBits::StartOfSet(m_pixels.Row(y, start, left), left, start);
            if (spread > start)
                return spread;
            left = start;
        }
        return left;
    }
    // The end of the run that goes on from 'right' in row y.
    int SpreadRight(int right, int y)
    {
        const int tile = CSurfacePixels::TileColumns;
        while (right < m_width)
        {
            const int end = std::min(m_width, (right / tile + 1) * tile);
            const int spread = CBandedBits::Next(m_pixels.Row(y, right, end), right, end, false);
            if (spread < end)
                return spread;
            right = end;
        }
        return right;
    }

    // Spreads the run left and right, fills it and begins its scans; the
    // player looks at each pixel it spreads over and at the one that stops it.
    void Fill(int left, int right, int y)
    {
        const int spread = SpreadLeft(left, y);
        const int end = SpreadRight(right, y);
        m_runs.examined += (left - spread) + (end - right) + 2;
        m_filled.SetSpan(spread, end, y);
        m_runs.regionRectangles += m_region.Rectangles();
        m_region.Add(spread, end, y);
        ++m_runs.runs;
        m_levels.push_back({spread, end, y, -1, spread});
    }

    // Scans on in the deepest level's next row up to the next run of it
    // whose first pixel is not filled yet, and fills that; or turns to the
    // row below, or ends the level.
    void Scan()
    {
        Level& level = m_levels.back();
        const int y = level.y + level.step;
        if (y >= 0 && y < m_box.bottom - m_box.top)
        {
            const uint32_t* inside = m_pixels.Row(y, level.at, level.right);
            const uint32_t* filled = m_filled.Row(y);
            while (level.at < level.right)
            {
                const int left = CBandedBits::Next(inside, level.at, level.right, true);
                const int right = CBandedBits::Next(inside, left, level.right, false);
                // The pixel that ends a run is looked at too.
                m_runs.examined += right - level.at + (right < level.right);
                level.at = right + 1;
                if (left == right)
                    continue;
                // The player looks the run's first pixel up in what it has filled.
                m_runs.regionRectangles += m_region.Rectangles();
                if (CBandedBits::Next(filled, left, left + 1, true) != left)
                    return Fill(left, right, y);
            }
        }
        if (level.step < 0)
        {
            level.step = 1;
            level.at = level.left;
        }
        else
            m_levels.pop_back();
    }

    CSurfacePixels& m_pixels;
    const RECT m_box;
    const int m_width;
    CBandedBits m_filled;
    CFillRegion m_region;
    std::vector<Level> m_levels;
    FillRuns m_runs;
};
} // namespace

FillRuns FollowFill(CSurfacePixels& pixels, POINT seed, size_t deepestAllowed,
                    const std::function<bool(const FillRuns&)>& affordable)
{
    return CFill(pixels).From(seed, deepestAllowed, affordable);
}
