#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DeviceMapping.h"

// The box on the device of the points added to it.
struct DeviceBox
{
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;

    void Add(double x, double y);
};

// Where on the device a DC draws right now: its clip box (GetClipBox, in
// logical units) mapped on the device, so that what a record draws outside
// it is not counted. The rectangles of the DC's clip region are asked for
// only when a region record combines with it.
class CDeviceClip
{
public:
    CDeviceClip(HDC dc, const CDeviceMapping& mapping);

    double Area() const { return Width() * Height(); }
    double Width() const { return m_right - m_left; }
    double Height() const { return m_bottom - m_top; }
    // The area of the device box (in any corner order) inside the clip box;
    // a box that is not a number covers all of it.
    double Covered(double left, double top, double right, double bottom) const;
    // The rows of the device span inside the clip box.
    double Rows(double top, double bottom) const;

    // The rectangles of the DC's clip region (0 where it has none).
    static double Rectangles(HDC dc);

private:
    double m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
};
