#include "foundation/files/SealedFile.h"
#include "foundation/files/ByteBuffer.h"
#include "foundation/files/Crc32.h"
#include "foundation/files/LittleEndian.h"
#include "foundation/files/TeaCipher.h"

#include <cstdlib>
#include <cstring>
#include <zlib.h>

namespace
{
// A plain length that no stream of this packed length can produce is refused
// before anything is allocated for it.
bool IsPlausiblePlainLength(DWORD plainLength, DWORD packedLength)
{
    if (plainLength > SealedMaxPlainLength)
        return false;
    unsigned long long reachable = (unsigned long long)packedLength * SealedMaxExpansion + 64;
    return plainLength <= reachable;
}

// Deciphers the first packedLength bytes of the body into the work block.
void DecipherBody(const BYTE* body, DWORD packedLength, DWORD keyWord, BYTE* work)
{
    DWORD key[4] = {SealKeyConstant0, SealKeyConstant1, SealKeyConstant2, keyWord};
    DWORD position = 0;
    DWORD remaining = packedLength;
    while (remaining != 0)
    {
        DWORD block[2] = {ReadLittleEndianDword(body + position), ReadLittleEndianDword(body + position + 4)};
        DWORD plain[2];
        TeaDecipherBlock(block, plain, key);
        key[0] ^= plain[0];
        BYTE bytes[SealedBlockSize];
        for (int i = 0; i < 4; ++i)
        {
            bytes[i] = (BYTE)(plain[0] >> (8 * i));
            bytes[4 + i] = (BYTE)(plain[1] >> (8 * i));
        }
        DWORD count = remaining < (DWORD)SealedBlockSize ? remaining : (DWORD)SealedBlockSize;
        memcpy(work + position, bytes, count);
        position += count;
        remaining -= count;
    }
}
}

BOOL CByteBuffer::LoadSealedFile(const char* path, DWORD keyWord)
{
    CByteBuffer file;
    if (!file.LoadFile(path))
        return FALSE;

    DWORD fileLength = file.GetLength();
    if (fileLength < SealedHeaderSize || (fileLength - SealedHeaderSize) % SealedBlockSize != 0)
        return FALSE;

    BYTE* bytes = file.GetData();
    DWORD storedChecksum = ReadLittleEndianDword(bytes + 8);
    memset(bytes + 8, 0, 4);
    if (CRC32(bytes, fileLength) != storedChecksum)
        return FALSE;

    DWORD packedLength = ReadLittleEndianDword(bytes);
    if (packedLength > fileLength - SealedHeaderSize)
        return FALSE;
    DWORD plainLength = ReadLittleEndianDword(bytes + 4);
    if (!IsPlausiblePlainLength(plainLength, packedLength))
        return FALSE;

    BYTE* work = (BYTE*)malloc(packedLength != 0 ? packedLength : 1);
    if (work == nullptr)
        return FALSE;
    DecipherBody(bytes + SealedHeaderSize, packedLength, keyWord, work);

    try
    {
        SetSize(plainLength);
    }
    catch (...)
    {
        free(work);
        throw;
    }
    uLongf destinationLength = plainLength;
    int status = uncompress(m_pData, &destinationLength, work, packedLength);
    free(work);
    return status == Z_OK && destinationLength == plainLength;
}
