#include "output/pictures/RecordReach.h"

#include "output/pictures/PlayerLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

CRecordReach::CRecordReach()
    : m_place{0, 0, 0, 0, 0, 0}, m_box{0, 0, -1, -1}, m_aligned(true), m_minX(1), m_maxX(0), m_minY(1), m_maxY(0)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    m_down = {none, none, none};
}

CRecordReach::CRecordReach(const CRecordSpace::Placement& place, const Box& box)
    : m_place(place), m_box(box), m_aligned(false), m_minX(1), m_maxX(0), m_minY(1), m_maxY(0)
{
    const double factors[] = {place.xx, place.xy, place.yx, place.yy, place.x0, place.y0};
    for (double factor : factors)
        if (!std::isfinite(factor) || !(box.down > 0))
        {
            *this = CRecordReach();
            return;
        }
    m_down = {place.yx / box.down, place.yy / box.down, (place.y0 - box.centreY) / box.down};
    if (place.xy == 0 && place.yx == 0 && place.xx != 0 && place.yy != 0)
    {
        m_aligned = true;
        const double left = (box.centreX - box.across - place.x0) / place.xx;
        const double right = (box.centreX + box.across - place.x0) / place.xx;
        const double top = (box.centreY - box.down - place.y0) / place.yy;
        const double bottom = (box.centreY + box.down - place.y0) / place.yy;
        m_minX = std::min(left, right);
        m_maxX = std::max(left, right);
        m_minY = std::min(top, bottom);
        m_maxY = std::max(top, bottom);
    }
}

bool CRecordReach::HasPoint(double x, double y) const
{
    if (m_aligned)
        return x >= m_minX && x <= m_maxX && y >= m_minY && y <= m_maxY;
    const CRecordSpace::Placement& p = m_place;
    return std::fabs(p.xx * x + p.xy * y + p.x0 - m_box.centreX) <= m_box.across &&
           std::fabs(p.yx * x + p.yy * y + p.y0 - m_box.centreY) <= m_box.down;
}

bool CRecordReach::HasSize(double cx, double cy) const
{
    const CRecordSpace::Placement& p = m_place;
    return std::fabs(p.xx * cx) + std::fabs(p.xy * cy) <= m_box.across &&
           std::fabs(p.yx * cx) + std::fabs(p.yy * cy) <= m_box.down;
}

namespace
{
// How wide a pen of one logical unit is drawn: round on the device, as
// wide as the image of a unit along either axis.
double PenScale(const CRecordSpace::Placement& p)
{
    return std::max(std::fabs(p.xx) + std::fabs(p.yx), std::fabs(p.xy) + std::fabs(p.yy));
}
}

bool CRecordReach::HasPenWidth(double width) const
{
    return std::fabs(width) * PenScale(m_place) <= std::min(m_box.across, m_box.down);
}

bool CRecordReach::DrawsPenQuickly(double width) const
{
    return width == 0 || std::fabs(width) * PenScale(m_place) <= PenWidthLimit * std::max(m_box.across, m_box.down);
}

// A reach of nothing (a placement that is not a number) places nothing.
double CRecordReach::PenDown(double width) const
{
    if (m_box.down <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    return std::fabs(width) * PenScale(m_place) / m_box.down;
}

double CRecordReach::Down(double x, double y) const
{
    return m_down.dx * x + m_down.dy * y + m_down.offset;
}

CRecordReach::DownMap CRecordReach::DownOf() const
{
    return m_down;
}

double CRecordReach::Span(double dx, double dy) const
{
    const CRecordSpace::Placement& p = m_place;
    const double across = p.xx * dx + p.xy * dy, down = p.yx * dx + p.yy * dy;
    return std::sqrt(across * across + down * down) / std::max(m_box.across, m_box.down);
}
