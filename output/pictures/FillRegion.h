#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The rectangles of the region the platform's player gathers a flood fill
// in, as runs are added to it: a region holds bands of rows, and rows next
// to each other whose runs are the same make one band. The player's work over
// each run it adds, and over each run it looks up, grows with the rectangles
// the region holds.
class CFillRegion
{
public:
    explicit CFillRegion(int rows) : m_rows((size_t)rows) {}

    double Rectangles() const { return m_rectangles; }
    // Adds the run from 'left' up to 'right' in row y (apart from the
    // row's others).
    void Add(int left, int right, int y)
    {
        m_rectangles -= Counted((size_t)y);
        Runs& row = m_rows[(size_t)y];
        const std::pair<int, int> run(left, right);
        row.insert(std::upper_bound(row.begin(), row.end(), run), run);
        m_rectangles += Counted((size_t)y);
    }

private:
    typedef std::vector<std::pair<int, int>> Runs;

    // What row y adds to the rectangles: its runs, less those it shares as
    // one band with the row above, and less those the row below shares with it.
    double Counted(size_t y) const
    {
        const Runs& row = m_rows[y];
        double counted = (double)row.size();
        if (y > 0 && m_rows[y - 1] == row)
            counted -= (double)row.size();
        if (y + 1 < m_rows.size() && m_rows[y + 1] == row)
            counted -= (double)row.size();
        return counted;
    }

    std::vector<Runs> m_rows;
    double m_rectangles = 0;
};
