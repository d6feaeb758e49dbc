#include "foundation/files/ByteBuffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
void Fill(CByteBuffer& buffer, const char* bytes, DWORD length)
{
    buffer.SetSize(length);
    memcpy(buffer.GetData(), bytes, length);
}

std::string Contents(const CByteBuffer& buffer)
{
    return std::string((const char*)buffer.GetData(), buffer.GetLength());
}
}

TEST(ByteBufferTest, GrowsExactlyAndNeverShrinks)
{
    CByteBuffer buffer;
    EXPECT_EQ(nullptr, buffer.GetData());
    Fill(buffer, "abcd", 4);
    EXPECT_EQ(4u, buffer.GetCapacity());
    buffer.SetSize(10);
    EXPECT_EQ(10u, buffer.GetCapacity());
    EXPECT_EQ(0, memcmp(buffer.GetData(), "abcd", 4));
    buffer.SetSize(2);
    EXPECT_EQ(2u, buffer.GetLength());
    EXPECT_EQ(10u, buffer.GetCapacity());
}

TEST(ByteBufferTest, LoadFileReadsWholeFiles)
{
    std::string path = KESTROVA_BINARY_DIR "/bytebuffer_test.tmp";
    FILE* file = fopen(path.c_str(), "wb");
    fwrite("x\0y", 1, 3, file);
    fclose(file);

    CByteBuffer buffer;
    ASSERT_TRUE(buffer.LoadFile(path.c_str()));
    EXPECT_EQ(std::string("x\0y", 3), Contents(buffer));

    file = fopen(path.c_str(), "wb");
    fclose(file);
    EXPECT_TRUE(buffer.LoadFile(path.c_str()));
    EXPECT_EQ(0u, buffer.GetLength());
    remove(path.c_str());
}

TEST(ByteBufferTest, MissingFileEmptiesTheBuffer)
{
    CByteBuffer buffer;
    Fill(buffer, "data", 4);
    EXPECT_FALSE(buffer.LoadFile(KESTROVA_BINARY_DIR "/no-such-file.bin"));
    EXPECT_EQ(nullptr, buffer.GetData());
    EXPECT_EQ(0u, buffer.GetLength());
    EXPECT_EQ(0u, buffer.GetCapacity());
}

TEST(ByteBufferTest, ConvertCrLfToLf)
{
    CByteBuffer buffer;
    Fill(buffer, "a\r\n\r\nb", 6);
    EXPECT_TRUE(buffer.ConvertCrLfToLf());
    EXPECT_EQ("a\n\nb", Contents(buffer));

    Fill(buffer, "\r", 1);
    EXPECT_FALSE(buffer.ConvertCrLfToLf());
    EXPECT_EQ("\r", Contents(buffer));

    Fill(buffer, "a\r\r\n", 4);
    EXPECT_TRUE(buffer.ConvertCrLfToLf());
    EXPECT_EQ("a\r\n", Contents(buffer));

    Fill(buffer, "x\ny\r\n", 5);
    EXPECT_TRUE(buffer.ConvertCrLfToLf());
    EXPECT_EQ("x\ny\n", Contents(buffer));

    CByteBuffer empty;
    EXPECT_FALSE(empty.ConvertCrLfToLf());
}

TEST(ByteBufferTest, CopiesAreIndependent)
{
    CByteBuffer buffer;
    Fill(buffer, "abc", 3);
    CByteBuffer copy(buffer);
    copy.GetData()[0] = 'z';
    EXPECT_EQ("abc", Contents(buffer));
    EXPECT_EQ("zbc", Contents(copy));
}

TEST(ByteBufferTest, FailedGrowthLeavesTheBufferUnchanged)
{
    CByteBuffer buffer;
    Fill(buffer, "abc", 3);
    bool raised = false;
    try
    {
        buffer.SetSize(0xF0000000u);
    }
    catch (CMemoryException* e)
    {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ("abc", Contents(buffer));
}
