#include "foundation/system/MemoryUsage.h"
#include "foundation/text/TextReflow.h"
#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"

#include <gtest/gtest.h>
#include "support/ThreadCpuTime.h"

TEST(TextReflowTest, RunsOfLineBreaksKeepOneBreakLess)
{
    EXPECT_STREQ(ReflowParagraphs("one\r\ntwo"), "one two");
    EXPECT_STREQ(ReflowParagraphs("one\n\ntwo"), "one\r\ntwo");
    EXPECT_STREQ(ReflowParagraphs("one\r\n\r\n\r\ntwo"), "one\r\n\r\ntwo");
    EXPECT_STREQ(ReflowParagraphs("one\n\n\n\ntwo"), "one\r\n\r\n\r\ntwo");
    EXPECT_STREQ(ReflowParagraphs("one\n\n\n\n\ntwo"), "one\r\n\r\n\r\n two");
    EXPECT_STREQ(ReflowParagraphs("one\n\n\n\n\n\ntwo"), "one\r\n\r\n\r\n\r\ntwo");
    EXPECT_STREQ(ReflowParagraphs("one\n\n\n\n\n\n\n\ntwo"), "one\r\n\r\n\r\n\r\n\r\n\r\ntwo");
    EXPECT_STREQ(ReflowParagraphs("a lone\rreturn"), "a lone\rreturn");
    EXPECT_STREQ(ReflowParagraphs("ends with a break\n"), "ends with a break ");
    EXPECT_STREQ(ReflowParagraphs(""), "");
    EXPECT_STREQ(ReflowParagraphs(NULL), "");
}

TEST(TextReflowTest, HardWrappedNotesBecomeParagraphs)
{
    const char* notes =
        "Merle is dominant and\r\n"
        "lethal when homozygous.\r\n"
        "\r\n"
        "Test both parents\r\n"
        "before a mating.\r\n";
    EXPECT_STREQ(ReflowParagraphs(notes),
                 "Merle is dominant and lethal when homozygous.\r\nTest both parents before a mating. ");
    // The marker words themselves in the notes turn into breaks; other cases stay.
    EXPECT_STREQ(ReflowParagraphs("xPlUgHy plugh"), "x\r\ny plugh");
}

TEST(TextReflowTest, CaseModes)
{
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 0), "bLUE merle");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 1), "BLUE MERLE");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 2), "blue merle");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 3), "Blue merle");
    EXPECT_STREQ(ApplyTextCase("2 bLUE", 3), "2 blue");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 4), "Blue Merle");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 5), "Blue MERLE");
    EXPECT_STREQ(ApplyTextCase("bLUE merle", 6), "");
    EXPECT_STREQ(ApplyTextCase(NULL, 0), "");
    EXPECT_STREQ(ApplyTextCase("", 3), "");
}

TEST(MemoryUsageTest, WholeMegabytesRoundUp)
{
    EXPECT_STREQ(FormatMemoryUsageText(1, 1024, 1025, 0), "Mem. Usage 1Mb (max 1Mb) [virt: 2Mb (max 0Mb)]");

    int saved = WindowsVersionCode;
    WindowsVersionCode = 4;
    DWORD a, b, c, d;
    EXPECT_FALSE(GetProcessMemoryCounters(a, b, c, d));
    EXPECT_EQ(a + b + c + d, 0u);
    EXPECT_STREQ(GetMemoryUsageText(), "");
    EXPECT_EQ(GetMaxEditTextLength(), 65535u);

    WindowsVersionCode = 5;
    EXPECT_EQ(GetMaxEditTextLength(), 4194304u);
    ASSERT_TRUE(GetProcessMemoryCounters(a, b, c, d));
    EXPECT_GT(a, 0u);
    EXPECT_GE(b, a);
    EXPECT_EQ(GetMemoryUsageText().Find("Mem. Usage "), 0);
    WindowsVersionCode = saved;
}

namespace
{
// A memory device context with a fixed-pitch font, so widths count characters.
class CFixedPitchDC
{
public:
    CFixedPitchDC() : m_font(m_dc, ::GetStockObject(ANSI_FIXED_FONT))
    {
        SIZE size = {};
        ::GetTextExtentPoint32A(m_dc, "W", 1, &size);
        m_charWidth = size.cx;
    }
    int Width(int characters) const { return characters * m_charWidth; }
    CScreenMemoryDC m_dc;

private:
    CSelectedObject m_font;
    int m_charWidth;
};
}  // namespace

TEST(TextReflowTest, LinesAreWrappedToTheWidthAtBlanks)
{
    CFixedPitchDC dc;
    SIZE narrow = {};
    ::GetTextExtentPoint32A(dc.m_dc, "iii", 3, &narrow);
    ASSERT_EQ(narrow.cx, dc.Width(3)) << "the font is of fixed pitch";
    const struct
    {
        const char* text;
        int characters;
        const char* wrapped;
    } cases[] = {
        {"short line", 20, "short line"},
        {"one two three four", 9, "one two\r\nthree\r\nfour"},
        {"abcd efgh", 4, "abcd\r\nefgh"},
        {"abcdefghij", 4, "abcd\r\nefgh\r\nij"},
        {"ab cd\r\n\r\nef gh", 2, "ab\r\ncd\r\n\r\nef\r\ngh"},
        {"ab cd\r\n", 5, "ab cd\r\n"},
        {"", 5, ""},
        {"ab", 0, "a\r\nb"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(WrapLinesToWidth(dc.m_dc, c.text, dc.Width(c.characters)), c.wrapped) << c.text;
    EXPECT_STREQ(WrapLinesToWidth(dc.m_dc, NULL, 10), "");
}

TEST(TextReflowTest, WrappingALongParagraphTakesTimeInProportionToItsLength)
{
    CFixedPitchDC dc;
    CString paragraph;
    for (int i = 0; i < 100000; i++)
        paragraph += "word ";
    const CThreadCpuTimer timer;
    const CString wrapped = WrapLinesToWidth(dc.m_dc, paragraph, dc.Width(60));
    const unsigned elapsed = timer.Milliseconds();
    // Twelve words a line: each break turns one blank into "\r\n".
    EXPECT_EQ(wrapped.GetLength(), paragraph.GetLength() + 100000 / 12);
    EXPECT_STREQ(wrapped.Left(62), "word word word word word word word word word word word word\r\nw");
    EXPECT_LT(elapsed, 2000u);
}
