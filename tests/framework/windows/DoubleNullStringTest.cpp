#include "framework/windows/DoubleNullString.h"

#include <gtest/gtest.h>

#include <string>

TEST(DoubleNullStringTest, HoldsOneTextWithTwoZerosOrNothing)
{
    CDoubleNullString list;
    list.Set("abc");
    ASSERT_EQ(list.GetSize(), 5u);
    EXPECT_EQ(std::string(list.GetBuffer(), 5), std::string("abc\0\0", 5));
    list.Set("C:\\dogs\\Bella.jpg");
    EXPECT_EQ(list.GetSize(), 19u);
    EXPECT_EQ(list.GetBuffer()[18], '\0');
    for (const char* empty : {(const char*)nullptr, ""})
    {
        list.Set(empty);
        EXPECT_EQ(list.GetSize(), 0u);
        EXPECT_EQ(list.GetBuffer(), nullptr);
    }
}
