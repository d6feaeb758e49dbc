#include "foundation/values/PackedDecimal.h"

#include <gtest/gtest.h>

namespace
{
CPackedDecimal Packed(double value)
{
    CPackedDecimal p;
    p.m_dwValue = 0xDEADBEEF;
    p.SetValue(value);
    return p;
}
}

TEST(PackedDecimalTest, NearZeroIsZero)
{
    EXPECT_EQ(0u, Packed(0.004).m_dwValue);
    EXPECT_EQ(0u, Packed(-0.004).m_dwValue);
    EXPECT_EQ(1u << 24, Packed(0.006).m_dwValue);
}

TEST(PackedDecimalTest, SignUnitsAndHundredths)
{
    CPackedDecimal p = Packed(-1.25);
    EXPECT_EQ(0x80000000u | (25u << 24) | 1u, p.m_dwValue);
    EXPECT_DOUBLE_EQ(-1.25, p.GetValue());
}

TEST(PackedDecimalTest, HundredthsMayReachOneHundred)
{
    CPackedDecimal p = Packed(2.996);
    EXPECT_EQ((100u << 24) | 2u, p.m_dwValue);
    EXPECT_DOUBLE_EQ(3.0, p.GetValue());
}

TEST(PackedDecimalTest, WholeUnitsAreCapped)
{
    CPackedDecimal p = Packed(12345678.5);
    EXPECT_EQ(9999999u, p.m_dwValue & 0xFFFFFF);
    EXPECT_EQ(50u, (p.m_dwValue >> 24) & 0x7F);
}

TEST(PackedDecimalTest, Add)
{
    CPackedDecimal a = Packed(1.10);
    a.Add(Packed(-0.35));
    EXPECT_NEAR(0.75, a.GetValue(), 1e-9);

    CPackedDecimal zero = Packed(0.0);
    zero.Add(Packed(0.004));
    EXPECT_EQ(0u, zero.m_dwValue);
}
