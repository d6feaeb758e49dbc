#include "foundation/files/ByteBuffer.h"
#include "foundation/text/StringLists.h"
#include "foundation/text/TextLines.h"

#include "foundation/StringsOf.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{


Strings BufferLines(const char* bytes, BOOL trim)
{
    CByteBuffer buffer;
    DWORD length = (DWORD)strlen(bytes);
    buffer.SetSize(length);
    memcpy(buffer.GetData(), bytes, length);
    CStringArray lines;
    lines.Add("stale");
    SplitBufferLines(lines, buffer, trim);
    return ToStrings(lines);
}
}

TEST(TextLinesTest, SplitLinesAtEveryBreak)
{
    CStringArray lines;
    EXPECT_EQ(2, SplitLines(lines, "a\r\nb"));
    EXPECT_EQ(3, SplitLines(lines, "a\n\rb"));
    EXPECT_EQ((Strings{"a", "", "b"}), ToStrings(lines));
    EXPECT_EQ(2, SplitLines(lines, "a\rb"));
    EXPECT_EQ(3, SplitLines(lines, "a\nb\n"));
    EXPECT_EQ((Strings{"a", "b", ""}), ToStrings(lines));
    EXPECT_EQ(0, SplitLines(lines, ""));
    EXPECT_EQ(0, lines.GetSize());
}

TEST(TextLinesTest, SplitTextLinesDropsTrailingEmptyLines)
{
    CStringArray lines;
    SplitTextLines("a\r\nb\nc", lines);
    EXPECT_EQ((Strings{"a", "b\nc"}), ToStrings(lines));
    SplitTextLines("a\nb", lines);
    EXPECT_EQ((Strings{"a", "b"}), ToStrings(lines));
    SplitTextLines("\n\n", lines);
    EXPECT_EQ(0, lines.GetSize());
    SplitTextLines("a\n\nb\n\n", lines);
    EXPECT_EQ((Strings{"a", "", "b"}), ToStrings(lines));
    SplitTextLines("x", lines);
    EXPECT_EQ((Strings{"x"}), ToStrings(lines));
    SplitTextLines(NULL, lines);
    EXPECT_EQ(0, lines.GetSize());
}

TEST(TextLinesTest, SplitBufferLines)
{
    EXPECT_EQ((Strings{"a\r", "b"}), BufferLines("a\r\nb", FALSE));
    EXPECT_EQ((Strings{"a", "b"}), BufferLines("a\r\nb", TRUE));
    EXPECT_EQ((Strings{"a", ""}), BufferLines("a\n\n", FALSE));
    EXPECT_EQ((Strings{""}), BufferLines("  \n", TRUE));
    EXPECT_EQ((Strings{}), BufferLines("", TRUE));
    EXPECT_EQ((Strings{"x", ""}), BufferLines("x\n   ", TRUE));
}

TEST(TextLinesTest, SplitBufferLinesKeepsLongLines)
{
    std::string longLine(5000, 'L');
    std::string text = longLine + "\nshort";
    EXPECT_EQ((Strings{longLine, "short"}), BufferLines(text.c_str(), FALSE));
}

TEST(StringListsTest, TrimAndRemoveEmpty)
{
    CStringArray array;
    FillArray(array, {" a ", "", "\tb", ""});
    TrimStringArray(&array);
    RemoveEmptyStrings(&array);
    EXPECT_EQ((Strings{"a", "b"}), ToStrings(array));
    TrimStringArray(NULL);
    RemoveEmptyStrings(NULL);
}

TEST(StringListsTest, RemoveDuplicatesKeepsFirstOccurrence)
{
    CStringArray array;
    FillArray(array, {"Bay", "bay", "Roan", "Bay"});
    RemoveDuplicateStrings(&array, TRUE);
    EXPECT_EQ((Strings{"Bay", "bay", "Roan"}), ToStrings(array));

    FillArray(array, {"Bay", "bay", "Roan", "Bay", "ROAN"});
    RemoveDuplicateStrings(&array, FALSE);
    EXPECT_EQ((Strings{"Bay", "Roan"}), ToStrings(array));
}

TEST(StringListsTest, FindStringInArray)
{
    CStringArray array;
    FillArray(array, {"Bay", "Roan"});
    EXPECT_EQ(1, FindStringInArray(array, "ROAN", FALSE));
    EXPECT_EQ(-1, FindStringInArray(array, "ROAN", TRUE));
    EXPECT_EQ(-1, FindStringInArray(array, NULL, TRUE));
}

TEST(StringListsTest, JoinStrings)
{
    CStringArray array;
    FillArray(array, {"a", "b", "c"});
    EXPECT_STREQ("a, b, c", (const char*)JoinStrings(array, ", ", 0, -1));
    EXPECT_STREQ("b", (const char*)JoinStrings(array, ", ", 1, 1));
    EXPECT_STREQ("", (const char*)JoinStrings(array, ", ", 2, 1));
    EXPECT_STREQ("abc", (const char*)JoinStrings(array, NULL, 0, -1));
    EXPECT_STREQ("b|c", (const char*)JoinStrings(array, "|", 1, 99));

    FillArray(array, {"", "x", ""});
    EXPECT_STREQ(",x,", (const char*)JoinStrings(array, ",", 0, -1));
}
