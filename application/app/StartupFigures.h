#pragma once
// What a real start and exit of the program leave for the end-to-end tests.
// They start it with a memory figure of their choosing in the variable
// KESTROVA_TEST_MEMORY_MB; then the start-up writes its figures, its lists
// and its fonts into files of the program folder, and the exit what became
// of each shared font. Without the variable nothing is written.
#include "framework/app/SharedFonts.h"

#include <array>

// The memory figure of the variable; 0 when it is not set.
DWORD GetTestMemoryMB();
void WriteStartupFigures();

struct SharedFontHandle
{
    HGDIOBJ handle;
    bool live;   // a font object of the platform
    bool stock;  // lent by the platform, never deleted
};
using SharedFontHandles = std::array<SharedFontHandle, SHARED_FONT_COUNT>;
// The shared fonts' handles as they are now, in table order.
SharedFontHandles TakeSharedFontHandles();
// Compares the fonts after their release with the handles taken before it.
void WriteReleasedFonts(const SharedFontHandles& before);
