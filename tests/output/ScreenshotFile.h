#pragma once
// Saves a bitmap that a test drew as build/screenshots/NAME.png.
#include "output/printing/DibImage.h"

inline CString ScreenshotPath(const char* name)
{
    CString folder = CString(KESTROVA_BINARY_DIR) + "\\screenshots";
    ::CreateDirectoryA(folder, NULL);
    return folder + "\\" + name + ".png";
}

inline bool SaveScreenshot(HBITMAP bitmap, const char* name)
{
    CDibImage image(IMAGE_PNG);
    return image.CreateFromBitmap(bitmap) && image.SaveToFile(ScreenshotPath(name), IMAGE_PNG);
}

// Saves what a window shows on the screen, after it has painted.
inline void SaveWindowScreenshot(HWND window, const char* name)
{
    ::SetForegroundWindow(window);
    ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    MSG msg;
    for (int i = 0; i < 20; i++)
    {
        while (::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(10);
    }
    RECT rect;
    ::GetWindowRect(window, &rect);
    HDC screen = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screen);
    SaveScreenshot(bitmap, name);
    ::DeleteObject(bitmap);
}

