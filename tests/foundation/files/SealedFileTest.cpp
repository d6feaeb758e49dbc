#include "foundation/files/ByteBuffer.h"
#include "foundation/files/Crc32.h"
#include "foundation/files/SealedFile.h"
#include "foundation/files/TeaCipher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
typedef std::vector<unsigned char> Bytes;

const std::string DataFolder = KESTROVA_SOURCE_DIR "/tests/data/foundation/sealed/";

Bytes ReadBytes(const std::string& path)
{
    Bytes bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back((unsigned char)c);
    fclose(file);
    return bytes;
}

std::string WriteTemp(const Bytes& bytes, const char* name)
{
    std::string path = std::string(KESTROVA_BINARY_DIR "/") + name;
    FILE* file = fopen(path.c_str(), "wb");
    if (!bytes.empty())
        fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    return path;
}

void PutWord(Bytes& bytes, size_t offset, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = (unsigned char)(value >> (8 * i));
}

// Recomputes the checksum, so that a damaged header or body reaches the
// later checks.
void Reseal(Bytes& bytes)
{
    PutWord(bytes, 8, 0);
    PutWord(bytes, 8, CRC32(bytes.data(), (DWORD)bytes.size()));
}

BOOL LoadBytes(const Bytes& bytes, DWORD keyWord, CByteBuffer& buffer)
{
    std::string path = WriteTemp(bytes, "sealed_test.tmp");
    BOOL loaded = FALSE;
    try
    {
        loaded = buffer.LoadSealedFile(path.c_str(), keyWord);
    }
    catch (...)
    {
        ADD_FAILURE() << "the reader raised an exception";
    }
    remove(path.c_str());
    return loaded;
}

Bytes Sample()
{
    return ReadBytes(DataFolder + "sample.gen");
}
}

TEST(Crc32Test, KnownValues)
{
    EXPECT_EQ(0x2DFD2D88u, CRC32("123456789", 9));
    EXPECT_EQ(0u, CRC32("", 0));
}

TEST(TeaCipherTest, ReferenceVector)
{
    // The reference cipher turns two zero words under a zero key into
    // 0x41EA3A0A 0x94BAA940.
    DWORD key[4] = {0, 0, 0, 0};
    DWORD block[2] = {0x41EA3A0A, 0x94BAA940};
    DWORD plain[2];
    TeaDecipherBlock(block, plain, key);
    EXPECT_EQ(0u, plain[0]);
    EXPECT_EQ(0u, plain[1]);
}

TEST(SealedFileTest, RoundTripThroughTheSealingTool)
{
    Bytes plain = ReadBytes(DataFolder + "sample.txt");
    ASSERT_FALSE(plain.empty());
    CByteBuffer buffer;
    ASSERT_TRUE(buffer.LoadSealedFile((DataFolder + "sample.gen").c_str(), SealKeyGeneticsConfiguration));
    ASSERT_EQ(plain.size(), buffer.GetLength());
    EXPECT_EQ(0, memcmp(plain.data(), buffer.GetData(), plain.size()));

    CByteBuffer picture;
    ASSERT_TRUE(picture.LoadSealedFile((DataFolder + "sample.vqf").c_str(), SealKeyVectorPicture));
    EXPECT_EQ(plain.size(), picture.GetLength());
}

TEST(SealedFileTest, EmptyContents)
{
    CByteBuffer buffer;
    EXPECT_TRUE(buffer.LoadSealedFile((DataFolder + "empty.gen").c_str(), SealKeyGeneticsConfiguration));
    EXPECT_EQ(0u, buffer.GetLength());
}

TEST(SealedFileTest, ExtraWholeBlocksAreAccepted)
{
    Bytes bytes = Sample();
    bytes.insert(bytes.end(), 16, 0x5A);
    Reseal(bytes);
    CByteBuffer buffer;
    EXPECT_TRUE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer));
}

TEST(SealedFileTest, WrongKeyWordIsRefused)
{
    CByteBuffer buffer;
    EXPECT_FALSE(LoadBytes(Sample(), SealKeyVectorPicture, buffer));
    EXPECT_FALSE(LoadBytes(Sample(), SealKeyGeneticsConfiguration ^ 1, buffer));
}

TEST(SealedFileTest, AnyChangedByteFailsTheChecksum)
{
    Bytes sample = Sample();
    for (size_t offset : {(size_t)0, (size_t)5, (size_t)8, (size_t)11, (size_t)12, sample.size() / 2, sample.size() - 1})
    {
        Bytes bytes = sample;
        bytes[offset] ^= 0x40;
        CByteBuffer buffer;
        EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer)) << offset;
    }
}

TEST(SealedFileTest, TruncatedOrBadlySizedFilesAreRefused)
{
    Bytes sample = Sample();
    CByteBuffer buffer;
    for (size_t length : {(size_t)0, (size_t)11, (size_t)13, (size_t)19, sample.size() - 3, sample.size() - 8})
    {
        Bytes bytes(sample.begin(), sample.begin() + length);
        EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer)) << length;
    }

    // A whole-block truncation with a correct checksum still fails: the
    // packed length exceeds the body.
    Bytes shortened(sample.begin(), sample.end() - 8);
    Reseal(shortened);
    EXPECT_FALSE(LoadBytes(shortened, SealKeyGeneticsConfiguration, buffer));
}

TEST(SealedFileTest, HeaderOnlyFileFailsAtDecompression)
{
    Bytes bytes(12, 0);
    Reseal(bytes);
    CByteBuffer buffer;
    EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer));
}

TEST(SealedFileTest, BadCompressedDataIsRefused)
{
    Bytes bytes = Sample();
    bytes[12 + 40] ^= 0xFF;
    Reseal(bytes);
    CByteBuffer buffer;
    EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer));
}

TEST(SealedFileTest, WrongPlainLengthIsRefused)
{
    Bytes sample = Sample();
    DWORD plain = (DWORD)ReadBytes(DataFolder + "sample.txt").size();
    CByteBuffer buffer;
    for (DWORD wrong : {plain - 1, plain + 1})
    {
        Bytes bytes = sample;
        PutWord(bytes, 4, wrong);
        Reseal(bytes);
        EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer)) << wrong;
    }
}

TEST(SealedFileTest, AbsurdPlainLengthIsRefusedWithoutAllocating)
{
    CByteBuffer buffer;
    for (DWORD absurd : {0xFFFFFFF0u, 0x7FFFFFFFu, 400u * 1024u * 1024u})
    {
        Bytes bytes = Sample();
        PutWord(bytes, 4, absurd);
        Reseal(bytes);
        EXPECT_FALSE(LoadBytes(bytes, SealKeyGeneticsConfiguration, buffer)) << absurd;
        EXPECT_LT(buffer.GetCapacity(), 1024u * 1024u);
    }
}

TEST(SealedFileTest, MissingFileIsRefused)
{
    CByteBuffer buffer;
    EXPECT_FALSE(buffer.LoadSealedFile((DataFolder + "no-such-file.gen").c_str(), SealKeyGeneticsConfiguration));
}
