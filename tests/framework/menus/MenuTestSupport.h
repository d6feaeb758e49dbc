#pragma once
// The menu tests' toolbars registered once, and reading pixels of what an
// item draws into a memory bitmap.
#include "framework/menus/MenuImages.h"
#include "framework/menus/MenuTestIds.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SystemColours.h"

#include <windows.h>

inline void RegisterTestMenuToolbars()
{
    LoadSystemColours();
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_A);
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_B);
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_A); // once is enough: A stays first
    SetMenuImageCommand(699, 602);
    SetMenuImageCommand(698, 697);
    SetMenuImageCommand(697, 601); // never followed from 698: one step only
}

// A screen-compatible bitmap to draw into, its pixels read back.
class CMemoryCanvas
{
public:
    CMemoryCanvas(int width, int height)
    {
        HDC screen = ::GetDC(NULL);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(NULL, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
    }
    ~CMemoryCanvas()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Count(COLORREF colour, const RECT& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) == colour;
        return count;
    }

private:
    CScreenMemoryDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};
