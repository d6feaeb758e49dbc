#pragma once
// Deciphering of one 8-byte block with TEA (the Tiny Encryption Algorithm),
// in its reference form: 32 cycles, delta 0x9E3779B9.
#include "afx/core/AfxCore.h"

// input and output are two words each (they may be the same); key is four.
void TeaDecipherBlock(const DWORD* input, DWORD* output, const DWORD* key);
