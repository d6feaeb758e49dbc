#include "framework/windows/Scaling.h"

#include <math.h>

CRect ScaleRect(const RECT& rect, int numX, int numY, int denX, int denY)
{
    return CRect(::MulDiv(rect.left, numX, denX), ::MulDiv(rect.top, numY, denY),
                 ::MulDiv(rect.right, numX, denX), ::MulDiv(rect.bottom, numY, denY));
}

CPoint ScalePoint(POINT point, int numX, int numY, int denX, int denY)
{
    return CPoint(::MulDiv(point.x, numX, denX), ::MulDiv(point.y, numY, denY));
}

CSize ScaleSize(SIZE size, int numX, int numY, int denX, int denY)
{
    return CSize(::MulDiv(size.cx, numX, denX), ::MulDiv(size.cy, numY, denY));
}

namespace
{
    CSize ExpandToAspect(CDC* dc, int width, int height, double px, double py)
    {
        double mx = (double)dc->GetDeviceCaps(HORZSIZE) / dc->GetDeviceCaps(HORZRES);
        double my = (double)dc->GetDeviceCaps(VERTSIZE) / dc->GetDeviceCaps(VERTRES);
        double sx = width * mx / px;
        double sy = height * my / py;
        double s = sy > sx ? sy : sx;
        return CSize((int)(px * s / mx + 0.5), (int)(py * s / my + 0.5));
    }
}

CSize ExpandSizeToAspectOnDevice(CDC* dc, int width, int height, int px, int py)
{
    if (px < 1 || py <= 0)
        return CSize(width, height);
    return ExpandToAspect(dc, width, height, px, py);
}

CSize ExpandSizeToAspectOnDeviceF(CDC* dc, int width, int height, double px, double py)
{
    if (fabs(px) < 0.005 || fabs(py) < 0.005)
        return CSize(width, height);
    return ExpandToAspect(dc, width, height, px, py);
}
