#include "output/pictures/PictureTableDrawing.h"

#include "foundation/windows/RectPlacement.h"
#include "output/pictures/Picture.h"

CSize CPictureTableDrawing::GetScaledSize(CPicture* picture, int pixelsPerInchX, int pixelsPerInchY, int, int, double,
                                          double double2)
{
    if (picture == NULL)
        return CSize(0, 0);
    const double scale = double2 > 0.0 ? double2 : 1.0;
    return picture->GetScaledSize(pixelsPerInchX * scale, pixelsPerInchY * scale);
}

void CPictureTableDrawing::DrawInRect(CPicture* picture, CDC* dc, const CRect& rect, int int1, int int2, double double1,
                                      double)
{
    if (picture == NULL || !picture->HasPicture())
        return;
    CRect clip;
    if (dc->GetClipBox(&clip) == NULLREGION)
        return;
    // The picture's own proportions, in thousandths of an inch.
    CSize proportions((int)(picture->GetWidthInInches() * 1000 + 0.5),
                      (int)(picture->GetHeightInInches() * 1000 + 0.5));
    CSize size = int2 != 0 ? proportions : rect.Size();
    POINT offset = {(int)(double1 * rect.Width()), (int)(double1 * rect.Height())};
    POINT origin = {0, 0};
    picture->DrawInRect(dc, rect, clip, origin, size, PLACE_CENTRE, int1, int2 != 0, offset);
}

void InstallPictureTableDrawing()
{
    static CPictureTableDrawing drawing;
    SetWndPictureDrawing(&drawing);
}
