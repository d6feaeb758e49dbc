#include "output/pictures/DeviceClip.h"

#include "foundation/windows/OwnedHandle.h"

#include <algorithm>
#include <cmath>

namespace
{
// Without a clip box (a transform that cannot be undone) the device's
// largest surface is taken: a bitmap's, or the device's size.
DeviceBox DeviceSurface(HDC dc)
{
    BITMAP bitmap;
    if (::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) == (int)sizeof(bitmap) &&
        bitmap.bmWidth > 1)
        return {0, 0, (double)bitmap.bmWidth, (double)std::abs(bitmap.bmHeight), false};
    return {0, 0, (double)::GetDeviceCaps(dc, HORZRES), (double)::GetDeviceCaps(dc, VERTRES), false};
}

// What GetRandomRgn is asked for: the clip region, the meta region.
const int ClipRegion = 1, MetaRegion = 2;

// Areas and spans this small are taken whole, without asking for the clip.
const double SmallArea = 65536, SmallSpan = 256;

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
    left = empty ? x : std::min(left, x);
    right = empty ? x : std::max(right, x);
    top = empty ? y : std::min(top, y);
    bottom = empty ? y : std::max(bottom, y);
    empty = false;
}

DeviceBox MappedBox(const CDeviceMapping& mapping, const RECT& logical)
{
    DeviceBox box;
    for (const LONG x : {logical.left, logical.right})
        for (const LONG y : {logical.top, logical.bottom})
        {
            double dx, dy;
            mapping.Map(x, y, dx, dy);
            box.Add(dx, dy);
        }
    return box;
}

const DeviceBox& CDeviceClip::Box() const
{
    if (m_box)
        return *m_box;
    RECT logical;
    m_box = ::GetClipBox(m_dc, &logical) != ERROR ? MappedBox(m_mapping, logical) : DeviceBox();
    if (m_box->empty || !std::isfinite((m_box->right - m_box->left) * (m_box->bottom - m_box->top)))
        m_box = DeviceSurface(m_dc);
    return *m_box;
}

double CDeviceClip::Area() const
{
    const DeviceBox& box = Box();
    return (box.right - box.left) * (box.bottom - box.top);
}

double CDeviceClip::AtMost(double area) const
{
    return area <= SmallArea ? area : std::min(area, Area());
}

double CDeviceClip::Covered(double left, double top, double right, double bottom) const
{
    const double unclipped = std::fabs(right - left) * std::fabs(bottom - top);
    if (unclipped <= SmallArea)
        return unclipped;
    const DeviceBox& box = Box();
    return Overlap(left, right, box.left, box.right) * Rows(top, bottom);
}

double CDeviceClip::Inside(const DeviceBox& box) const
{
    if (box.empty)
        return 0;
    const DeviceBox& clip = Box();
    return Overlap(box.left, box.right, clip.left, clip.right) * Overlap(box.top, box.bottom, clip.top, clip.bottom);
}

double CDeviceClip::Rows(double top, double bottom) const
{
    if (std::fabs(bottom - top) <= SmallSpan)
        return std::fabs(bottom - top);
    const DeviceBox& box = Box();
    return Overlap(top, bottom, box.top, box.bottom);
}

double RegionRectangles(HRGN region)
{
    const DWORD bytes = ::GetRegionData(region, 0, NULL);
    return bytes > sizeof(RGNDATAHEADER) ? (double)((bytes - sizeof(RGNDATAHEADER)) / sizeof(RECT)) : 0;
}

double CDeviceClip::Rectangles(HDC dc)
{
    const COwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    if (!region)
        return 0;
    // The DC holds both, and clips to what they share: a picture is played
    // inside a meta region, which GetClipRgn leaves out.
    double rectangles = 0;
    for (int which : {ClipRegion, MetaRegion})
        if (::GetRandomRgn(dc, region, which) == 1)
            rectangles += RegionRectangles(region);
    return rectangles;
}
