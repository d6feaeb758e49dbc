#pragma once
// The tests' drawing surface: a memory device context with a bitmap selected
// into it, read back pixel by pixel. The bitmap is compatible with the screen
// (or with a given device context), or a 32-bit DIB section whose pixels lie
// in memory. The selection is undone and both are freed on every way out.
//     CTestCanvas canvas(40, 20);
//     DrawSomething(canvas.Dc());
//     EXPECT_EQ(canvas.At(3, 4), RGB(255, 0, 0));
// CTestSelection selects a pen, brush, font or bitmap into any device context
// for a scope, and CTestGdiObject deletes one that a test made; they serve
// the tests that stand below the program's own guards.
// The canvas stands on the platform alone, so that every test program and
// the screenshots can use it.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <utility>

class CTestSelection
{
public:
    CTestSelection(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(dc != NULL && object != NULL ? ::SelectObject(dc, object) : NULL)
    {
    }
    ~CTestSelection()
    {
        if (m_previous != NULL && m_previous != HGDI_ERROR)
            ::SelectObject(m_dc, m_previous);
    }
    CTestSelection(const CTestSelection&) = delete;
    CTestSelection& operator=(const CTestSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

class CTestGdiObject
{
public:
    explicit CTestGdiObject(HGDIOBJ object = NULL) : m_object(object) {}
    ~CTestGdiObject() { Reset(); }
    CTestGdiObject(const CTestGdiObject&) = delete;
    CTestGdiObject& operator=(const CTestGdiObject&) = delete;

    HGDIOBJ Get() const { return m_object; }
    void Reset(HGDIOBJ object = NULL)
    {
        if (m_object != NULL)
            ::DeleteObject(m_object);
        m_object = object;
    }

private:
    HGDIOBJ m_object;
};

class CTestCanvas
{
public:
    enum Kind
    {
        Compatible, // like the screen, or like the given device context
        Dib32,      // a top-down 32-bit DIB section: Bits() holds its pixels
    };

    CTestCanvas(int width, int height, Kind kind = Compatible, HDC like = NULL) : m_width(width), m_height(height)
    {
        HDC screen = like != NULL ? like : ::GetDC(NULL);
        m_dc = ::CreateCompatibleDC(screen);
        if (kind == Dib32)
        {
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(info.bmiHeader);
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            m_bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &m_bits, NULL, 0);
        }
        else
        {
            m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        }
        if (like == NULL)
            ::ReleaseDC(NULL, screen);
        m_old = m_dc != NULL && m_bitmap != NULL ? ::SelectObject(m_dc, m_bitmap) : NULL;
    }
    ~CTestCanvas()
    {
        Unselect();
        if (m_bitmap != NULL)
            ::DeleteObject(m_bitmap);
        if (m_dc != NULL)
            ::DeleteDC(m_dc);
    }
    CTestCanvas(const CTestCanvas&) = delete;
    CTestCanvas& operator=(const CTestCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixels of a DIB canvas (blue, green, red, unused), rows from the top.
    const unsigned char* Bits() const
    {
        ::GdiFlush();
        return (const unsigned char*)m_bits;
    }

    // Hands the bitmap over, no longer selected (the platform reads a bitmap's
    // bits only then); the caller frees it.
    HBITMAP TakeBitmap()
    {
        Unselect();
        return std::exchange(m_bitmap, (HBITMAP)NULL);
    }
    // The bitmap taken out of the device context for reading, and put back.
    HBITMAP DeselectBitmap()
    {
        Unselect();
        return m_bitmap;
    }
    void SelectBitmap()
    {
        if (m_old == NULL && m_bitmap != NULL)
            m_old = ::SelectObject(m_dc, m_bitmap);
    }

    void Fill(COLORREF colour)
    {
        CTestGdiObject brush(::CreateSolidBrush(colour));
        RECT all = {0, 0, m_width, m_height};
        ::FillRect(m_dc, &all, (HBRUSH)brush.Get());
    }
    // Copies what the device context shows from (x, y) on.
    void CopyFrom(HDC source, int x = 0, int y = 0)
    {
        ::BitBlt(m_dc, 0, 0, m_width, m_height, source, x, y, SRCCOPY);
    }

    COLORREF At(int x, int y) const
    {
        if (m_bits == NULL)
            return ::GetPixel(m_dc, x, y);
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        const unsigned char* pixel = Bits() + 4 * ((size_t)y * m_width + x);
        return RGB(pixel[2], pixel[1], pixel[0]);
    }
    // Number of pixels of the colour inside the rectangle (the whole canvas
    // when none is given).
    int Count(COLORREF colour) const { return Count(colour, {0, 0, m_width, m_height}); }
    int Count(COLORREF colour, const RECT& area) const
    {
        int count = 0;
        ForEach(area, [&](int, int, COLORREF c) { count += c == colour; });
        return count;
    }
    // Bounding box of the pixels of the colour (empty when none).
    RECT Bounds(COLORREF colour) const { return Bounds(colour, {0, 0, m_width, m_height}); }
    RECT Bounds(COLORREF colour, const RECT& area) const
    {
        RECT box = {m_width, m_height, 0, 0};
        ForEach(area, [&](int x, int y, COLORREF c) {
            if (c != colour)
                return;
            box.left = std::min(box.left, (LONG)x);
            box.top = std::min(box.top, (LONG)y);
            box.right = std::max(box.right, (LONG)x + 1);
            box.bottom = std::max(box.bottom, (LONG)y + 1);
        });
        if (box.right == 0)
            box = {0, 0, 0, 0};
        return box;
    }
    void ForEach(const RECT& area, const std::function<void(int, int, COLORREF)>& visit) const
    {
        for (LONG y = std::max(0L, area.top); y < std::min((LONG)m_height, area.bottom); y++)
            for (LONG x = std::max(0L, area.left); x < std::min((LONG)m_width, area.right); x++)
                visit(x, y, At(x, y));
    }

private:
    void Unselect()
    {
        if (m_old != NULL && m_old != HGDI_ERROR)
            ::SelectObject(m_dc, m_old);
        m_old = NULL;
    }

    int m_width, m_height;
    HDC m_dc = NULL;
    HBITMAP m_bitmap = NULL;
    HGDIOBJ m_old = NULL;
    void* m_bits = NULL;
};
