#pragma once

#include "afx/app/AfxWin.h"

// Where a DC maps logical points on its device right now, read from the DC
// itself (its world transform, window and viewport) and worked in double
// arithmetic: the platform's LPtoDP answers whole numbers, which wrap for
// points far out.
class CDeviceMapping
{
public:
    explicit CDeviceMapping(HDC dc);

    void Map(double x, double y, double& deviceX, double& deviceY) const
    {
        deviceX = m_xx * x + m_xy * y + m_x0;
        deviceY = m_yx * x + m_yy * y + m_y0;
    }
    // The longest a logical length can become on the device: what a pen's
    // width or a font's height grows to.
    double Stretch() const;
    // Whether the mapping turns or shears what it maps at other than a
    // right angle.
    bool Turns() const;

private:
    // x' = xx x + xy y + x0, y' = yx x + yy y + y0
    double m_xx, m_xy, m_yx, m_yy, m_x0, m_y0;
};
