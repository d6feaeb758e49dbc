#include "foundation/containers/BitSet.h"

#include <gtest/gtest.h>

TEST(BitSetTest, GrowingFromEmptyClearsTheBytes)
{
    CBitSet bits;
    EXPECT_EQ(0, bits.SetSize(13));
    EXPECT_EQ(13u, bits.GetSize());
    EXPECT_EQ(0, bits.GetBits()[0]);
    EXPECT_EQ(0, bits.GetBits()[1]);
}

TEST(BitSetTest, GrowingKeepsOldBitsAndClearsNewOnes)
{
    CBitSet bits;
    bits.SetSize(13);
    bits.SetAll(TRUE); // also sets the unused bits of the last byte
    EXPECT_EQ(13, bits.GetSetCount());
    EXPECT_EQ(13, bits.SetSize(20));
    for (UINT i = 0; i < 20; ++i)
        EXPECT_EQ(i < 13 ? 1 : 0, bits.Test(i)) << i;
}

TEST(BitSetTest, ShrinkThenGrowClearsTheDroppedBits)
{
    CBitSet bits;
    bits.SetSize(20);
    bits.SetAll(TRUE);
    EXPECT_EQ(10, bits.SetSize(10));
    EXPECT_EQ(10, bits.SetSize(20));
    for (UINT i = 10; i < 20; ++i)
        EXPECT_FALSE(bits.Test(i)) << i;
}

TEST(BitSetTest, SizeZeroReleasesTheBytes)
{
    CBitSet bits;
    bits.SetSize(40);
    EXPECT_EQ(0, bits.SetSize(0));
    EXPECT_EQ(nullptr, bits.GetBits());
}

TEST(BitSetTest, ACountNearTwoToTheThirtyTwoGetsAllItsBytesOrNone)
{
    CBitSet bits;
    try
    {
        bits.SetSize(0xFFFFFFFFu);
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        EXPECT_EQ(0u, bits.GetSize());
        return;
    }
    EXPECT_EQ(0, bits.GetSetCount());
    bits.Set(0xFFFFFFFEu, TRUE);
    EXPECT_TRUE(bits.Test(0xFFFFFFFEu));
    EXPECT_EQ(1, bits.GetSetCount());
}

TEST(BitSetTest, SingleBitsKeepTheCount)
{
    CBitSet bits;
    bits.SetSize(17);
    bits.Set(0, TRUE);
    bits.Set(16, TRUE);
    bits.Set(16, TRUE);
    EXPECT_EQ(2, bits.GetSetCount());
    EXPECT_EQ(1, bits.GetBits()[0]);
    EXPECT_EQ(1, bits.GetBits()[2]);
    bits.Set(0, FALSE);
    EXPECT_EQ(1, bits.GetSetCount());
    EXPECT_EQ(1, bits.CountSetBits());
}

TEST(BitSetTest, CreatedByName)
{
    CObject* object = RUNTIME_CLASS(CBitSet)->CreateObject();
    ASSERT_NE(nullptr, object);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CBitSet)));
    EXPECT_EQ(1u, RUNTIME_CLASS(CBitSet)->m_wSchema);
    EXPECT_EQ(0u, ((CBitSet*)object)->GetSize());
    delete object;
}
