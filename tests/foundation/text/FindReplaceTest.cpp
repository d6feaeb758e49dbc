#include "foundation/text/FindReplace.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Leftmost, non-overlapping replacement written plainly, to check the
// optimised routine against.
std::string ReplaceReference(const std::string& text, const std::string& find, const std::string& with)
{
    std::string out;
    size_t pos = 0;
    while (pos < text.size())
    {
        if (text.compare(pos, find.size(), find) == 0 && pos + find.size() <= text.size())
        {
            out += with;
            pos += find.size();
        }
        else
            out += text[pos++];
    }
    return out;
}
}

TEST(FindReplaceTest, ReplaceCharWithTextsOfAnyLength)
{
    EXPECT_STREQ("a&&b", (const char*)ReplaceChar("a&b", '&', "&&"));
    EXPECT_STREQ("bnn", (const char*)ReplaceChar("banana", 'a', ""));
    EXPECT_STREQ("b\\n\\n", (const char*)ReplaceChar("b//", '/', "\\n"));
    EXPECT_STREQ("a\\b\\c", (const char*)ReplaceChar("a/b/c", '/', "\\"));
}

TEST(FindReplaceTest, ReplaceCharHonoursTheLength)
{
    EXPECT_STREQ("xbc", (const char*)ReplaceChar("abcdef", 'a', "x", 3));
    EXPECT_STREQ("XXbc", (const char*)ReplaceChar("abcabc", 'a', "XX", 3));
}

TEST(FindReplaceTest, ReplaceTextLeftmostWithoutOverlap)
{
    EXPECT_STREQ("a\nb\n", (const char*)ReplaceText("a\r\nb\r\n", "\r\n", "\n"));
    EXPECT_STREQ("bb", (const char*)ReplaceText("aaaa", "aa", "b"));
    EXPECT_STREQ("ba", (const char*)ReplaceText("aaa", "aa", "b"));
    EXPECT_STREQ("aXYaXY", (const char*)ReplaceText("abcabc", "bc", "XY"));
    EXPECT_STREQ("abc", (const char*)ReplaceText("abc", "abcd", "zz"));
    EXPECT_STREQ("Abc", (const char*)ReplaceText("Abc", "ab", "x"));
    EXPECT_STREQ("", (const char*)ReplaceText("", "ab", "x"));
    EXPECT_STREQ("ab-cd", (const char*)ReplaceText("abXYZcd", "XYZ", "-"));
    EXPECT_STREQ("ac", (const char*)ReplaceText("abbc", "bb", ""));
}

TEST(FindReplaceTest, ReplaceTextHonoursTheLength)
{
    EXPECT_STREQ("xa", (const char*)ReplaceText("abab", "ab", "x", 3));
    // A match that would run past the length does not count.
    EXPECT_STREQ("ab", (const char*)ReplaceText("abab", "ba", "x", 2));
}

TEST(FindReplaceTest, OneCharacterFindBehavesAsReplaceChar)
{
    EXPECT_EQ(ReplaceChar("a.b.c", '.', "::"), ReplaceText("a.b.c", ".", "::"));
    EXPECT_EQ(ReplaceChar("a.b.c", '.', ""), ReplaceText("a.b.c", ".", ""));
}

TEST(FindReplaceTest, EmptyFindGivesACopy)
{
    EXPECT_STREQ("abc", (const char*)ReplaceText("abc", "", "x"));
}

TEST(FindReplaceTest, AgreesWithThePlainRuleOnLongTexts)
{
    std::string find(25, 'f');
    find[24] = 'g';
    std::string with(30, 'w');
    std::string text;
    for (int i = 0; i < 200; ++i)
    {
        text += find.substr(0, i % 26);
        text += (i % 3 == 0) ? find : std::string("f");
    }
    EXPECT_EQ(ReplaceReference(text, find, with),
              std::string((const char*)ReplaceText(text.c_str(), find.c_str(), with.c_str())));
    EXPECT_EQ(ReplaceReference(text, "ff", "f"),
              std::string((const char*)ReplaceText(text.c_str(), "ff", "f")));
}
