#pragma once
// What a control shows on the screen, read back pixel by pixel after it has
// painted, for checks of owner-drawn faces.
#include "support/TestCanvas.h"

#include <windows.h>

class CControlPixels : public CTestCanvas
{
public:
    explicit CControlPixels(HWND window) : CControlPixels(window, PaintedClientSize(window)) {}

    const int m_width, m_height;

private:
    CControlPixels(HWND window, SIZE size) : CTestCanvas(size.cx, size.cy), m_width(size.cx), m_height(size.cy)
    {
        HDC source = ::GetDC(window);
        CopyFrom(source);
        ::ReleaseDC(window, source);
    }

    // The size of the window's client area once it has painted all it has to.
    static SIZE PaintedClientSize(HWND window)
    {
        ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        RECT client;
        ::GetClientRect(window, &client);
        return SIZE{client.right, client.bottom};
    }
};
