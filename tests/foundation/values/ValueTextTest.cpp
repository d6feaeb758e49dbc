#include "foundation/values/ValueConversions.h"

#include <gtest/gtest.h>

TEST(ValueTextTest, TriStates)
{
    TriState state = -1;
    EXPECT_TRUE(ParseTriState("Y", &state));
    EXPECT_EQ(1, state);
    EXPECT_TRUE(ParseTriState("u", &state));
    EXPECT_EQ(2, state);
    EXPECT_TRUE(ParseTriState("n", &state));
    EXPECT_EQ(0, state);
    EXPECT_FALSE(ParseTriState("yes", &state));
    EXPECT_FALSE(ParseTriState("x", &state));
    EXPECT_EQ(0, state);
    EXPECT_STREQ("f", TriStateToLetter(0));
    EXPECT_STREQ("t", TriStateToLetter(1));
    EXPECT_STREQ("i", TriStateToLetter(7));
}

TEST(ValueTextTest, Colours)
{
    COLORREF colour = 0;
    EXPECT_TRUE(ParseColour("default", &colour));
    EXPECT_EQ(DEFAULT_COLOUR, colour);
    EXPECT_TRUE(ParseColour("#FF8000", &colour));
    EXPECT_EQ(0x000080FFu, colour);
    EXPECT_TRUE(ParseColour("#ff8000", &colour));
    EXPECT_EQ(0x000080FFu, colour);
    EXPECT_FALSE(ParseColour("#ff800", &colour));
    EXPECT_FALSE(ParseColour("ff8000", &colour));
    // Characters that are no hexadecimal digits are refused rather than
    // spilling into the neighbouring colour bytes.
    for (const char* text : {"#gg0000", "#0000zz", "#12 456", "#-12345"})
        EXPECT_FALSE(ParseColour(text, &colour)) << text;
    EXPECT_EQ(0x000080FFu, colour);
    EXPECT_TRUE(ParseColour("#AbCdEf", &colour));
    EXPECT_EQ(0x00EFCDABu, colour);
    EXPECT_STREQ("#ff8000", (const char*)ColourToString(0x000080FF));
    EXPECT_STREQ("#010203", (const char*)ColourToString(0x05030201));
    EXPECT_STREQ("Default", (const char*)ColourToString(DEFAULT_COLOUR));
}

TEST(ValueTextTest, CompassPositions)
{
    CompassPosition position = -1;
    EXPECT_TRUE(ParseCompassPosition("NE", &position));
    EXPECT_EQ(5, position);
    EXPECT_TRUE(ParseCompassPosition("n", &position));
    EXPECT_EQ(1, position);
    EXPECT_TRUE(ParseCompassPosition("Sw", &position));
    EXPECT_EQ(8, position);
    EXPECT_FALSE(ParseCompassPosition("north", &position));
}

TEST(CharEditsTest, CountAndRemove)
{
    EXPECT_EQ(3, CountChar("a\nb\n\n", '\n'));
    EXPECT_EQ(0, CountChar(NULL, 'a'));

    CString text("a - b");
    RemoveCharsInSet(text, " -");
    EXPECT_STREQ("ab", (const char*)text);
    CString kept("a - b");
    RemoveCharsInSet(kept, NULL);
    EXPECT_STREQ("a - b", (const char*)kept);
    CString one("banana");
    RemoveChar(one, 'a');
    EXPECT_STREQ("bnn", (const char*)one);
    CString shared("x.y");
    CString copy = shared;
    RemoveChars(copy, ".");
    EXPECT_STREQ("x.y", (const char*)shared);
    EXPECT_STREQ("xy", (const char*)copy);
}

TEST(CharEditsTest, TitleCase)
{
    EXPECT_STREQ("Hello World", (const char*)MakeTitleCase("HELLO wORLD"));
    EXPECT_STREQ("Mary-Jane", (const char*)MakeTitleCase("mary-jane"));
    EXPECT_STREQ("O'neil", (const char*)MakeTitleCase("o'neil"));
    EXPECT_STREQ("Don't", (const char*)MakeTitleCase("don't"));
    EXPECT_STREQ("Rock 'N' Roll", (const char*)MakeTitleCase("rock 'n' roll"));
    EXPECT_STREQ("", (const char*)MakeTitleCase(""));
    EXPECT_STREQ("", (const char*)MakeTitleCase(NULL));
    CString longText('a', 150);
    EXPECT_EQ(150, MakeTitleCase(longText).GetLength());
}
