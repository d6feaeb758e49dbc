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
// The text where the mask is set; the destination kept elsewhere.
const DWORD CopyThroughMask = MAKEROP4(SRCCOPY, 0x00AA0029);
} // namespace

BOOL CTurnedTextBitmaps::Surface::Create(int width, int height, int bitCount, BOOL withDC)
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
    info.colours[1].rgbRed = info.colours[1].rgbGreen = info.colours[1].rgbBlue = 255;
    void* pixels = NULL;
    bitmap = ::CreateDIBSection(NULL, (BITMAPINFO*)&info, DIB_RGB_COLORS, &pixels, NULL, 0);
    if (bitmap == NULL)
        return FALSE;
    bits = (BYTE*)pixels;
    if (!withDC)
        return TRUE;
    dc = ::CreateCompatibleDC(NULL);
    if (dc == NULL)
        return FALSE;
    previous = ::SelectObject(dc, bitmap);
    return TRUE;
}

void CTurnedTextBitmaps::Surface::Release()
{
    if (dc != NULL)
    {
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
    }
    if (bitmap != NULL)
        ::DeleteObject(bitmap);
    dc = NULL;
    bitmap = NULL;
    bits = NULL;
}

CTurnedTextBitmaps::CTurnedTextBitmaps() : m_width(0), m_height(0)
{
}

CTurnedTextBitmaps::~CTurnedTextBitmaps()
{
    m_mask.Release();
    m_colour.Release();
}

BOOL CTurnedTextBitmaps::Create(int width, int height)
{
    m_mask.Release();
    m_colour.Release();
    m_width = width;
    m_height = height;
    if (width < 1 || height < 1 || !m_mask.Create(width, height, 1, TRUE) ||
        !m_colour.Create(width, height, 32, TRUE))
        return FALSE;
    ::PatBlt(m_mask.dc, 0, 0, width, height, MaskBackground);
    ::PatBlt(m_colour.dc, 0, 0, width, height, ColourBackground);
    return TRUE;
}

void CTurnedTextBitmaps::Turn(const Surface& from, Surface& to, int width, int height, int bitCount)
{
    const int fromRow = RowBytes(width, bitCount);
    const int toRow = RowBytes(height, bitCount);
    if (bitCount == 1)
        std::memset(to.bits, 0, (size_t)toRow * width);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            // The left edge goes to the bottom, the top edge to the left.
            const int tx = y;
            const int ty = width - 1 - x;
            if (bitCount == 32)
                std::memcpy(to.bits + (size_t)ty * toRow + 4 * tx, from.bits + (size_t)y * fromRow + 4 * x, 4);
            else if (from.bits[(size_t)y * fromRow + x / 8] & (0x80 >> (x % 8)))
                to.bits[(size_t)ty * toRow + tx / 8] |= (BYTE)(0x80 >> (tx % 8));
        }
}

BOOL CTurnedTextBitmaps::CopyTurned(HDC dest, int left, int top)
{
    if (m_mask.bitmap == NULL || m_colour.bitmap == NULL)
        return FALSE;
    // The turn is made on the bits: the platform's parallelogram blit does
    // not turn bitmaps on every system, and a quarter turn needs no more.
    Surface mask, colour;
    BOOL done = mask.Create(m_height, m_width, 1, FALSE) && colour.Create(m_height, m_width, 32, TRUE);
    if (done)
    {
        ::GdiFlush();
        Turn(m_mask, mask, m_width, m_height, 1);
        Turn(m_colour, colour, m_width, m_height, 32);
        done = ::MaskBlt(dest, left, top, m_height, m_width, colour.dc, 0, 0, mask.bitmap, 0, 0, CopyThroughMask);
    }
    mask.Release();
    colour.Release();
    return done;
}
