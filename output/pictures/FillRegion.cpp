#include "output/pictures/FillRegion.h"

#include <algorithm>

void CFillRegion::Add(int left, int right, int y)
{
    m_rectangles -= Counted((size_t)y);
    Runs& row = m_rows[(size_t)y];
    const std::pair<int, int> run(left, right);
    row.insert(std::upper_bound(row.begin(), row.end(), run), run);
    m_rectangles += Counted((size_t)y);
}

double CFillRegion::Counted(size_t y) const
{
    const Runs& row = m_rows[y];
    double counted = (double)row.size();
    if (y > 0 && m_rows[y - 1] == row)
        counted -= (double)row.size();
    if (y + 1 < m_rows.size() && m_rows[y + 1] == row)
        counted -= (double)row.size();
    return counted;
}
