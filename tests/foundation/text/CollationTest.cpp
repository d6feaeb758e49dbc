#include "foundation/text/Collation.h"

#include <gtest/gtest.h>

TEST(CollationTest, AccentedLettersRankAsTheirBase)
{
    EXPECT_EQ(0, CollateCompare("Zo\xEB", "Zoe"));
    EXPECT_EQ(0, CollateCompare("\xE9lan", "elan"));
    EXPECT_EQ(-1, CollateCompare("\xC9" "b\xE8ne", "Ebony"));
    EXPECT_EQ(0, CollateCompare("resume", "r\xE9sum\xE9"));
    EXPECT_EQ(0, CollateCompare("\x9A" "a\xDF", "sas"));  // š and ß rank as s
    EXPECT_EQ(0, CollateCompare("\xD8" "\xC5", "OA"));
}

TEST(CollationTest, CapitalsBeforeSmallLettersUnlessFolded)
{
    EXPECT_EQ(1, CollateCompare("apple", "Banana"));
    EXPECT_EQ(-1, CollateCompareNoCase("apple", "Banana"));
    EXPECT_EQ(0, CollateCompareNoCase("\xC0" "B", "ab"));
    EXPECT_EQ(0, CollateCompareNoCase("\xE0" "b", "AB"));
}

TEST(CollationTest, CharactersOutsideTheRunsRankAsThemselves)
{
    EXPECT_EQ(1, CollateCompare("\xC7" "a", "Da"));  // Ç is in no run
    EXPECT_EQ(1, CollateCompare("\xF7", "z"));       // ÷ ranks as 247
}

TEST(CollationTest, PrefixSortsFirst)
{
    EXPECT_EQ(-1, CollateCompare("ab", "abc"));
    EXPECT_EQ(1, CollateCompare("abc", "ab"));
    EXPECT_EQ(0, CollateCompare("", ""));
    EXPECT_EQ(-1, CollateCompareNoCase("", "a"));
}

TEST(CollationTest, LowerCaseTestKnowsWindows1252Letters)
{
    for (int code : {(int)'q', 233, 247, 154, 156, 255, 300})
        EXPECT_NE(0, IsLowerCaseChar(code)) << code;
    for (int code : {(int)'Q', 201, 158, 223, 170, (int)'1', 0})
        EXPECT_EQ(0, IsLowerCaseChar(code)) << code;
}
