#pragma once
// The face of an owner-drawn item: an optional image from the shared image
// lists and a text, each placed in its own area of the item rectangle.
#include "afx/app/AfxWin.h"

// Marks "no image band" in CItemDrawStyle::Draw.
const COLORREF NoImageBand = 0xFF000000;

// State bits of CItemDrawStyle::Draw.
enum ItemDrawState
{
    ITEM_DISABLED = 1,
    ITEM_LITERAL_TEXT = 2, // '&' is drawn, not taken as a mnemonic
};

class CItemDrawStyle
{
public:
    CItemDrawStyle();

    // Stores the image source and size and the two image indices (negative:
    // no image in that state); the mask colour is the shared lists'. Returns 1.
    int SetImage(UINT imageSource, COLORREF maskColour, int width, int height, int normalImage, int disabledImage);

    // An index as stored (index x 256) and back; a stored negative value
    // means "no image" and reads back as -1.
    static int PackImageIndex(int index) { return index < 0 ? -1 : index * 256; }
    static int UnpackImageIndex(int stored) { return stored < 0 ? -1 : stored / 256; }

    // Paints one face or item into the rectangle moved by the offset.
    void Draw(CDC* dc, const RECT& rect, int offsetX, int offsetY, UINT state, LPCTSTR text, COLORREF textColour,
              COLORREF backColour, COLORREF unused, COLORREF imageBandColour) const;

    int m_imagePlacement;
    int m_textPlacement;
    int m_imageSide;
    int m_imageMarginX, m_imageMarginY;
    int m_textMarginX, m_textMarginY;
    UINT m_imageSource;
    int m_normalImage;
    int m_disabledImage;
    int m_imageWidth, m_imageHeight;
};
