#include "output/pictures/PictureSizeFitting.h"

#include <cmath>

CSize FitSizeToAspectOnDevice(CDC* dc, int width, int height, double px, double py)
{
    // A picture drawn right to left or bottom to top keeps its proportion;
    // one of no size in either direction has none.
    px = std::fabs(px);
    py = std::fabs(py);
    if (!(px > 0 || py > 0) || !std::isfinite(px) || !std::isfinite(py))
        return CSize(width, height);
    HDC attrib = dc != NULL ? dc->m_hAttribDC : NULL;
    double mx = 1.0, my = 1.0;
    if (attrib != NULL && ::GetDeviceCaps(attrib, HORZRES) > 0 && ::GetDeviceCaps(attrib, VERTRES) > 0 &&
        ::GetDeviceCaps(attrib, HORZSIZE) > 0 && ::GetDeviceCaps(attrib, VERTSIZE) > 0)
    {
        mx = (double)::GetDeviceCaps(attrib, HORZSIZE) / ::GetDeviceCaps(attrib, HORZRES);
        my = (double)::GetDeviceCaps(attrib, VERTSIZE) / ::GetDeviceCaps(attrib, VERTRES);
    }
    double sx = width * mx / px;
    double sy = height * my / py;
    double s = sx < sy ? sx : sy;
    return CSize((int)(px * s / mx + 0.5), (int)(py * s / my + 0.5));
}
