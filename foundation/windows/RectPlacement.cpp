#include "foundation/windows/RectPlacement.h"

namespace
{
    enum Side { LEADING, CENTRE, TRAILING };

    Side HorizontalSide(int placement)
    {
        switch (placement)
        {
        case PLACE_LEFT: case PLACE_TOP_LEFT: case PLACE_BOTTOM_LEFT: return LEADING;
        case PLACE_RIGHT: case PLACE_TOP_RIGHT: case PLACE_BOTTOM_RIGHT: return TRAILING;
        default: return CENTRE;
        }
    }

    Side VerticalSide(int placement)
    {
        switch (placement)
        {
        case PLACE_TOP: case PLACE_TOP_RIGHT: case PLACE_TOP_LEFT: return LEADING;
        case PLACE_BOTTOM: case PLACE_BOTTOM_RIGHT: case PLACE_BOTTOM_LEFT: return TRAILING;
        default: return CENTRE;
        }
    }

    // Places a box along one axis; 'size' is clipped to the room left by the
    // margin. Returns the box's leading edge.
    int PlaceAlong(int start, int end, int margin, int& size, Side side)
    {
        int available = end - start - margin;
        if (size >= available)
            size = available;
        switch (side)
        {
        case LEADING: return start + margin;
        case TRAILING: return end - margin - size;
        default: return start + margin + (available - size > 0 ? available - size : 0) / 2;
        }
    }
}

CRect AlignRectInRect(int width, int height, const RECT& rect, int marginX, int marginY, int placement)
{
    int x = PlaceAlong(rect.left, rect.right, marginX, width, HorizontalSide(placement));
    int y = PlaceAlong(rect.top, rect.bottom, marginY, height, VerticalSide(placement));
    return CRect(x, y, x + width, y + height);
}

CRect MoveRectInside(const RECT& rect, const RECT& bounds)
{
    CRect moved(rect);
    int overRight = moved.right - bounds.right;
    int overBottom = moved.bottom - bounds.bottom;
    moved.OffsetRect(overRight > 0 ? -overRight : 0, overBottom > 0 ? -overBottom : 0);
    int beforeLeft = bounds.left - moved.left;
    int beforeTop = bounds.top - moved.top;
    moved.OffsetRect(beforeLeft > 0 ? beforeLeft : 0, beforeTop > 0 ? beforeTop : 0);
    return moved;
}
