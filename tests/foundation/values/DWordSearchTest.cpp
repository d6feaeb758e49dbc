#include "foundation/values/DWordSearch.h"

#include <gtest/gtest.h>

TEST(DWordSearchTest, FindDWord)
{
    DWORD values[] = {4, 8, 8};
    EXPECT_EQ(1, FindDWord(values, 3, 8));
    EXPECT_EQ(0, FindDWord(values, 3, 4));
    EXPECT_EQ(-1, FindDWord(values, 0, 4));
}
