#pragma once
// What a real start and exit of the program leave for the end-to-end tests.
// They start it with a memory figure of their choosing in the variable
// KESTROVA_TEST_MEMORY_MB; then the start-up writes its figures, its lists
// and its fonts into files of the program folder, and the exit what became
// of each shared font. Without the variable nothing is written.
#include "afx/app/AfxWin.h"

// The memory figure of the variable; 0 when it is not set.
DWORD GetTestMemoryMB();
void WriteStartupFigures();

// Releases the shared fonts; with the variable set, writes what the release
// did to each of them, as the program's calls of DeleteObject show it.
void ReleaseSharedFonts();
