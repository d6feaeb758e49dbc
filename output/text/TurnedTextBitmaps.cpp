#include "output/text/TurnedTextBitmaps.h"

#include <cstring>

namespace
{
int RowBytes(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

// The background of each kind: black under the mask, white under the colour.
const DWORD MaskBackground = BLACKNESS;
const DWORD ColourBackground = WHITENESS;
} // namespace

BOOL CTurnedTextBitmaps::Surface::Create(int width, int height, int bitCount, BOOL setBlack)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info;
    std::memset(&info, 0, sizeof(info));
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = width;
    info.header.biHeight = -height; // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = (WORD)bitCount;
    info.header.biCompression = BI_RGB;
    RGBQUAD& white = info.colours[setBlack ? 0 : 1];
    white.rgbRed = white.rgbGreen = white.rgbBlue = 255;
    Release();
    void* pixels = NULL;
    bitmap.Reset(::CreateDIBSection(NULL, (BITMAPINFO*)&info, DIB_RGB_COLORS, &pixels, NULL, 0));
    if (!bitmap)
        return FALSE;
    bits = (BYTE*)pixels;
    dc.Reset(::CreateCompatibleDC(NULL));
    if (!dc)
        return FALSE;
    selected.emplace(dc.Get(), bitmap.Get());
    return TRUE;
}

void CTurnedTextBitmaps::Surface::Release()
{
    selected.reset();
    dc.Reset();
    bitmap.Reset();
    bits = NULL;
}

CTurnedTextBitmaps::CTurnedTextBitmaps() : m_width(0), m_height(0)
{
}

BOOL CTurnedTextBitmaps::Create(int width, int height)
{
    m_mask.Release();
    m_colour.Release();
    m_width = width;
    m_height = height;
    if (width < 1 || height < 1 || !m_mask.Create(width, height, 1, FALSE) ||
        !m_colour.Create(width, height, 32, FALSE))
        return FALSE;
    ::PatBlt(m_mask.dc, 0, 0, width, height, MaskBackground);
    ::PatBlt(m_colour.dc, 0, 0, width, height, ColourBackground);
    return TRUE;
}

void CTurnedTextBitmaps::Turn(Surface& mask, Surface& colour) const
{
    const int fromMaskRow = RowBytes(m_width, 1), toMaskRow = RowBytes(m_height, 1);
    const DWORD* from = (const DWORD*)m_colour.bits;
    DWORD* to = (DWORD*)colour.bits;
    std::memset(mask.bits, 0, (size_t)toMaskRow * m_width);
    for (int y = 0; y < m_height; ++y)
    {
        const BYTE* maskRow = m_mask.bits + (size_t)y * fromMaskRow;
        for (int x = 0; x < m_width; ++x)
        {
            // The left edge goes to the bottom, the top edge to the left.
            const int tx = y, ty = m_width - 1 - x;
            const bool text = (maskRow[x / 8] & (0x80 >> (x % 8))) != 0;
            if (text)
                mask.bits[(size_t)ty * toMaskRow + tx / 8] |= (BYTE)(0x80 >> (tx % 8));
            to[(size_t)ty * m_height + tx] = text ? from[(size_t)y * m_width + x] : 0;
        }
    }
}

BOOL CTurnedTextBitmaps::CopyTurned(HDC dest, int left, int top)
{
    if (!m_mask.bitmap || !m_colour.bitmap)
        return FALSE;
    // The turn is made on the bits: the platform's parallelogram blit does
    // not turn bitmaps on every system, and a quarter turn needs no more.
    // The turned mask is black on white and the turned colour black outside
    // the text, so that clearing the text's pixels and adding the colour
    // copies exactly the text through the mask.
    Surface mask, colour;
    BOOL done = mask.Create(m_height, m_width, 1, TRUE) && colour.Create(m_height, m_width, 32, FALSE);
    if (done)
    {
        ::GdiFlush();
        Turn(mask, colour);
        COLORREF oldText = ::SetTextColor(dest, RGB(255, 255, 255));
        COLORREF oldBack = ::SetBkColor(dest, RGB(0, 0, 0));
        done = ::BitBlt(dest, left, top, m_height, m_width, mask.dc, 0, 0, SRCAND) &&
               ::BitBlt(dest, left, top, m_height, m_width, colour.dc, 0, 0, SRCPAINT);
        ::SetBkColor(dest, oldBack);
        ::SetTextColor(dest, oldText);
    }
    return done;
}
