#pragma once

#include "framework/windows/WndPictureTable.h"

// Measures and draws the pictures of a window's background picture table.
// An entry's two integers are the tiling (0 once, 1 whole tiles only, 2 every
// tile that meets the area) and the fit flag (1: the picture is drawn whole,
// centred in its box and keeping its proportions); its doubles are the tile
// offset as a fraction of the box and the scale of the picture's natural
// size (1.0: its size in inches at the screen's resolution).
class CPictureTableDrawing : public CWndPictureDrawing
{
public:
    CSize GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int int1, int int2, double double1,
                        double double2) override;
    void DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int int1, int int2, double double1,
                    double double2) override;
};

// Makes every window's picture table draw through CPictureTableDrawing; the
// application calls it at start-up.
void InstallPictureTableDrawing();
