#pragma once
// CRC-32 of the reflected polynomial 0xEDB88320, started from 0 and not
// inverted at the end (the checksum of sealed files). "123456789" gives
// 0x2DFD2D88; an empty run gives 0.
#include "afx/core/AfxCore.h"

DWORD CRC32(const void* data, DWORD length);
