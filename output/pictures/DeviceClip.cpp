#include "output/pictures/DeviceClip.h"

#include "foundation/windows/OwnedHandle.h"

#include <algorithm>
#include <cmath>

namespace
{
// Without a clip box (a transform that cannot be undone) the device's
// largest surface is taken: a bitmap's, or the device's size.
void DeviceSize(HDC dc, double& width, double& height)
{
    BITMAP bitmap;
    if (::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) == (int)sizeof(bitmap) &&
        bitmap.bmWidth > 1)
    {
        width = bitmap.bmWidth;
        height = std::abs(bitmap.bmHeight);
        return;
    }
    width = ::GetDeviceCaps(dc, HORZRES);
    height = ::GetDeviceCaps(dc, VERTRES);
}

// The part of [low, high] (either order) inside [from, to].
double Overlap(double low, double high, double from, double to)
{
    if (!(low <= high))
        std::swap(low, high);
    if (low != low || high != high)
        return to - from;
    return std::max(0.0, std::min(high, to) - std::max(low, from));
}
} // namespace

void DeviceBox::Add(double x, double y)
{
    if (empty)
    {
        left = right = x;
        top = bottom = y;
        empty = false;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
}

CDeviceClip::CDeviceClip(HDC dc, const CDeviceMapping& mapping)
{
    RECT box;
    if (::GetClipBox(dc, &box) == ERROR)
    {
        DeviceSize(dc, m_right, m_bottom);
        return;
    }
    const double xs[] = {(double)box.left, (double)box.right}, ys[] = {(double)box.top, (double)box.bottom};
    DeviceBox onDevice;
    for (double x : xs)
        for (double y : ys)
        {
            double dx, dy;
            mapping.Map(x, y, dx, dy);
            onDevice.Add(dx, dy);
        }
    m_left = onDevice.left;
    m_top = onDevice.top;
    m_right = onDevice.right;
    m_bottom = onDevice.bottom;
    if (!std::isfinite(Area()))
    {
        m_left = m_top = 0;
        DeviceSize(dc, m_right, m_bottom);
    }
}

double CDeviceClip::Covered(double left, double top, double right, double bottom) const
{
    return Overlap(left, right, m_left, m_right) * Rows(top, bottom);
}

double CDeviceClip::Rows(double top, double bottom) const
{
    return Overlap(top, bottom, m_top, m_bottom);
}

double CDeviceClip::Rectangles(HDC dc)
{
    const COwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    if (!region || ::GetClipRgn(dc, region) != 1)
        return 0;
    const DWORD bytes = ::GetRegionData(region, 0, NULL);
    return bytes > sizeof(RGNDATAHEADER) ? (double)((bytes - sizeof(RGNDATAHEADER)) / sizeof(RECT)) : 1;
}
