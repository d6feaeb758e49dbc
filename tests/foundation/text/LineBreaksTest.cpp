#include "foundation/text/LineBreaks.h"
#include "foundation/text/WordWrap.h"

#include "foundation/StringsOf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

Strings Wrapped(const char* text, int width)
{
    CStringArray lines;
    WrapTextLines(&lines, text, width);
    return ToStrings(lines);
}

std::string LfToCrLf(const char* text)
{
    CString out("junk");
    ConvertLfToCrLf(&out, text);
    return (const char*)out;
}

std::string CrLfToLf(const char* text)
{
    CString out("junk");
    ConvertCrLfToLf(&out, text);
    return (const char*)out;
}
}

TEST(LineBreaksTest, LfToCrLf)
{
    EXPECT_EQ("a\r\nb\r\n", LfToCrLf("a\nb\n"));
    EXPECT_EQ("a\r\r\nb", LfToCrLf("a\r\nb"));
    EXPECT_EQ("abc", LfToCrLf("abc"));
    EXPECT_EQ("", LfToCrLf(""));
    EXPECT_EQ("", LfToCrLf(NULL));

    CString own("x\ny");
    ConvertLfToCrLf(&own, own);
    EXPECT_STREQ("x\r\ny", (const char*)own);
}

TEST(LineBreaksTest, CrLfToLf)
{
    EXPECT_EQ("a\nb", CrLfToLf("a\r\nb"));
    EXPECT_EQ("a\rb", CrLfToLf("a\rb"));
    EXPECT_EQ("a\r\nb", CrLfToLf("a\r\r\nb"));
    EXPECT_EQ("a\n", CrLfToLf("a\n"));
    EXPECT_EQ("", CrLfToLf(""));

    CString own("p\r\nq\r\n");
    ConvertCrLfToLf(&own, own);
    EXPECT_STREQ("p\nq\n", (const char*)own);
}

TEST(LineBreaksTest, SplitAtCrLfOnly)
{
    CStringArray lines;
    SplitTextAtCrLf(&lines, "a\r\nb");
    EXPECT_EQ((Strings{"a", "b"}), ToStrings(lines));
    SplitTextAtCrLf(&lines, "a\r\n");
    EXPECT_EQ((Strings{"a", ""}), ToStrings(lines));
    SplitTextAtCrLf(&lines, "a\nb\r");
    EXPECT_EQ((Strings{"a\nb\r"}), ToStrings(lines));
    SplitTextAtCrLf(&lines, "");
    EXPECT_EQ(0, lines.GetSize());
    SplitTextAtCrLf(&lines, NULL);
    EXPECT_EQ(0, lines.GetSize());
}

TEST(WordWrapTest, BreaksAtWordsWithinTheWidth)
{
    EXPECT_EQ((Strings{"the quick", "brown fox"}), Wrapped("the quick brown fox", 10));
    EXPECT_EQ((Strings{"the quick brown fox"}), Wrapped("the quick brown fox", 0));
    EXPECT_EQ((Strings{"the quick brown fox"}), Wrapped("the quick brown fox", 19));
    EXPECT_EQ((Strings{"a b", "cc", "dd", "ee"}), Wrapped("a b\r\ncc dd ee", 4));
}

TEST(WordWrapTest, IndentationStaysOnTheFirstPieceOnly)
{
    EXPECT_EQ((Strings{"  indented", "text", "here"}), Wrapped("  indented text here", 8));
}

TEST(WordWrapTest, LongWordsStandAlone)
{
    EXPECT_EQ((Strings{"supercalifragilistic", "is", "long"}), Wrapped("supercalifragilistic is long", 5));
}

TEST(WordWrapTest, BlankLines)
{
    EXPECT_EQ((Strings{""}), Wrapped("          ", 5));
    EXPECT_EQ((Strings{"    "}), Wrapped("    ", 5));
    EXPECT_EQ((Strings{"ab", "cd", "", "ef"}), Wrapped("ab cd\r\n      \r\nef", 3));
}
