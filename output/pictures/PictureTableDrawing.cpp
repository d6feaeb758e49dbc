#include "output/pictures/PictureTableDrawing.h"

#include "foundation/windows/RectPlacement.h"
#include "output/pictures/Picture.h"

CSize CPictureTableDrawing::GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int, int, double,
                                          double scale)
{
    if (picture == NULL)
        return CSize(0, 0);
    const double factor = scale > 0.0 ? scale : 1.0;
    return picture->GetScaledSize(pixelsPerInchX * factor, pixelsPerInchY * factor);
}

void CPictureTableDrawing::DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int tiling, int fitWhole,
                                      double tileOffset, double)
{
    if (picture == NULL || !picture->HasPicture())
        return;
    CRect clip;
    if (dc->GetClipBox(&clip) == NULLREGION)
        return;
    // The picture's own proportions, in thousandths of an inch.
    CSize proportions((int)(picture->GetWidthInInches() * 1000 + 0.5),
                      (int)(picture->GetHeightInInches() * 1000 + 0.5));
    CSize size = fitWhole != 0 ? proportions : rect.Size();
    POINT offset = {(int)(tileOffset * rect.Width()), (int)(tileOffset * rect.Height())};
    POINT origin = {0, 0};
    picture->DrawInRect(dc, rect, clip, origin, size, PLACE_CENTRE, tiling, fitWhole != 0, offset);
}

void InstallPictureTableDrawing()
{
    static CPictureTableDrawing drawing;
    SetWndPictureDrawing(&drawing);
}
