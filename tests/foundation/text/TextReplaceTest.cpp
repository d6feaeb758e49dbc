#include "foundation/text/TextReplace.h"

#include <gtest/gtest.h>

TEST(TextReplaceTest, EveryOccurrenceIsReplacedAndTheLengthKept)
{
    EXPECT_STREQ(ReplaceCharWithChar("a\nb\n\nc", '\n', ' '), "a b  c");
    EXPECT_STREQ(ReplaceCharWithChar("none here", 'x', 'y'), "none here");
    EXPECT_STREQ(ReplaceCharWithChar(NULL, 'x', 'y'), "");

    // Even a zero replacement keeps every character's place.
    CString cut = ReplaceCharWithChar("a,b,c", ',', '\0');
    ASSERT_EQ(cut.GetLength(), 5);
    EXPECT_EQ(memcmp((LPCTSTR)cut, "a\0b\0c", 5), 0);

    CString source = "keep";
    ReplaceCharWithChar(source, 'e', 'o');
    EXPECT_STREQ(source, "keep");
}
