#pragma once
// Saves a bitmap that a test drew as build/screenshots/NAME.png.
#include "output/printing/DibImage.h"
#include "support/WindowScreenshot.h"

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
