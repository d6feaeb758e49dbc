#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/BandedBits.h"

#include <memory>
#include <optional>
#include <vector>

// The pixels a flood fill on the DC may spread over, a bit each, as the
// platform's player decides it: inside the DC's clip region (the visible
// part of a window too), and for a fill up to a border colour not of that
// colour, for a fill of a surface of that colour. The pixels are read from
// the DC a tile of rows and columns at a time, as a fill first reaches
// them, so that a small shape on a large page reads little of it.
class CSurfacePixels
{
public:
    // Null where the DC's pixels cannot be read back as the device compares
    // them: a printer, a metafile DC, a surface of fewer than 24 bits a
    // pixel or one whose colours are not a byte each, a colour given by a
    // palette's index, a kind of fill that is neither, a DC that does not
    // tell its visible region.
    static std::unique_ptr<CSurfacePixels> Of(HDC dc, COLORREF colour, UINT kind);

    CSurfacePixels(HDC dc, DWORD pixel, bool surface, std::vector<RECT> clip);

    // The box of the clip region on the device; empty where nothing is
    // visible.
    const RECT& Bounds() const { return m_bounds; }
    static const int TileColumns = 256;

    // The bits of row y (from the top of Bounds), from the left of Bounds,
    // set where the fill may spread; those from column 'left' up to 'right'
    // read. Null where none of its band's is set.
    const uint32_t* Row(int y, int left, int right);
    // Whether a read of the DC's pixels failed, so that rows may show less
    // than the fill would spread over.
    bool Failed() const { return m_failed; }

private:
    bool Read(int band, int left, int right);
    void MarkInside(const DWORD* pixels, int top, int rows, int left, int right);

    HDC m_dc;
    DWORD m_pixel;
    bool m_surface;
    // The clip region's rectangles, in rows from the top.
    std::vector<RECT> m_clip;
    RECT m_bounds = {0, 0, 0, 0};
    CBandedBits m_inside;
    // The tiles read, a row of them for each band.
    size_t m_tiles;
    std::vector<bool> m_read;
    // A band of rows as read at 32 bits a pixel, kept for the next band.
    COwnedGdiObject<HBITMAP> m_band;
    COwnedDC m_memory;
    std::optional<CSelectedObject> m_selected;
    DWORD* m_bits = nullptr;
    bool m_failed = false;
};
