#include "foundation/windows/GlobalBlocks.h"

#include <gtest/gtest.h>

#include <string.h>

namespace
{
    HGLOBAL MakeBlock(const char* bytes, DWORD count)
    {
        return NewGlobalBlock(bytes, count);
    }
}

TEST(GlobalBlocksTest, HexTextRoundTrips)
{
    const BYTE bytes[] = {0x01, 0xAB, 0xFF};
    HGLOBAL block = NewGlobalBlock(bytes, 3);
    ASSERT_NE(block, (HGLOBAL)NULL);
    EXPECT_STREQ(GlobalBlockToHex(block, ':'), "3:01abff");

    HGLOBAL lower = HexToGlobalBlock("3:01abff", GMEM_MOVEABLE | GMEM_ZEROINIT, ':');
    HGLOBAL upper = HexToGlobalBlock("3:01ABFF", GMEM_MOVEABLE | GMEM_ZEROINIT, ':');
    EXPECT_TRUE(CompareGlobalBlocks(block, lower));
    EXPECT_TRUE(CompareGlobalBlocks(block, upper));
    FreeGlobalBlock(&lower);
    FreeGlobalBlock(&upper);
    EXPECT_EQ(lower, (HGLOBAL)NULL);
    FreeGlobalBlock(&lower);
    FreeGlobalBlock(&block);
}

TEST(GlobalBlocksTest, DamagedHexTextsAreRefused)
{
    const char* const damaged[] = {NULL, "", "3", "3:01abf", "3:01abff00", "x:01", "0:", "-1:", "2:0g", "2:zz00"};
    for (const char* text : damaged)
        EXPECT_EQ(HexToGlobalBlock(text, GMEM_MOVEABLE, ':'), (HGLOBAL)NULL) << (text ? text : "(null)");
    EXPECT_EQ(HexToByte('a', 'F'), 0xAF);
    char high = 0, low = 0;
    ByteToHex(0x9C, high, low);
    EXPECT_EQ(high, '9');
    EXPECT_EQ(low, 'c');
}

TEST(GlobalBlocksTest, CopiesAndComparisons)
{
    HGLOBAL shorter = MakeBlock("abc", 3);
    HGLOBAL longer = MakeBlock("abcd", 4);
    HGLOBAL copy = CopyGlobalBlock(longer);
    EXPECT_FALSE(CompareGlobalBlocks(shorter, longer));
    EXPECT_TRUE(CompareGlobalBlocks(longer, copy));
    EXPECT_TRUE(CompareGlobalBlocks(NULL, NULL));
    EXPECT_FALSE(CompareGlobalBlocks(shorter, NULL));
    EXPECT_EQ(NewGlobalBlock("", 0), (HGLOBAL)NULL);
    EXPECT_STREQ(GlobalBlockToHex(NULL, ':'), "");
    FreeGlobalBlock(&shorter);
    FreeGlobalBlock(&longer);
    FreeGlobalBlock(&copy);
}
