#include "foundation/text/InlineText100.h"
#include "foundation/text/InlineText2000.h"

#include <gtest/gtest.h>

#include <string>

TEST(InlineText100Test, StartsEmptyAndInline)
{
    CInlineText100 text;
    EXPECT_EQ(0, text.GetLength());
    EXPECT_EQ(100, text.GetCapacity());
    EXPECT_STREQ("", text.GetText());
}

TEST(InlineText100Test, GrowsToTwiceTheRequestAndKeepsItsText)
{
    CInlineText100 text;
    std::string fifty(50, 'x');
    text.Append(fifty.c_str(), 50);

    text.Resize(101);
    EXPECT_EQ(202, text.GetCapacity());
    EXPECT_EQ(0, std::string(text.GetText(), 50).compare(fifty));
    EXPECT_EQ('\0', text.GetText()[101]);

    text.Resize(150);
    EXPECT_EQ(202, text.GetCapacity());
    text.Resize(300);
    EXPECT_EQ(600, text.GetCapacity());
    EXPECT_EQ(0, std::string(text.GetText(), 50).compare(fifty));
}

TEST(InlineText100Test, ShrinkingBackInlineKeepsTheHead)
{
    std::string source;
    for (int i = 0; i < 150; ++i)
        source += (char)('a' + i % 26);
    CInlineText100 text(source.c_str(), 150);
    EXPECT_EQ(300, text.GetCapacity());

    text.Resize(100);
    EXPECT_EQ(100, text.GetCapacity());
    EXPECT_EQ(source.substr(0, 100), text.GetText());
}

TEST(InlineText100Test, CountConstructorTreatsNonPositiveAsEmpty)
{
    CInlineText100 zero("abc", 0);
    CInlineText100 negative("abc", -5);
    EXPECT_EQ(0, zero.GetLength());
    EXPECT_EQ(0, negative.GetLength());
    EXPECT_EQ(100, negative.GetCapacity());
}

TEST(InlineText100Test, AssignReplacesHeapBlock)
{
    CInlineText100 text(CString('q', 120));
    EXPECT_EQ(240, text.GetCapacity());

    CString longer('r', 150);
    text.Assign(longer);
    EXPECT_EQ(150, text.GetLength());
    EXPECT_EQ(300, text.GetCapacity());
    EXPECT_STREQ((const char*)longer, text.GetText());

    text.Assign("");
    EXPECT_EQ(0, text.GetLength());
    EXPECT_EQ(100, text.GetCapacity());

    text.Assign((const char*)NULL);
    EXPECT_STREQ("", text.GetText());
}

TEST(InlineText100Test, LeftCutsAcrossBothStorages)
{
    CInlineText100 shortText("hello,world", 11);
    EXPECT_STREQ("hello", (const char*)shortText.Left(5));

    CString body('z', 130);
    CInlineText100 longText(body);
    EXPECT_EQ(CString('z', 120), longText.Left(120));
}

TEST(InlineText2000Test, RegrowthHasAFloorOfTenThousand)
{
    CInlineText2000 text;
    text.Resize(2001);
    EXPECT_EQ(4002, text.GetCapacity());
    text.Resize(4003);
    EXPECT_EQ(10000, text.GetCapacity());
    text.Resize(6000);
    EXPECT_EQ(10000, text.GetCapacity());
    text.Resize(12000);
    EXPECT_EQ(24000, text.GetCapacity());
    text.Resize(5);
    EXPECT_EQ(2000, text.GetCapacity());
    EXPECT_EQ(5, text.GetLength());
}

TEST(InlineText2000Test, FillConstructor)
{
    CInlineText2000 zeroChar('\0', 50);
    EXPECT_EQ(0, zeroChar.GetLength());

    CInlineText2000 dashes('-', 3000);
    EXPECT_EQ(3000, dashes.GetLength());
    EXPECT_EQ(6000, dashes.GetCapacity());
    EXPECT_EQ(std::string(3000, '-'), dashes.GetText());
}

TEST(InlineText2000Test, AppendingCharacterByCharacterKeepsEveryCharacter)
{
    CInlineText2000 text;
    std::string expected;
    for (int i = 0; i < 25000; ++i)
    {
        char c = (char)('A' + i % 23);
        text.AppendChar(c);
        expected += c;
    }
    EXPECT_EQ(expected, text.GetText());
}

TEST(InlineText100Test, FailedGrowthRaisesTheMemoryExceptionAndLeavesTheBufferUsable)
{
    CInlineText100 text("kept", 4);
    bool raised = false;
    try
    {
        text.Resize(0x70000000); // more than a 32-bit process can hold
    }
    catch (CMemoryException* e)
    {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(4, text.GetLength());
    EXPECT_STREQ("kept", text.GetText());
}

TEST(InlineText2000Test, FailedGrowthRaisesTheMemoryException)
{
    CInlineText2000 text('x', 3000);
    bool raised = false;
    try
    {
        text.Resize(0x70000000);
    }
    catch (CMemoryException* e)
    {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(3000, text.GetLength());
}
