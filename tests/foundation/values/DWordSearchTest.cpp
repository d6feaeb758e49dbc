#include "foundation/values/DWordSearch.h"

#include <gtest/gtest.h>

TEST(DWordSearchTest, FindDWord)
{
    DWORD values[] = {4, 8, 8};
    EXPECT_EQ(1, FindDWord(values, 3, 8));
    EXPECT_EQ(0, FindDWord(values, 3, 4));
    EXPECT_EQ(-1, FindDWord(values, 0, 4));
}

TEST(DWordSearchTest, FindInDWordArray)
{
    CDWordArray array;
    EXPECT_EQ(-1, FindInDWordArray(array, 4));
    for (DWORD value : {4, 8, 8, 5})
        array.Add(value);
    const struct
    {
        DWORD value;
        int index;
    } cases[] = {{8, 1}, {4, 0}, {5, 3}, {7, -1}};
    for (const auto& test : cases)
        EXPECT_EQ(test.index, FindInDWordArray(array, test.value)) << test.value;
}
