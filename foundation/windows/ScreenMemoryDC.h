#pragma once
// A memory device context compatible with the screen, for measuring text and
// working on bitmaps; deleted with the object.
//     CScreenMemoryDC dc;
//     CSelectedObject font(dc, guiFont);
#include "foundation/windows/OwnedHandle.h"

class CScreenMemoryDC
{
public:
    CScreenMemoryDC() : m_dc(Create()) {}

    operator HDC() const { return m_dc; }

private:
    static HDC Create()
    {
        HDC screen = ::GetDC(NULL);
        HDC dc = ::CreateCompatibleDC(screen);
        if (screen != NULL)
            ::ReleaseDC(NULL, screen);
        return dc;
    }

    COwnedDC m_dc;
};
