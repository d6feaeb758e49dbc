#include "foundation/files/Crc32.h"

#include <zlib.h>

// zlib inverts its start value and its result; handing it an all-ones start
// makes it run from 0, and inverting its answer undoes the final inversion.
DWORD CRC32(const void* data, DWORD length)
{
    if (length == 0)
        return 0;
    return ~(DWORD)crc32(0xFFFFFFFFUL, (const Bytef*)data, (uInt)length);
}
