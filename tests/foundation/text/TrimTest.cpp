#include "foundation/text/TextEdits.h"
#include "foundation/text/Trim.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TrimTest, TrimStringBothEnds)
{
    CString text(" \t a b \r\n");
    EXPECT_EQ(3, TrimString(&text));
    EXPECT_STREQ("a b", (const char*)text);

    CString blanks("   ");
    EXPECT_EQ(0, TrimString(&blanks));
    EXPECT_TRUE(blanks.IsEmpty());

    CString plain("ab");
    EXPECT_EQ(2, TrimString(&plain));
    EXPECT_EQ(0, TrimString(NULL));
}

TEST(TrimTest, TrimStringDoesNotTouchAShareWhenNothingIsRemoved)
{
    CString original("same");
    CString copy = original;
    TrimString(&copy);
    EXPECT_EQ((const char*)original, (const char*)copy);
}

TEST(TrimTest, TrimOneSideOnly)
{
    CString left("  ab  ");
    EXPECT_EQ(4, TrimStringLeft(&left));
    EXPECT_STREQ("ab  ", (const char*)left);
    CString right("  ab  ");
    EXPECT_EQ(4, TrimStringRight(&right));
    EXPECT_STREQ("  ab", (const char*)right);
}

TEST(TrimTest, NonBreakingSpaceIsNotWhitespace)
{
    CString text("\xA0" "a\xA0");
    EXPECT_EQ(3, TrimString(&text));
}

TEST(TrimTest, TrimBufferForms)
{
    char moved[] = "  ab";
    EXPECT_EQ(2, TrimBuffer(moved, -1));
    EXPECT_STREQ("ab", moved);

    char trailing[] = "ab  ";
    EXPECT_EQ(2, TrimBuffer(trailing, 4));
    EXPECT_STREQ("ab", trailing);

    char untouched[] = "abXY";
    EXPECT_EQ(2, TrimBuffer(untouched, 2));
    EXPECT_EQ('X', untouched[2]); // nothing written past a clean text

    char left[] = "  ab";
    EXPECT_EQ(2, TrimBufferLeft(left, -1));
    EXPECT_STREQ("ab", left);
    char blanks[] = "   ";
    EXPECT_EQ(0, TrimBufferLeft(blanks, -1));
    EXPECT_STREQ("", blanks);

    char right[] = "ab  ";
    EXPECT_EQ(2, TrimBufferRight(right, -1));
    EXPECT_STREQ("ab", right);
    char empty[] = "";
    EXPECT_EQ(0, TrimBufferRight(empty, -1));
}

TEST(TextEditsTest, CompactNewlines)
{
    CString text("\n\na\n\n\n\nb\n");
    CompactNewlines(&text);
    EXPECT_STREQ("a\n\nb", (const char*)text);

    CString crlf("a\r\n\r\n\r\nb");
    CompactNewlines(&crlf);
    EXPECT_STREQ("a\r\n\r\n\r\nb", (const char*)crlf);

    CString only("\n\n");
    CompactNewlines(&only);
    EXPECT_TRUE(only.IsEmpty());

    CString runs("a\n\n\nb\n\n\n\n\nc\nd");
    CompactNewlines(&runs);
    EXPECT_STREQ("a\n\nb\n\nc\nd", (const char*)runs);
}

TEST(TextEditsTest, SwapCaseLeavesOtherCharacters)
{
    CString text("Bay Roan 2 \xC9\xE9");
    SwapCase(&text);
    EXPECT_STREQ("bAY rOAN 2 \xC9\xE9", (const char*)text);
}

TEST(TextEditsTest, MakeSentence)
{
    CString text("  hello world ");
    MakeSentence(&text);
    EXPECT_STREQ("Hello world. ", (const char*)text);

    CString done("Done!");
    MakeSentence(&done);
    EXPECT_STREQ("Done!", (const char*)done);

    CString question("why?");
    MakeSentence(&question);
    EXPECT_STREQ("Why?", (const char*)question);

    CString empty;
    MakeSentence(&empty);
    EXPECT_TRUE(empty.IsEmpty());

    // The second call trims the blank and then finds the full stop.
    CString twice("hello");
    MakeSentence(&twice);
    MakeSentence(&twice);
    EXPECT_STREQ("Hello.", (const char*)twice);
}
