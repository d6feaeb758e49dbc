#include "foundation/values/NumberText.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
bool IntOf(const char* text, int* value)
{
    *value = 12345;
    return ParseInt(text, value) != FALSE;
}
}

TEST(NumberTextTest, ParseIntAccepts)
{
    int value;
    EXPECT_TRUE(IntOf("42", &value));
    EXPECT_EQ(42, value);
    EXPECT_TRUE(IntOf(" -17 ", &value));
    EXPECT_EQ(-17, value);
    EXPECT_TRUE(IntOf("12 34", &value));
    EXPECT_EQ(12, value);
    EXPECT_TRUE(IntOf("7", &value));
    EXPECT_EQ(7, value);
    EXPECT_TRUE(IntOf("-2147483648", &value));
    EXPECT_EQ(INT_MIN, value);
}

TEST(NumberTextTest, ParseIntRefusesTextsWithoutDigitsOrWithJunk)
{
    int value;
    for (const char* text : {"-", "   ", "", "- 5", "--5", "5-", "1a", "\t-\t"})
    {
        EXPECT_FALSE(IntOf(text, &value)) << "'" << text << "'";
        EXPECT_EQ(12345, value) << "result written for '" << text << "'";
    }
    EXPECT_FALSE(ParseInt(NULL, &value));
}

TEST(NumberTextTest, NumbersBeyondThirtyTwoBitsAreRefused)
{
    int value;
    EXPECT_TRUE(IntOf("2147483647", &value));
    EXPECT_EQ(INT_MAX, value);
    for (const char* text : {"2147483648", "-2147483649", "4294967296", "99999999999999999999 x"})
    {
        EXPECT_FALSE(IntOf(text, &value)) << text;
        EXPECT_EQ(12345, value) << text;
    }
    EXPECT_TRUE(IntOf("-00000000000000000007", &value));
    EXPECT_EQ(-7, value);

    UINT unsignedValue = 99;
    EXPECT_FALSE(ParseUInt("4294967296", &unsignedValue));
    EXPECT_FALSE(ParseUInt("42949672950", &unsignedValue));
    EXPECT_EQ(99u, unsignedValue);
}

TEST(NumberTextTest, ParseUInt)
{
    UINT value = 99;
    EXPECT_FALSE(ParseUInt("-1", &value));
    EXPECT_EQ(99u, value);
    EXPECT_TRUE(ParseUInt(" 8 x", &value));
    EXPECT_EQ(8u, value);
    EXPECT_TRUE(ParseUInt("4294967295", &value));
    EXPECT_EQ(0xFFFFFFFFu, value);
    EXPECT_FALSE(ParseUInt("  ", &value));
}

TEST(NumberTextTest, ParseDouble)
{
    double value = 0;
    EXPECT_TRUE(ParseDouble("2.5kg", &value));
    EXPECT_DOUBLE_EQ(2.5, value);
    EXPECT_TRUE(ParseDouble("  -1e3", &value));
    EXPECT_DOUBLE_EQ(-1000.0, value);
    EXPECT_FALSE(ParseDouble("kg", &value));
    EXPECT_FALSE(ParseDouble("", &value));
    EXPECT_FALSE(ParseDouble(NULL, &value));
}

TEST(NumberTextTest, IntToStringWidths)
{
    EXPECT_STREQ("7", (const char*)IntToString(7, -1));
    EXPECT_STREQ("007", (const char*)IntToString(7, 3));
    EXPECT_STREQ("-07", (const char*)IntToString(-7, 3));
    EXPECT_STREQ("-005", (const char*)IntToString(-5, 4));
    EXPECT_STREQ("123", (const char*)IntToString(123, 2));
    EXPECT_STREQ("0", (const char*)IntToString(0, 0));
    EXPECT_STREQ("", (const char*)IntToString(5, 40));
    EXPECT_STREQ("-2147483648", (const char*)IntToString(INT_MIN, 0));
    EXPECT_EQ(39, IntToString(1, 39).GetLength());
}

TEST(NumberTextTest, UnsignedFormatting)
{
    EXPECT_STREQ("4294967295", (const char*)FormatUInt(0xFFFFFFFFu, 0));
    EXPECT_STREQ("0009", (const char*)UIntToString(9, 4));
    EXPECT_STREQ("9", (const char*)UIntToString(9, -1));
}

TEST(NumberTextTest, DoubleToString)
{
    EXPECT_STREQ("2.5", (const char*)DoubleToString(2.5, 2));
    EXPECT_STREQ("2.50", (const char*)DoubleToString(2.5, -2));
    EXPECT_STREQ("3", (const char*)DoubleToString(3.0, 0));
    EXPECT_STREQ("2.5", (const char*)DoubleToString(2.5, 0));
    EXPECT_STREQ("-0.125", (const char*)DoubleToString(-0.125, 5));
    EXPECT_STREQ("100", (const char*)DoubleToString(100.0, 3));
}

TEST(NumberTextTest, DoubleToStringOfHugeValuesIsWhole)
{
    CString text = DoubleToString(1e300, -4);
    EXPECT_EQ(306, text.GetLength());
    EXPECT_EQ('1', text[0]);
    EXPECT_STREQ(".0000", (const char*)text.Right(5));
    CString negative = DoubleToString(-1e200, 0);
    EXPECT_EQ(201, negative.GetLength());
    EXPECT_EQ('-', negative[0]);
}
