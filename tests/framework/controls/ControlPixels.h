#pragma once
// What a control shows on the screen, read back pixel by pixel after it has
// painted, for checks of owner-drawn faces.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

class CControlPixels
{
public:
    explicit CControlPixels(HWND window)
    {
        ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        RECT client;
        ::GetClientRect(window, &client);
        m_width = client.right;
        m_height = client.bottom;
        HDC source = ::GetDC(window);
        HDC memory = ::CreateCompatibleDC(source);
        HBITMAP bitmap = ::CreateCompatibleBitmap(source, m_width, m_height);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
        m_pixels.resize((size_t)m_width * m_height);
        for (int y = 0; y < m_height; y++)
            for (int x = 0; x < m_width; x++)
                m_pixels[(size_t)y * m_width + x] = ::GetPixel(memory, x, y);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(window, source);
    }

    COLORREF At(int x, int y) const { return m_pixels[(size_t)y * m_width + x]; }

    // Number of pixels of the colour inside the rectangle.
    int Count(COLORREF colour, RECT r) const
    {
        int count = 0;
        ForEach(r, [&](int, int, COLORREF c) { count += c == colour; });
        return count;
    }
    int Count(COLORREF colour) const { return Count(colour, {0, 0, m_width, m_height}); }

    // Bounding box of the pixels of the colour (empty when none).
    RECT Bounds(COLORREF colour) const { return Bounds(colour, {0, 0, m_width, m_height}); }
    RECT Bounds(COLORREF colour, RECT r) const
    {
        RECT box = {m_width, m_height, 0, 0};
        ForEach(r, [&](int x, int y, COLORREF c) {
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

    int m_width = 0, m_height = 0;

private:
    void ForEach(RECT r, const std::function<void(int, int, COLORREF)>& visit) const
    {
        for (LONG y = std::max(0L, r.top); y < std::min((LONG)m_height, r.bottom); y++)
            for (LONG x = std::max(0L, r.left); x < std::min((LONG)m_width, r.right); x++)
                visit(x, y, At(x, y));
    }
    std::vector<COLORREF> m_pixels;
};
