#include "output/pictures/FillTally.h"

#include <algorithm>
#include <cmath>
#include <limits>

void CFillTally::Reach(double down)
{
    m_top = m_empty ? down : std::min(m_top, down);
    m_bottom = m_empty ? down : std::max(m_bottom, down);
    m_empty = false;
    // A position that is not a number spoils the tally for good.
    if (down != down)
        m_rise = std::numeric_limits<double>::quiet_NaN();
}

void CFillTally::MoveTo(double down)
{
    CloseFigure();
    Reach(down);
    m_start = m_last = down;
    m_open = true;
}

void CFillTally::LineTo(double down)
{
    Reach(down);
    m_rise += std::fabs(down - m_last);
    m_last = down;
    m_edges += 1;
}

void CFillTally::LineThrough(double top, double bottom, double rise, double edges, double last)
{
    AddPart(top, bottom, rise, edges);
    m_last = last;
}

void CFillTally::CloseFigure()
{
    if (!m_open)
        return;
    m_rise += std::fabs(m_last - m_start);
    m_last = m_start;
    m_open = false;
}

void CFillTally::AddPart(double top, double bottom, double rise, double edges)
{
    Reach(top);
    Reach(bottom);
    m_rise += rise;
    m_edges += edges;
}

void CFillTally::Widen(double penWidth)
{
    CloseFigure();
    if (m_empty)
        return;
    const double width = std::fabs(penWidth);
    m_rise = 2 * m_rise + 2 * m_edges * width;
    m_top -= width / 2;
    m_bottom += width / 2;
    if (width != width)
        m_rise = width;
}

double CFillTally::Work() const
{
    const double rise = m_open ? m_rise + std::fabs(m_last - m_start) : m_rise;
    const double height = m_bottom - m_top;
    if (!std::isfinite(rise) || !std::isfinite(height))
        return std::numeric_limits<double>::infinity();
    return height > 0 ? rise * rise / height : 0;
}
