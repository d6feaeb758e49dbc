#pragma once
// A memory device context compatible with the screen, for measuring text and
// working on bitmaps; deleted with the object.
//     CScreenMemoryDC dc;
//     CSelectedObject font(dc, guiFont);
#include <windows.h>

class CScreenMemoryDC
{
public:
    CScreenMemoryDC()
    {
        HDC screen = ::GetDC(NULL);
        m_dc = ::CreateCompatibleDC(screen);
        if (screen != NULL)
            ::ReleaseDC(NULL, screen);
    }
    ~CScreenMemoryDC()
    {
        if (m_dc != NULL)
            ::DeleteDC(m_dc);
    }

    operator HDC() const { return m_dc; }

private:
    CScreenMemoryDC(const CScreenMemoryDC&) = delete;
    CScreenMemoryDC& operator=(const CScreenMemoryDC&) = delete;

    HDC m_dc;
};
