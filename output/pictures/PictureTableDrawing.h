#pragma once

#include "framework/windows/WndPictureTable.h"

// Measures and draws the pictures of a window's background picture table.
class CPictureTableDrawing : public CWndPictureDrawing
{
public:
    CSize GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int tiling, int fitWhole,
                        double tileOffset, double scale) override;
    void DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int tiling, int fitWhole, double tileOffset,
                    double scale) override;
};

// Makes every window's picture table draw through CPictureTableDrawing; the
// application calls it at start-up.
void InstallPictureTableDrawing();
