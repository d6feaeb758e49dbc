#include "foundation/values/DateTimeText.h"

#include <gtest/gtest.h>

namespace
{
const char* Sample = "Fri Jan 07 14:05:09 2005\n";
}

TEST(DateTimeTextTest, PiecesInTheirOrder)
{
    EXPECT_STREQ("", (const char*)BuildDateTimeText(Sample, 0));
    EXPECT_STREQ("Jan 07 2005, 14:05", (const char*)BuildDateTimeText(Sample, 30));
    EXPECT_STREQ("Fri Jan 07 2005, 14:05", (const char*)BuildDateTimeText(Sample, 31));
    EXPECT_STREQ("14:05", (const char*)BuildDateTimeText(Sample, 8));
    EXPECT_STREQ("Jan 07", (const char*)BuildDateTimeText(Sample, 6));
    EXPECT_STREQ("07, 14:05", (const char*)BuildDateTimeText(Sample, 12));
    EXPECT_STREQ("2005 20", (const char*)BuildDateTimeText(Sample, 48));
    EXPECT_STREQ("", (const char*)BuildDateTimeText(NULL, 31));
}

TEST(DateTimeTextTest, CurrentTimeHasTheShapeAskedFor)
{
    CString text = GetDateTimeText(30);
    ASSERT_EQ(18, text.GetLength()) << (const char*)text;
    EXPECT_EQ(',', text[11]);
    EXPECT_EQ(':', text[15]);
}
