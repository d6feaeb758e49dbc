#include "output/pictures/SurfacePixels.h"

#include "foundation/windows/SavedDCState.h"

#include <algorithm>

namespace
{
// GetRandomRgn's code for the clip region and the meta region together.
const int ApiRegion = 3;

// Whether pixels read back at 32 bits hold the colours as the device holds
// them: surfaces of 24 or 32 bits a pixel, a byte each of red, green and blue.
bool HoldsColoursExactly(HDC dc)
{
    switch (::GetObjectType(dc))
    {
    case OBJ_MEMDC: {
        DIBSECTION dib = {};
        const int bytes = ::GetObject(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(dib), &dib);
        if (bytes == sizeof(DIBSECTION) && dib.dsBmih.biCompression == BI_BITFIELDS)
            return dib.dsBmih.biBitCount == 32 && dib.dsBitfields[0] == 0xff0000 && dib.dsBitfields[1] == 0xff00 &&
                   dib.dsBitfields[2] == 0xff;
        return bytes >= (int)sizeof(BITMAP) && (dib.dsBm.bmBitsPixel == 24 || dib.dsBm.bmBitsPixel == 32);
    }
    case OBJ_DC: {
        const int bits = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
        return ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY && (bits == 24 || bits == 32);
    }
    default:
        return false;
    }
}

// The colour as a pixel read back at 32 bits; none for a palette's index.
std::optional<DWORD> PixelOf(COLORREF colour)
{
    const DWORD flags = colour >> 24;
    if (flags != 0 && flags != 2)
        return std::nullopt;
    return (DWORD)GetRValue(colour) << 16 | (DWORD)GetGValue(colour) << 8 | GetBValue(colour);
}

// The rectangles of the region the player clips to on the device: what is
// visible of the DC's surface, within its clip and meta regions; none where
// the DC does not tell.
std::optional<std::vector<RECT>> ClipRectangles(HDC dc)
{
    const COwnedGdiObject<HRGN> visible(::CreateRectRgn(0, 0, 0, 0)), clip(::CreateRectRgn(0, 0, 0, 0));
    POINT origin = {0, 0};
    if (!visible || !clip || ::GetRandomRgn(dc, visible, SYSRGN) != 1 || !::GetDCOrgEx(dc, &origin))
        return std::nullopt;
    // The visible region comes in screen coordinates.
    ::OffsetRgn(visible, -origin.x, -origin.y);
    if (::GetRandomRgn(dc, clip, ApiRegion) == 1)
        ::CombineRgn(visible, visible, clip, RGN_AND);
    const DWORD bytes = ::GetRegionData(visible, 0, NULL);
    std::vector<BYTE> data(bytes);
    if (bytes < sizeof(RGNDATAHEADER) || ::GetRegionData(visible, bytes, (RGNDATA*)data.data()) != bytes)
        return std::nullopt;
    const RGNDATA& region = *(const RGNDATA*)data.data();
    const RECT* rects = (const RECT*)region.Buffer;
    return std::vector<RECT>(rects, rects + region.rdh.nCount);
}

RECT BoundsOf(const std::vector<RECT>& clip)
{
    RECT bounds = {0, 0, 0, 0};
    for (const RECT& rect : clip)
        ::UnionRect(&bounds, &bounds, &rect);
    return bounds;
}
} // namespace

std::unique_ptr<CSurfacePixels> CSurfacePixels::Of(HDC dc, COLORREF colour, UINT kind)
{
    const std::optional<DWORD> pixel = PixelOf(colour);
    if (!pixel || (kind != FLOODFILLBORDER && kind != FLOODFILLSURFACE) || !HoldsColoursExactly(dc))
        return nullptr;
    std::optional<std::vector<RECT>> clip = ClipRectangles(dc);
    if (!clip)
        return nullptr;
    return std::make_unique<CSurfacePixels>(dc, *pixel, kind == FLOODFILLSURFACE, std::move(*clip));
}

CSurfacePixels::CSurfacePixels(HDC dc, DWORD pixel, bool surface, std::vector<RECT> clip)
    : m_dc(dc), m_pixel(pixel), m_surface(surface), m_clip(std::move(clip)), m_bounds(BoundsOf(m_clip)),
      m_inside(m_bounds.right - m_bounds.left, m_bounds.bottom - m_bounds.top),
      m_tiles(((size_t)(m_bounds.right - m_bounds.left) + TileColumns - 1) / TileColumns),
      m_read(m_tiles * (((size_t)(m_bounds.bottom - m_bounds.top) + CBandedBits::BandRows - 1) / CBandedBits::BandRows))
{
}

const uint32_t* CSurfacePixels::Row(int y, int left, int right)
{
    const int band = y / CBandedBits::BandRows;
    int first = left / TileColumns, end = (right - 1) / TileColumns;
    while (first <= end && m_read[band * m_tiles + first])
        ++first;
    while (end >= first && m_read[band * m_tiles + end])
        --end;
    if (first <= end &&
        !Read(band, first * TileColumns, std::min((end + 1) * TileColumns, (int)(m_bounds.right - m_bounds.left))))
        m_failed = true;
    return m_inside.Row(y);
}

// Reads the band's columns from 'left' up to 'right' (from the left of the
// bounds) in device units, whatever mapping the metafile has set; false
// where the DC could not be read.
bool CSurfacePixels::Read(int band, int left, int right)
{
    const int top = band * CBandedBits::BandRows;
    const int width = m_bounds.right - m_bounds.left;
    const int rows = std::min(CBandedBits::BandRows, (int)(m_bounds.bottom - m_bounds.top) - top);
    for (int tile = left / TileColumns; tile * TileColumns < right; ++tile)
        m_read[band * m_tiles + tile] = true;
    if (!m_band)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(info.bmiHeader), width, -CBandedBits::BandRows, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        m_band.Reset(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, (void**)&m_bits, NULL, 0));
        m_memory.Reset(::CreateCompatibleDC(m_dc));
        if (!m_band || !m_memory)
            return false;
        m_selected.emplace(m_memory, m_band);
    }
    {
        const CSavedDCState saved(m_dc);
        ::SetLayout(m_dc, 0);
        ::SetGraphicsMode(m_dc, GM_ADVANCED);
        ::ModifyWorldTransform(m_dc, NULL, MWT_IDENTITY);
        ::SetMapMode(m_dc, MM_TEXT);
        ::SetWindowOrgEx(m_dc, 0, 0, NULL);
        ::SetViewportOrgEx(m_dc, 0, 0, NULL);
        if (!::BitBlt(m_memory, left, 0, right - left, rows, m_dc, m_bounds.left + left, m_bounds.top + top, SRCCOPY))
            return false;
    }
    ::GdiFlush();
    MarkInside(m_bits, top, rows, left, right);
    return true;
}

// Sets the bits of the band's pixels inside the clip region that the fill
// may spread to.
void CSurfacePixels::MarkInside(const DWORD* pixels, int top, int rows, int left, int right)
{
    const int width = m_bounds.right - m_bounds.left;
    const int deviceTop = m_bounds.top + top, deviceBottom = deviceTop + rows;
    // The region's rectangles run down in bands: skip those above.
    auto rect = std::lower_bound(m_clip.begin(), m_clip.end(), deviceTop, [](const RECT& r, int row) {
        return r.bottom <= row;
    });
    for (; rect != m_clip.end() && rect->top < deviceBottom; ++rect)
        for (int y = std::max((int)rect->top, deviceTop); y < std::min((int)rect->bottom, deviceBottom); ++y)
        {
            const DWORD* row = pixels + (size_t)(y - deviceTop) * width;
            uint32_t* inside = m_inside.MadeRow(y - m_bounds.top);
            const int from = std::max((int)rect->left - (int)m_bounds.left, left);
            for (int x = from; x < std::min((int)rect->right - (int)m_bounds.left, right); ++x)
                inside[x / 32] |= (uint32_t)((row[x] == m_pixel) == m_surface) << (x % 32);
        }
}
