#include "foundation/text/CommaList.h"

#include <gtest/gtest.h>

TEST(CommaListTest, ExactBeforePrefix)
{
    const char* months = "January,February,March";
    EXPECT_EQ(-1, FindInCommaList(months, "feb", FALSE));
    EXPECT_EQ(1, FindInCommaList(months, "feb", TRUE));
    EXPECT_EQ(2, FindInCommaList(months, "MARCH", FALSE));
    EXPECT_EQ(2, FindInCommaList(months, "MARCH", TRUE));
    EXPECT_EQ(1, FindInCommaList("Mayday,May", "may", TRUE));
    EXPECT_EQ(-1, FindInCommaList("", "a", TRUE));
}

TEST(CommaListTest, EmptyEntriesKeepTheCount)
{
    EXPECT_EQ(2, FindInCommaList("a,,b", "b", FALSE));
    EXPECT_EQ(1, FindInCommaList("a,,b", "", FALSE));
    EXPECT_EQ(-1, FindInCommaList("a,", "", FALSE)); // no empty last entry
    EXPECT_EQ(1, FindInCommaList("x, y", " y", FALSE));
}

TEST(CommaListTest, AppendWithSeparators)
{
    CString text;
    AppendWithComma(text, "Arial");
    EXPECT_STREQ("Arial", (const char*)text);
    AppendWithComma(text, "");
    AppendWithComma(text, NULL);
    EXPECT_STREQ("Arial", (const char*)text);
    AppendWithComma(text, "10 pt");
    EXPECT_STREQ("Arial, 10 pt", (const char*)text);

    CString words;
    AppendWithSpace(words, "Bold");
    AppendWithSpace(words, "Italic");
    AppendWithSeparator(words, "Underline", NULL);
    EXPECT_STREQ("Bold ItalicUnderline", (const char*)words);
}

TEST(CommaListTest, FirstCharacterInAndNotInASet)
{
    EXPECT_EQ(-1, FindFirstOf("", "abc"));
    EXPECT_EQ(-1, FindFirstOf(NULL, "abc"));
    EXPECT_EQ(0, FindFirstOf("a,b", "a"));
    EXPECT_EQ(1, FindFirstOf("a,b", ",;"));
    EXPECT_EQ(-1, FindFirstOf("abc", ",;"));

    EXPECT_EQ(-1, FindFirstNotOf("", "abc"));
    EXPECT_EQ(2, FindFirstNotOf("abXc", "abc"));
    EXPECT_EQ(-1, FindFirstNotOf("cab", "abc"));
    EXPECT_EQ(0, FindFirstNotOf("cab", ""));
}
