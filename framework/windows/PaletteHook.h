#pragma once

#include "framework/windows/WndHook.h"

// Keeps a window's palette realised: when the window gets the focus or may
// choose the palette, and when another window changed the system palette.
// A window without a palette of its own asks its partner window and its
// children to realise theirs.
class CPaletteHook : public CWndHook
{
    DECLARE_DYNAMIC(CPaletteHook)

public:
    CPaletteHook() : palette(NULL), partner(NULL) {}
    ~CPaletteHook() override { HookWindow((HWND)NULL); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Realises the palette in a device context of the hooked window (in the
    // background unless foreground is set) and repaints the window when an
    // entry changed; the number of changed entries, -1 without a palette.
    virtual int RealizePalette(BOOL foreground);
    virtual void OnPaletteChanged(HWND changedBy);
    virtual BOOL OnQueryNewPalette();
    virtual void OnSetFocus(HWND losingFocus);

    CPalette* palette;   // not owned; null for none
    HWND partner;        // asked to realise its palette when this window has none
};
