#pragma once

#include <windows.h>

// File formats store their numbers little-endian; these read them out of a
// byte buffer without caring about alignment.
inline WORD ReadLittleEndianWord(const BYTE* at)
{
    return (WORD)(at[0] | (at[1] << 8));
}

inline DWORD ReadLittleEndianDword(const BYTE* at)
{
    return (DWORD)at[0] | ((DWORD)at[1] << 8) | ((DWORD)at[2] << 16) | ((DWORD)at[3] << 24);
}
