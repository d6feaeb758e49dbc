#pragma once
// Searches of arrays of 32-bit values.
#include "afx/core/AfxCore.h"

// Index of the first element equal to value, -1 when none.
int FindDWord(const DWORD* values, int count, DWORD value);
int FindInDWordArray(const CDWordArray& values, DWORD value);
