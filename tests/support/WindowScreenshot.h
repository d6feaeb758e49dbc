#pragma once
// Saves what a window shows on the screen as build/screenshots/NAME.png, for
// review by eye.
#include <windows.h>

#include <string>

bool SaveWindowScreenshot(HWND window, const std::string& name);

// Saves top-down 32-bit pixels (blue, green, red, unused) the same way.
bool SavePixelScreenshot(const std::string& name, int width, int height, const unsigned char* bgra);
