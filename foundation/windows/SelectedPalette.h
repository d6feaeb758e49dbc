#pragma once
// Selects a logical palette into a device context for the life of the guard,
// and selects back the palette that was there before, on every way out.
// Palettes are selected apart from other objects, with a flag that says
// whether the palette is chosen for the background:
//     CSelectedPalette selected(dc, palette, !foreground);
//     ::RealizePalette(dc);
// A guard made with a null palette or device context selects nothing.
#include <windows.h>

class CSelectedPalette
{
public:
    // The palette that was there before is selected back in the background
    // unless restoreInBackground says otherwise.
    CSelectedPalette(HDC dc, HPALETTE palette, BOOL background, BOOL restoreInBackground = TRUE)
        : m_dc(dc), m_previous(dc != NULL && palette != NULL ? ::SelectPalette(dc, palette, background) : NULL),
          m_restoreInBackground(restoreInBackground)
    {
    }
    ~CSelectedPalette()
    {
        if (m_previous != NULL)
            ::SelectPalette(m_dc, m_previous, m_restoreInBackground);
    }

    // The palette the device context held before; null when nothing was selected.
    HPALETTE Previous() const { return m_previous; }

private:
    CSelectedPalette(const CSelectedPalette&) = delete;
    CSelectedPalette& operator=(const CSelectedPalette&) = delete;

    HDC m_dc;
    HPALETTE m_previous;
    BOOL m_restoreInBackground;
};
