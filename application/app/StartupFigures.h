#pragma once
// What a real start of the program leaves for the end-to-end tests.
// They start it with a memory figure of their choosing in the variable
// KESTROVA_TEST_MEMORY_MB; then the start-up writes its figures, its lists
// and its fonts into files of the program folder. Without the variable
// nothing is written.
#include "afx/app/AfxWin.h"

// The memory figure of the variable; 0 when it is not set.
DWORD GetTestMemoryMB();
void WriteStartupFigures();
