#include "foundation/text/Collation.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

namespace
{
// The Windows-1252 letters that rank as each base letter.
struct LetterFamily
{
    char base;
    const char* members;
};

const LetterFamily Families[] = {
    {'a', "\xAA\xE0\xE1\xE2\xE3\xE4\xE5\xE6"},
    {'e', "\xE8\xE9\xEA\xEB"},
    {'i', "\xEC\xED\xEE\xEF"},
    {'o', "\x9C\xBA\xF2\xF3\xF4\xF5\xF6\xF8"},
    {'u', "\xB5\xF9\xFA\xFB\xFC"},
    {'c', "\xA2\xE7"},
    {'n', "\xF1"},
    {'y', "\xFD\xFF"},
    {'s', "\x9A\xDF"},
    {'t', "\xF0\xFE"},
    {'x', "\xD7"},
    {'z', "\x9E"},
    {'f', "\x83"},
    {'A', "\xC0\xC1\xC2\xC3\xC4\xC5\xC6"},
    {'E', "\xC8\xC9\xCA\xCB"},
    {'I', "\xCC\xCD\xCE\xCF"},
    {'O', "\x8C\xD2\xD3\xD4\xD5\xD6\xD8"},
    {'U', "\xD9\xDA\xDB\xDC"},
    {'T', "\xD0\xDE"},
    {'N', "\xD1"},
    {'Y', "\x9F\xA5\xDD"},
    {'S', "\x8A"},
    {'Z', "\x8E"},
};

std::string Text(char c, const char* tail = "")
{
    return std::string(1, c) + tail;
}
}

TEST(CollationTest, EveryAccentedLetterRanksWithItsBaseLetter)
{
    bool member[256] = {};
    int members = 0;
    for (const LetterFamily& family : Families)
    {
        char upperBase = (char)toupper((unsigned char)family.base);
        for (const char* p = family.members; *p != '\0'; ++p)
        {
            unsigned char code = (unsigned char)*p;
            EXPECT_FALSE(member[code]) << (int)code;
            member[code] = true;
            ++members;
            // Equal rank: the next character decides.
            EXPECT_EQ(0, CollateCompare(Text(*p).c_str(), Text(family.base).c_str())) << (int)code;
            EXPECT_EQ(1, CollateCompare(Text(*p, "b").c_str(), Text(family.base, "a").c_str())) << (int)code;
            EXPECT_EQ(0, CollateCompareNoCase(Text(*p).c_str(), Text(upperBase).c_str())) << (int)code;
        }
    }
    EXPECT_EQ(75, members);

    // Every other code from 128 up ranks as itself: after 'z', in code order.
    int previous = 0;
    for (int code = 128; code < 256; ++code)
    {
        if (member[code])
            continue;
        EXPECT_EQ(1, CollateCompare(Text((char)code).c_str(), "z")) << code;
        if (previous != 0)
        {
            EXPECT_EQ(-1, CollateCompare(Text((char)previous).c_str(), Text((char)code).c_str())) << code;
        }
        previous = code;
    }
}
