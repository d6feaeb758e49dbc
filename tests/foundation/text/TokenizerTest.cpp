#include "foundation/text/Tokenizer.h"

#include "foundation/StringsOf.h"

#include <gtest/gtest.h>


namespace
{
Strings Fields(const char* text, const char* separators, int flags, int maximum = -1,
                                char open = 0, char close = 0, int* count = nullptr)
{
    CStringArray array;
    int n = TokenizeTextOnSet(text, array, separators, flags, maximum, open, close);
    if (count != nullptr)
        *count = n;
    return ToStrings(array);
}
}

TEST(TokenizerTest, EmptyFieldsAreDroppedUnlessKept)
{
    int count = 0;
    EXPECT_EQ((Strings{"a", "b", "c"}), Fields("a,b,,c", ",", 0, -1, 0, 0, &count));
    EXPECT_EQ(3, count);
    EXPECT_EQ((Strings{"a", "b", "", "c"}), Fields("a,b,,c", ",", TOKENIZE_KEEP_EMPTY, -1, 0, 0, &count));
    EXPECT_EQ(4, count);
    EXPECT_EQ((Strings{"a"}), Fields("a,", ",", 0));
    EXPECT_EQ((Strings{"a", ""}), Fields("a,", ",", TOKENIZE_KEEP_EMPTY));
}

TEST(TokenizerTest, BracketsProtectSeparatorsAndStayInTheField)
{
    EXPECT_EQ((Strings{"f(a,b)", "g"}), Fields("f(a,b),g", ",", 0, -1, '(', ')'));
    EXPECT_EQ((Strings{"f(a,(b,c))", "g(h)"}), Fields("f(a,(b,c)),g(h)", ",", 0, -1, '(', ')'));
    EXPECT_EQ((Strings{"x", "y", "(z w"}), Fields("x y (z w", " ", 0, -1, '(', ')'));
}

TEST(TokenizerTest, UnmatchedCloseDoesNotDriveTheDepthNegative)
{
    // A stray ')' leaves the depth at zero, so the later '(' still protects
    // the blank inside it.
    EXPECT_EQ((Strings{"x", ")", "y", "(z w"}), Fields("x ) y (z w", " ", 0, -1, '(', ')'));
    EXPECT_EQ((Strings{"a)", "(b,c)"}), Fields("a),(b,c)", ",", 0, -1, '(', ')'));
}

TEST(TokenizerTest, SameCharacterForBothBracketsMakesAQuotePair)
{
    EXPECT_EQ((Strings{"say", "'hello world'", "now"}), Fields("say 'hello world' now", " ", 0, -1, '\'', '\''));
    EXPECT_EQ((Strings{"\"a b\"", "c", "\"d"}), Fields("\"a b\" c \"d", " ", 0, -1, '"', '"'));
}

TEST(TokenizerTest, MaximumPutsTheRestIntoTheLastField)
{
    EXPECT_EQ((Strings{"a", "b,c,d"}), Fields("a,b,c,d", ",", 0, 2));
    EXPECT_EQ((Strings{"a,b,c,d"}), Fields("a,b,c,d", ",", 0, 1));
    EXPECT_EQ((Strings{"a", "b,"}), Fields("a,b,", ",", 0, 2));
    EXPECT_EQ((Strings{",a,b"}), Fields(",,a,b", ",", 0, 2));
}

TEST(TokenizerTest, TrimmingIsOffWhenABlankSeparates)
{
    EXPECT_EQ((Strings{"a", "b"}), Fields("  a , b  ", ",", TOKENIZE_TRIM));
    EXPECT_EQ((Strings{"a", "b"}), Fields("  a , b  ", " ,", TOKENIZE_TRIM));
    EXPECT_EQ((Strings{"", "a", "", "", "b", "", ""}), Fields(" a , b  ", " ,", TOKENIZE_TRIM | TOKENIZE_KEEP_EMPTY));

    int count = -1;
    EXPECT_TRUE(Fields("   ", ",", TOKENIZE_TRIM, -1, 0, 0, &count).empty());
    EXPECT_EQ(0, count);
    EXPECT_EQ((Strings{""}), Fields("   ", ",", TOKENIZE_TRIM | TOKENIZE_KEEP_EMPTY, -1, 0, 0, &count));
    EXPECT_EQ(1, count);
}

TEST(TokenizerTest, NullOrEmptyTextAppendsNothing)
{
    CStringArray array;
    EXPECT_EQ(0, TokenizeText(NULL, array, ',', TOKENIZE_KEEP_EMPTY, -1, 0, 0));
    EXPECT_EQ(0, TokenizeText("", array, ',', TOKENIZE_KEEP_EMPTY, -1, 0, 0));
    EXPECT_EQ(0, array.GetSize());
}

TEST(TokenizerTest, FieldsFollowThePreviousContents)
{
    CStringArray array;
    array.Add("old");
    EXPECT_EQ(2, TokenizeText("n1|n2", array, '|', 0, -1, 0, 0));
    ASSERT_EQ(3, array.GetSize());
    EXPECT_STREQ("old", (const char*)array[0]);
    EXPECT_STREQ("n2", (const char*)array[2]);
}

TEST(TokenizerTest, LongFieldsAreNotCut)
{
    CString longField('k', 5000);
    CString text = longField + ";x";
    EXPECT_EQ((Strings{std::string(5000, 'k'), "x"}), Fields(text, ";", 0));
}
