#include "TestSealer.h"

#include "foundation/files/Crc32.h"
#include "foundation/files/SealedFile.h"

#include <string.h>
#include <vector>
#include <zlib.h>

static void TeaEncipher(DWORD& y, DWORD& z, const DWORD* key)
{
    const DWORD delta = 0x9E3779B9;
    DWORD total = 0;
    for (int i = 0; i < 32; i++)
    {
        total += delta;
        y += ((z << 4) + key[0]) ^ (z + total) ^ ((z >> 5) + key[1]);
        z += ((y << 4) + key[2]) ^ (y + total) ^ ((y >> 5) + key[3]);
    }
}

std::string SealConfigurationText(const std::string& plain)
{
    uLongf packedLength = compressBound((uLong)plain.size());
    std::vector<unsigned char> packed(packedLength + 8);
    compress2(packed.data(), &packedLength, (const Bytef*)plain.data(), (uLong)plain.size(), 9);
    const size_t bodyLength = (packedLength + 7) / 8 * 8;
    std::fill(packed.begin() + packedLength, packed.end(), 0);

    std::string image(12 + bodyLength, '\0');
    DWORD key[4] = {SealKeyConstant0, SealKeyConstant1, SealKeyConstant2, SealKeyGeneticsConfiguration};
    for (size_t offset = 0; offset < bodyLength; offset += 8)
    {
        DWORD words[2];
        memcpy(words, packed.data() + offset, 8);
        const DWORD first = words[0];
        TeaEncipher(words[0], words[1], key);
        memcpy(&image[12 + offset], words, 8);
        key[0] ^= first;
    }
    const DWORD header[3] = {(DWORD)packedLength, (DWORD)plain.size(), 0};
    memcpy(&image[0], header, 12);
    const DWORD crc = CRC32(image.data(), (DWORD)image.size());
    memcpy(&image[8], &crc, 4);
    return image;
}
