// Damaged sealed files: whatever happens to the bytes of a sealed file, the
// reader either refuses it without raising anything or gives back exactly the
// original contents, and never allocates more than the damaged file could
// decompress to.
#include "foundation/files/ByteBuffer.h"
#include "foundation/files/Crc32.h"
#include "foundation/files/SealedFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include <zlib.h>

namespace
{
typedef std::vector<unsigned char> Bytes;

struct CSealedSample
{
    const char* m_path;  // below the source folder
    DWORD m_keyWord;
};

const CSealedSample Samples[] = {
    {"/tests/data/foundation/sealed/sample.gen", SealKeyGeneticsConfiguration},
    {"/tests/data/foundation/sealed/sample.vqf", SealKeyVectorPicture},
    {"/tests/data/foundation/sealed/empty.gen", SealKeyGeneticsConfiguration},
    {"/tests/data/genetics/load/valid/Genetics.Gen", SealKeyGeneticsConfiguration},
};

const std::string ScratchPath = KESTROVA_BINARY_DIR "/sealed_fuzz.tmp";

Bytes ReadFileBytes(const std::string& path)
{
    Bytes bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    unsigned char chunk[4096];
    size_t count;
    while ((count = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + count);
    fclose(file);
    return bytes;
}

DWORD GetWord(const Bytes& bytes, size_t offset)
{
    DWORD value = 0;
    for (int i = 0; i < 4; ++i)
        value |= (DWORD)bytes[offset + i] << (8 * i);
    return value;
}

void SetWord(Bytes& bytes, size_t offset, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = (unsigned char)(value >> (8 * i));
}

// Gives a damaged file a correct checksum, so that the damage reaches the
// checks behind it.
void FixChecksum(Bytes& bytes)
{
    if (bytes.size() < SealedHeaderSize)
        return;
    SetWord(bytes, 8, 0);
    SetWord(bytes, 8, CRC32(bytes.data(), (DWORD)bytes.size()));
}

void Encipher(DWORD& y, DWORD& z, const DWORD* key)
{
    DWORD total = 0;
    for (int i = 0; i < 32; i++)
    {
        total += 0x9E3779B9;
        y += ((z << 4) + key[0]) ^ (z + total) ^ ((z >> 5) + key[1]);
        z += ((y << 4) + key[2]) ^ (y + total) ^ ((y >> 5) + key[3]);
    }
}

// A sealed file around any packed stream, with any plain length, so that a
// damaged zlib stream reaches the decompression intact.
Bytes SealPackedStream(const Bytes& packed, DWORD plainLength, DWORD keyWord)
{
    Bytes padded = packed;
    padded.resize((packed.size() + 7) / 8 * 8, 0);
    Bytes file(SealedHeaderSize + padded.size());
    DWORD key[4] = {SealKeyConstant0, SealKeyConstant1, SealKeyConstant2, keyWord};
    for (size_t offset = 0; offset < padded.size(); offset += 8)
    {
        DWORD y = GetWord(padded, offset);
        DWORD z = GetWord(padded, offset + 4);
        const DWORD first = y;
        Encipher(y, z, key);
        SetWord(file, SealedHeaderSize + offset, y);
        SetWord(file, SealedHeaderSize + offset + 4, z);
        key[0] ^= first;
    }
    SetWord(file, 0, (DWORD)packed.size());
    SetWord(file, 4, plainLength);
    FixChecksum(file);
    return file;
}

Bytes Compress(const Bytes& plain)
{
    uLongf length = compressBound((uLong)plain.size());
    Bytes packed(length);
    EXPECT_EQ(Z_OK, compress2(packed.data(), &length, plain.data(), (uLong)plain.size(), 9));
    packed.resize(length);
    return packed;
}

// Loads the bytes as a sealed file and checks the outcome; answers whether
// the file was accepted.
bool CheckLoad(const Bytes& bytes, DWORD keyWord, const Bytes& original, const std::string& what)
{
    FILE* file = fopen(ScratchPath.c_str(), "wb");
    if (file == nullptr)
    {
        ADD_FAILURE() << "cannot write " << ScratchPath;
        return false;
    }
    if (!bytes.empty())
        fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);

    CByteBuffer buffer;
    BOOL loaded = FALSE;
    try
    {
        loaded = buffer.LoadSealedFile(ScratchPath.c_str(), keyWord);
    }
    catch (...)
    {
        ADD_FAILURE() << "the reader raised an exception: " << what;
        return false;
    }
    // Deflate cannot produce more than about 1032 bytes from one packed byte.
    const unsigned long long reachable = (unsigned long long)bytes.size() * SealedMaxExpansion + 64;
    EXPECT_LE((unsigned long long)buffer.GetCapacity(), reachable) << what;
    if (!loaded)
        return false;
    EXPECT_EQ(original.size(), (size_t)buffer.GetLength()) << what;
    if (original.size() == buffer.GetLength() && !original.empty())
    {
        EXPECT_EQ(0, memcmp(original.data(), buffer.GetData(), original.size())) << what;
    }
    return true;
}

class CDamage
{
public:
    explicit CDamage(unsigned seed) : m_random(seed) {}

    int Pick(int n) { return n <= 1 ? 0 : (int)(m_random() % (unsigned)n); }

    DWORD AwkwardWord(DWORD fair)
    {
        const DWORD words[] = {0, 1, 7, 8, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, SealedMaxPlainLength,
                               SealedMaxPlainLength + 1, fair - 1, fair + 1, fair + 8, fair * 2, (DWORD)m_random()};
        return words[Pick(sizeof words / sizeof words[0])];
    }

    // One random change: flipped bits, a cut, an extension, a removed or
    // repeated stretch, or an awkward header word.
    std::string Apply(Bytes& bytes)
    {
        const int size = (int)bytes.size();
        switch (Pick(6))
        {
        case 0:
        {
            if (size == 0)
                return "nothing to flip";
            const int at = Pick(size);
            bytes[at] ^= (unsigned char)(1 + Pick(255));
            return "flip at " + std::to_string(at);
        }
        case 1:
        {
            const int length = Pick(size + 1);
            bytes.resize(length);
            return "cut to " + std::to_string(length);
        }
        case 2:
        {
            const int count = 1 + Pick(Pick(2) ? 8 : 300);
            for (int i = 0; i < count; i++)
                bytes.push_back((unsigned char)m_random());
            return "extended by " + std::to_string(count);
        }
        case 3:
        {
            if (size == 0)
                return "nothing to remove";
            const int at = Pick(size);
            const int count = 1 + Pick(size - at);
            bytes.erase(bytes.begin() + at, bytes.begin() + at + count);
            return "removed " + std::to_string(count) + " at " + std::to_string(at);
        }
        case 4:
        {
            if (size == 0)
                return "nothing to repeat";
            const int at = Pick(size);
            const int count = 1 + Pick(size - at);
            Bytes stretch(bytes.begin() + at, bytes.begin() + at + count);
            bytes.insert(bytes.begin() + at, stretch.begin(), stretch.end());
            return "repeated " + std::to_string(count) + " at " + std::to_string(at);
        }
        default:
        {
            if (size < SealedHeaderSize)
                return "no header";
            const int offset = Pick(2) * 4;
            const DWORD value = AwkwardWord(GetWord(bytes, offset));
            SetWord(bytes, offset, value);
            return "header word " + std::to_string(offset) + " = " + std::to_string(value);
        }
        }
    }

private:
    std::mt19937 m_random;
};
} // namespace

TEST(SealedFileFuzz, DamagedFilesAreRefusedOrReadAsTheOriginal)
{
    for (const CSealedSample& sample : Samples)
    {
        const Bytes sealed = ReadFileBytes(std::string(KESTROVA_SOURCE_DIR) + sample.m_path);
        ASSERT_GE(sealed.size(), (size_t)SealedHeaderSize) << sample.m_path;
        CByteBuffer originalBuffer;
        ASSERT_TRUE(originalBuffer.LoadSealedFile((std::string(KESTROVA_SOURCE_DIR) + sample.m_path).c_str(),
                                                  sample.m_keyWord));
        const Bytes original(originalBuffer.GetData(), originalBuffer.GetData() + originalBuffer.GetLength());

        CDamage damage(20261207);
        int accepted = 0;
        for (int i = 0; i < 400; i++)
        {
            Bytes bytes = sealed;
            std::string what = sample.m_path;
            for (int n = 1 + damage.Pick(3); n > 0; n--)
                what += "; " + damage.Apply(bytes);
            // Most damage is given a fresh checksum, or the checksum alone
            // would refuse it.
            if (damage.Pick(4) != 0)
            {
                FixChecksum(bytes);
                what += "; checksum fixed";
            }
            accepted += CheckLoad(bytes, sample.m_keyWord, original, what);
            if (::testing::Test::HasFailure())
                return;
        }
        // Damage to the padding or behind the stream is harmless, the rest
        // must be refused: both outcomes must occur.
        EXPECT_LT(accepted, 400) << sample.m_path;
    }
}

TEST(SealedFileFuzz, DamagedPackedStreamsAreRefusedOrReadAsTheOriginal)
{
    const Bytes plain = ReadFileBytes(KESTROVA_SOURCE_DIR "/tests/data/foundation/sealed/sample.txt");
    ASSERT_FALSE(plain.empty());
    const Bytes packed = Compress(plain);
    ASSERT_TRUE(CheckLoad(SealPackedStream(packed, (DWORD)plain.size(), SealKeyGeneticsConfiguration),
                          SealKeyGeneticsConfiguration, plain, "undamaged"));

    CDamage damage(4242);
    int accepted = 0;
    for (int i = 0; i < 400; i++)
    {
        Bytes stream = packed;
        std::string what = "stream";
        for (int n = 1 + damage.Pick(3); n > 0; n--)
            what += "; " + damage.Apply(stream);
        DWORD plainLength = (DWORD)plain.size();
        if (damage.Pick(4) == 0)
        {
            plainLength = damage.AwkwardWord(plainLength);
            what += "; plain length " + std::to_string(plainLength);
        }
        accepted += CheckLoad(SealPackedStream(stream, plainLength, SealKeyGeneticsConfiguration),
                              SealKeyGeneticsConfiguration, plain, what);
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_LT(accepted, 100);
}
