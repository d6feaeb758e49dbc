#include "foundation/files/TeaCipher.h"

void TeaDecipherBlock(const DWORD* input, DWORD* output, const DWORD* key)
{
    const DWORD delta = 0x9E3779B9;
    DWORD y = input[0];
    DWORD z = input[1];
    DWORD sum = 0xC6EF3720;
    const DWORD k0 = key[0], k1 = key[1], k2 = key[2], k3 = key[3];
    for (int cycle = 0; cycle < 32; ++cycle)
    {
        z -= ((y << 4) + k2) ^ (y + sum) ^ ((y >> 5) + k3);
        y -= ((z << 4) + k0) ^ (z + sum) ^ ((z >> 5) + k1);
        sum -= delta;
    }
    output[0] = y;
    output[1] = z;
}
