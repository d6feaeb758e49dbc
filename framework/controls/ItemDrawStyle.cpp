#include "framework/controls/ItemDrawStyle.h"

#include "framework/app/SharedImageLists.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/RectPlacement.h"

#include <algorithm>

namespace
{
    struct SideFlags
    {
        bool left, right, above, below;
    };

    SideFlags ReadImageSide(int side)
    {
        switch (side)
        {
        case 0:
        case 4: return {true, false, false, false};
        case 3: return {false, true, false, false};
        case 1: return {false, false, true, false};
        case 2: return {false, false, false, true};
        case 5: return {false, true, true, false};
        case 6: return {true, false, true, false};
        case 7: return {false, true, false, true};
        case 8: return {true, false, false, true};
        default: return {false, false, false, false};
        }
    }

    // Splits one axis between the image cell and the text cell, then stands
    // the two together in the middle when both are centred on that axis.
    // lo/hi are the rectangle's edges on the axis; the areas come back as
    // [imageLo, imageHi) and [textLo, textHi).
    void SplitAxis(int lo, int hi, int imageCell, int& textCell, bool imageFirst, bool imageLast, bool centred,
                   int& imageLo, int& imageHi, int& textLo, int& textHi)
    {
        imageLo = textLo = lo;
        imageHi = textHi = hi;
        if (imageCell < 1 || textCell < 1 || !(imageFirst || imageLast))
            return;
        textCell = std::min(textCell, (hi - lo) - imageCell);
        if (textCell < 1)
            textCell = 0;
        if (imageFirst)
        {
            imageHi = lo + imageCell;
            textLo = imageHi;
        }
        else
        {
            imageLo = hi - imageCell;
            textHi = imageLo;
        }
        if (centred && textCell < textHi - textLo)
        {
            int s = ((textHi - textLo) - textCell) / 2;
            textLo += s;
            textHi -= s;
            imageLo += imageFirst ? s : -s;
            imageHi += imageFirst ? s : -s;
        }
    }

    bool HorizontallyCentred(int placement) { return placement == 0 || placement == 1 || placement == 2; }
    bool VerticallyCentred(int placement) { return placement == 0 || placement == 3 || placement == 4; }
}

CItemDrawStyle::CItemDrawStyle()
    : m_imagePlacement(0), m_textPlacement(0), m_imageSide(4), m_imageMarginX(0), m_imageMarginY(0),
      m_textMarginX(8), m_textMarginY(0), m_imageSource(0), m_normalImage(0), m_disabledImage(0), m_imageWidth(0),
      m_imageHeight(0)
{
}

int CItemDrawStyle::SetImage(UINT imageSource, COLORREF, int width, int height, int normalImage, int disabledImage)
{
    m_imageSource = imageSource;
    m_normalImage = PackImageIndex(normalImage);
    m_disabledImage = PackImageIndex(disabledImage);
    m_imageWidth = width;
    m_imageHeight = height;
    return 1;
}

void CItemDrawStyle::Draw(CDC* dc, const RECT& rect, int offsetX, int offsetY, UINT state, LPCTSTR text,
                          COLORREF textColour, COLORREF backColour, COLORREF, COLORREF imageBandColour) const
{
    HDC hdc = dc->GetSafeHdc();
    int length = text != NULL ? lstrlenA(text) : 0;
    COLORREF oldBack = ::SetBkColor(hdc, backColour);
    COLORREF oldText = ::SetTextColor(hdc, textColour);
    CRect r(rect);
    r.OffsetRect(offsetX, offsetY);
    ::FillRect(hdc, &r, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(backColour)));

    int imageCellX = 0, imageCellY = 0, textCellX = 0, textCellY = 0;
    if (m_imageSource != 0)
    {
        imageCellX = m_imageWidth + m_imageMarginX;
        imageCellY = m_imageHeight + m_imageMarginY;
    }
    if (length > 0)
    {
        SIZE extent = {};
        ::GetTextExtentPoint32A(hdc, text, length, &extent);
        textCellX = extent.cx + m_textMarginX;
        textCellY = extent.cy + m_textMarginY;
    }

    SideFlags side = ReadImageSide(m_imageSide);
    int imageLeft, imageRight, imageTop, imageBottom, textLeft, textRight, textTop, textBottom;
    bool centredX = HorizontallyCentred(m_imagePlacement) && HorizontallyCentred(m_textPlacement);
    bool centredY = VerticallyCentred(m_imagePlacement) && VerticallyCentred(m_textPlacement);
    SplitAxis(r.left, r.right, imageCellX, textCellX, side.left, side.right, centredX, imageLeft, imageRight,
              textLeft, textRight);
    SplitAxis(r.top, r.bottom, imageCellY, textCellY, side.above, side.below, centredY, imageTop, imageBottom,
              textTop, textBottom);
    CRect imageArea(imageLeft, imageTop, imageRight, imageBottom), textArea(textLeft, textTop, textRight, textBottom);

    if (m_imageSource != 0)
    {
        if (imageBandColour != NoImageBand && imageBandColour != backColour)
        {
            CRect band(r);
            if (side.left)
                band.right = textArea.left + m_textMarginX / 2;
            else if (side.right)
                band.left = textArea.right + m_textMarginX / 2;
            if (side.above)
                band.bottom = textArea.top + m_textMarginY / 2;
            else if (side.below)
                band.top = textArea.bottom + m_textMarginY / 2;
            ::FillRect(hdc, &band, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(imageBandColour)));
        }
        CRect box = AlignRectInRect(m_imageWidth, m_imageHeight, imageArea, m_imageMarginX, m_imageMarginY,
                                    m_imagePlacement);
        CSharedImageLists& lists = GetSharedImageLists();
        bool disabled = (state & ITEM_DISABLED) != 0;
        int index = UnpackImageIndex(disabled ? m_disabledImage : m_normalImage);
        HIMAGELIST list = disabled ? lists.m_greyed.GetSafeHandle() : lists.m_normal.GetSafeHandle();
        if (index >= 0 && list != NULL)
            ImageList_Draw(list, index, hdc, box.left, box.top, ILD_NORMAL);
    }

    if (length > 0)
    {
        CRect box = AlignRectInRect(textCellX - m_textMarginX, textCellY - m_textMarginY, textArea, m_textMarginX,
                                    m_textMarginY, m_textPlacement);
        UINT flags = (state & ITEM_LITERAL_TEXT) ? DST_TEXT : DST_PREFIXTEXT;
        if (state & ITEM_DISABLED)
            flags |= DSS_DISABLED;
        ::DrawStateA(hdc, NULL, NULL, (LPARAM)text, (WPARAM)length, box.left, box.top, box.Width(), box.Height(),
                     flags);
    }

    ::SetBkColor(hdc, oldBack);
    ::SetTextColor(hdc, oldText);
}
