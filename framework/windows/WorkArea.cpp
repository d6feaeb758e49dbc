#include "framework/windows/WorkArea.h"

#include "foundation/windows/RectPlacement.h"

CRect GetDesktopWorkArea()
{
    CRect area(0, 0, 0, 0);
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return area;
}

CRect FitRectInside(const RECT& rect, const RECT& bounds)
{
    CRect fitted(rect);
    if (fitted.Width() > bounds.right - bounds.left)
        fitted.right = fitted.left + (bounds.right - bounds.left);
    if (fitted.Height() > bounds.bottom - bounds.top)
        fitted.bottom = fitted.top + (bounds.bottom - bounds.top);
    return MoveRectInside(fitted, bounds);
}
