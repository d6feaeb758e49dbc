#include "output/pictures/DeviceMapping.h"

#include <cmath>

CDeviceMapping::CDeviceMapping(HDC dc)
{
    XFORM world = {1, 0, 0, 1, 0, 0};
    ::GetWorldTransform(dc, &world);
    SIZE window = {1, 1}, viewport = {1, 1};
    POINT windowOrigin = {0, 0}, viewportOrigin = {0, 0};
    ::GetWindowExtEx(dc, &window);
    ::GetViewportExtEx(dc, &viewport);
    ::GetWindowOrgEx(dc, &windowOrigin);
    ::GetViewportOrgEx(dc, &viewportOrigin);
    // In MM_TEXT the extents are not used, whatever they read.
    double sx = 1, sy = 1;
    if (::GetMapMode(dc) != MM_TEXT)
    {
        sx = window.cx != 0 ? (double)viewport.cx / window.cx : 0;
        sy = window.cy != 0 ? (double)viewport.cy / window.cy : 0;
    }
    // The world transform first, then the page's window onto its viewport.
    m_xx = world.eM11 * sx;
    m_xy = world.eM21 * sx;
    m_x0 = (world.eDx - windowOrigin.x) * sx + viewportOrigin.x;
    m_yx = world.eM12 * sy;
    m_yy = world.eM22 * sy;
    m_y0 = (world.eDy - windowOrigin.y) * sy + viewportOrigin.y;
}

double CDeviceMapping::Stretch() const
{
    const double across = std::hypot(m_xx, m_yx), down = std::hypot(m_xy, m_yy);
    return across > down ? across : down;
}

bool CDeviceMapping::Turns() const
{
    // Terms a millionth of the others are arithmetic's rounding.
    const double straight = std::fabs(m_xx) + std::fabs(m_yy), across = std::fabs(m_xy) + std::fabs(m_yx);
    return across > 1e-6 * straight && straight > 1e-6 * across;
}
