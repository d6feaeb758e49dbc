#pragma once
// Saves what a window shows on the screen as build/screenshots/NAME.png, for
// review by eye.
#include <windows.h>

#include <string>

bool SaveWindowScreenshot(HWND window, const std::string& name);
