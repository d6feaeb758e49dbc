#pragma once

#include "afx/core/AfxCore.h"

// Where a box sits inside a rectangle: 0 centre, 1 top centre, 2 bottom centre,
// 3 right middle, 4 left middle, 5 top right, 6 top left, 7 bottom right,
// 8 bottom left; any other value centres.
enum RectPlacement
{
    PLACE_CENTRE = 0,
    PLACE_TOP = 1,
    PLACE_BOTTOM = 2,
    PLACE_RIGHT = 3,
    PLACE_LEFT = 4,
    PLACE_TOP_RIGHT = 5,
    PLACE_TOP_LEFT = 6,
    PLACE_BOTTOM_RIGHT = 7,
    PLACE_BOTTOM_LEFT = 8,
};

// The place of a width x height box inside the rectangle, clipped to the room
// that the margins leave; the margin is applied once, at the leading edge.
CRect AlignRectInRect(int width, int height, const RECT& rect, int marginX, int marginY, int placement);

// Moves the rectangle (keeping its size) inside the bounds; a rectangle larger
// than the bounds ends up at their left and top edges.
CRect MoveRectInside(const RECT& rect, const RECT& bounds);
