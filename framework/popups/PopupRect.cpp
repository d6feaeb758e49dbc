#include "framework/popups/PopupRect.h"

#include "foundation/windows/RectPlacement.h"
#include "framework/windows/WorkArea.h"

CRect CalcPopupRect(int x, int y, int, int altY, int width, int height)
{
    CRect rect(x, y, x + width, y + height);
    CRect area = GetDesktopWorkArea();
    if (rect.right > area.right)
        rect.OffsetRect(area.right - rect.right, 0);
    if (rect.left < area.left)
        rect.OffsetRect(area.left - rect.left, 0);
    if (rect.bottom > area.bottom)
    {
        rect.bottom = altY;
        rect.top = altY - height;
    }
    return MoveRectInside(rect, area);
}
