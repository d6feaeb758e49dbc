#pragma once
// Text that is to stand at 90 degrees is drawn upright into two bitmaps of
// its own size, a one-bit mask (white text on black) and a colour bitmap
// (the text in its colour on white), and then copied turned onto the
// destination through the mask: the bitmaps' left edge comes to the bottom,
// so the text reads from bottom to top.
#include <optional>

#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

class CTurnedTextBitmaps
{
public:
    CTurnedTextBitmaps();
    CTurnedTextBitmaps(const CTurnedTextBitmaps&) = delete;
    CTurnedTextBitmaps& operator=(const CTurnedTextBitmaps&) = delete;

    // Makes both bitmaps (mask black, colour white), each selected into a
    // memory DC of its own; FALSE when they cannot be made.
    BOOL Create(int width, int height);
    HDC GetMaskDC() const { return m_mask.dc; }
    HDC GetColourDC() const { return m_colour.dc; }
    // Copies the colour bitmap's text onto 'dest' with the turned box's
    // top-left corner at (left, top); the turned box is 'height' wide and
    // 'width' tall. Pixels outside the mask's text stay as they were.
    BOOL CopyTurned(HDC dest, int left, int top);

private:
    struct Surface
    {
        // In this order: the bitmap is selected out of the DC, then the DC
        // and the bitmap are deleted.
        COwnedGdiObject<HBITMAP> bitmap;
        COwnedDC dc;
        std::optional<CSelectedObject> selected;
        BYTE* bits = NULL;
        // The bitmap top row first, with a memory DC that holds it; a
        // one-bit bitmap shows its set bits black or white.
        BOOL Create(int width, int height, int bitCount, BOOL setBlack);
        void Release();
    };
    // Turns both bitmaps into 'mask' and 'colour' (height x width), the
    // colour black where the mask has no text.
    void Turn(Surface& mask, Surface& colour) const;

    int m_width;
    int m_height;
    Surface m_mask;
    Surface m_colour;
};
