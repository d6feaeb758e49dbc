#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DeviceMapping.h"

#include <algorithm>
#include <optional>

// The box on the device of the points added to it.
struct DeviceBox
{
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;

    void Add(double x, double y);
};

// The device box of a logical rectangle as the mapping places it.
DeviceBox MappedBox(const CDeviceMapping& mapping, const RECT& logical);

// The rectangles a region is made of.
double RegionRectangles(HRGN region);

// Where on the device a DC draws right now: its clip box (GetClipBox, in
// logical units) mapped on the device, so that what a record draws outside
// it is not counted. The box is asked of the DC only for what is large
// enough to matter: most records draw a few pixels, and the guard's time
// over each record must stay small beside the player's. The rectangles of
// the DC's clip and meta regions are counted by the caller
// (CDrawingMemory::ClipRegionRectangles, read once until a record changes
// the clip).
class CDeviceClip
{
public:
    // 'regionRectangles': those of the DC's clip region where the caller
    // has counted them (0: it has none; one: not counted).
    CDeviceClip(HDC dc, const CDeviceMapping& mapping, double regionRectangles = 1)
        : m_dc(dc), m_mapping(mapping), m_regionRectangles(regionRectangles)
    {
    }

    double Area() const;
    // The given area, or the clip's where that is less.
    double AtMost(double area) const;
    // The area of the device box (in any corner order) inside the clip box;
    // a box that is not a number covers all of it.
    double Covered(double left, double top, double right, double bottom) const;
    // The area of the device box inside the clip box, however small.
    double Inside(const DeviceBox& box) const;
    // The rows of the device span inside the clip box.
    double Rows(double top, double bottom) const;

    // The clip box on the device (the device's surface where the DC has
    // none that maps).
    const DeviceBox& Box() const;

    // The rectangles of the DC's clip and meta regions (0 where it has
    // neither).
    static double Rectangles(HDC dc);
    // Those the caller counted, which a region combines with.
    double ClipRegionRectangles() const { return m_regionRectangles; }
    // The player goes through them all for each piece it fills by itself,
    // and through one where there is no clip region.
    double CountedRectangles() const { return std::max(1.0, m_regionRectangles); }

private:
    HDC m_dc;
    const CDeviceMapping& m_mapping;
    double m_regionRectangles;
    mutable std::optional<DeviceBox> m_box;
};
