#include "output/text/TextStyle.h"

#include <gtest/gtest.h>

#include "foundation/values/ValueText.h"
#include "framework/colours/NamedColours.h"
#include "output/printing/MyDC.h"

namespace
{
struct StyleRead
{
    const char* text;
    int result;
    const char* typeface;
    int points;
    WORD attributes;
    COLORREF colour;
};

class TextStyleReadTest : public ::testing::TestWithParam<StyleRead>
{
};

TEST_P(TextStyleReadTest, ReadsTheTextForm)
{
    const StyleRead& row = GetParam();
    CTextStyle style;
    style.m_typeface = "Unchanged";
    style.m_pointSize = 99;
    EXPECT_EQ(row.result, style.FromText(row.text)) << row.text;
    EXPECT_STREQ(row.typeface, style.m_typeface) << row.text;
    EXPECT_EQ(row.points, style.m_pointSize) << row.text;
    if (row.result == 1)
    {
        EXPECT_EQ(row.attributes, style.m_attributes) << row.text;
        EXPECT_EQ(row.colour, style.m_colour) << row.text;
    }
}

const WORD B = CTextStyle::Bold, I = CTextStyle::Italic, U = CTextStyle::Underline, S = CTextStyle::SmallCaps,
           A = CTextStyle::AllCaps;

INSTANTIATE_TEST_SUITE_P(
    Forms, TextStyleReadTest,
    ::testing::Values(StyleRead{"Arial,12", 1, "Arial", 12, 0, DEFAULT_COLOUR},
                      StyleRead{"Arial, 12 ,BOLD u", 1, "Arial", 12, (WORD)(B | U), DEFAULT_COLOUR},
                      StyleRead{"Arial,8,i s a caps bigger fixedwidth", 1, "Arial", 8,
                                (WORD)(I | S | A | CTextStyle::Bigger | CTextStyle::FixedWidth), DEFAULT_COLOUR},
                      StyleRead{"Arial,8,Normal", 1, "Arial", 8, 0, DEFAULT_COLOUR},
                      StyleRead{"Arial,8,sparkly #0000ff", 1, "Arial", 8, 0, RGB(0, 0, 255)},
                      StyleRead{"Arial,8,red", 1, "Arial", 8, 0, RGB(255, 0, 0)},
                      StyleRead{"Arial,-3,", 1, "Arial", -3, 0, DEFAULT_COLOUR},
                      // Colour names with blanks, written plainly or in parentheses.
                      StyleRead{"Arial,8,Bold Dark magenta", 1, "Arial", 8, B, 0x800080},
                      StyleRead{"Arial,8,(Sea green) u", 1, "Arial", 8, U, 0x71B33C},
                      StyleRead{"Arial,8,light GREY i", 1, "Arial", 8, I, 0xC0C0C0},
                      StyleRead{"Arial,8,Grey - 50", 1, "Arial", 8, 0, 0x7F7F7F},
                      StyleRead{"Arial,8,Pale green", 1, "Arial", 8, 0, 0x98FB98},
                      StyleRead{"Arial,8,Dark b", 1, "Arial", 8, B, DEFAULT_COLOUR},
                      StyleRead{"Arial,,Bold", 0, "Arial", 99, 0, 0},
                      StyleRead{",10", 0, "", 99, 0, 0},
                      StyleRead{"Arial", 0, "Unchanged", 99, 0, 0},
                      StyleRead{"Arial,1.5", 0, "Arial", 99, 0, 0}));

TEST(TextStyleTest, TextFormRoundTripsIncludingColourNamesWithBlanks)
{
    struct
    {
        WORD attributes;
        COLORREF colour;
        const char* expected;
    } rows[] = {
        {0, DEFAULT_COLOUR, "Arial,12,Normal"},
        {B, DEFAULT_COLOUR, "Arial,12,Bold"},
        {(WORD)(B | I | U | S | A | CTextStyle::Bigger | CTextStyle::FixedWidth), DEFAULT_COLOUR,
         "Arial,12,Bold Italic Underline SmallCaps AllCaps Bigger FixedWidth"},
        {0, RGB(255, 0, 0), "Arial,12,Red"},
        {B, 0x800080, "Arial,12,Bold Dark magenta"},
        {0, 0x98FB98, "Arial,12,Pale green "},
        {0, RGB(1, 2, 3), "Arial,12,#010203"},
    };
    for (const auto& row : rows)
    {
        CTextStyle style;
        style.m_typeface = "Arial";
        style.m_pointSize = 12;
        style.m_attributes = row.attributes;
        style.m_colour = row.colour;
        EXPECT_STREQ(row.expected, style.ToText());
        CTextStyle copy;
        EXPECT_EQ(1, copy.FromText(style.ToText()));
        EXPECT_TRUE(copy.IsEqual(&style)) << row.expected;
    }
}

TEST(TextStyleTest, CloneCompareAndDescribe)
{
    CTextStyle style;
    EXPECT_STREQ("Times New Roman,10,Normal", style.ToText());
    EXPECT_EQ(52, style.m_kindCode);
    style.FromText("Times New Roman,12,Bold FixedWidth Dark blue");
    style.m_colour = DEFAULT_COLOUR;
    EXPECT_STREQ("Times New Roman, 12 pt, Bold", style.Describe());
    style.m_attributes = CTextStyle::FixedWidth;
    EXPECT_STREQ("Times New Roman, 12 pt", style.Describe());
    style.m_attributes = CTextStyle::SmallCaps | CTextStyle::Bigger;
    style.m_colour = 0x8B0000;
    EXPECT_STREQ("Times New Roman, 12 pt, Small Caps, 1 Pt Bigger, Dark blue", style.Describe());

    CTextStyle* copy = static_cast<CTextStyle*>(style.Clone());
    EXPECT_TRUE(copy->IsEqual(&style));
    copy->m_typeface = "times new roman";
    EXPECT_FALSE(copy->IsEqual(&style)); // typefaces compare with case
    delete copy;
}

TEST(TextStyleTest, NameOrTextFallsBackToTheDefaultFont)
{
    CNamedStringMap styles;
    styles.SetAt("Heading", "Arial,14,Bold");
    styles.SetAt("Broken", "Arial");
    CTextStyle style;
    EXPECT_EQ(1, style.SetFromNameOrText(styles, "Heading"));
    EXPECT_STREQ("Arial,14,Bold", style.ToText());
    EXPECT_EQ(1, style.SetFromNameOrText(styles, "Courier New,9"));
    EXPECT_STREQ("Courier New,9,Normal", style.ToText());
    for (const char* bad : {"heading", "Broken", "Missing", ",9"})
    {
        style.FromText("Arial,14,Bold");
        EXPECT_EQ(0, style.SetFromNameOrText(styles, bad)) << bad;
        EXPECT_STREQ("Times New Roman,10,Normal", style.ToText()) << bad;
    }
}

TEST(TextStyleTest, FontsFollowThePrinterResolutionAndStayReadable)
{
    CMyDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    struct
    {
        const char* form;
        int resolution;
        double scale;
        LONG height;
    } rows[] = {
        {"Arial,12,Bold Italic Underline", 72, 1.0, -12},
        {"Arial,12", 300, 1.0, -50},
        {"Arial,12", 300, 2.0, -100},
        {"Arial,2", 72, 1.0, -4}, // at least 4 pixels
        {"Arial,2000000000", 600, 1.0, -(LONG)(32000 * 600 / 72)},
    };
    for (const auto& row : rows)
    {
        CTextStyle style;
        ASSERT_EQ(1, style.FromText(row.form));
        dc.SetResolution(row.resolution, row.resolution);
        LOGFONT lf;
        CFont font;
        TEXTMETRIC tm;
        HGDIOBJ before = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
        style.CreateFont(&dc, &lf, &font, &tm, row.scale);
        EXPECT_EQ(row.height, lf.lfHeight) << row.form;
        EXPECT_EQ(before, ::GetCurrentObject(dc.m_hDC, OBJ_FONT)) << row.form;
        EXPECT_NE((HGDIOBJ)NULL, font.GetSafeHandle());
        EXPECT_GT(tm.tmHeight, 0);
    }
    CTextStyle bold;
    bold.FromText("Arial,12,Bold Italic Underline");
    LOGFONT lf;
    CFont font;
    TEXTMETRIC tm;
    bold.CreateFont(&dc, &lf, &font, &tm, 1.0);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_TRUE(lf.lfItalic && lf.lfUnderline);

    CTextStyle longName;
    longName.m_typeface = CString('x', 80);
    longName.CreateFont(&dc, &lf, &font, &tm, 1.0);
    EXPECT_EQ(LF_FACESIZE - 1, (int)strlen(lf.lfFaceName));
}

TEST(NamedColoursTest, NamesAndTextsOfColours)
{
    EXPECT_STREQ("Dark magenta", GetColourName(0x800080));
    EXPECT_STREQ("Default", ColourToText(DEFAULT_COLOUR));
    EXPECT_STREQ("#563412", ColourToText(0x123456));
    COLORREF colour = 0;
    EXPECT_TRUE(TextToColour("dark MAGENTA", &colour));
    EXPECT_EQ(0x800080u, colour);
    EXPECT_TRUE(TextToColour(ColourToText(0x7F7F7F), &colour));
    EXPECT_EQ(0x7F7F7Fu, colour);
    EXPECT_TRUE(TextToColour("default", &colour));
    EXPECT_EQ(DEFAULT_COLOUR, colour);
    colour = 7;
    EXPECT_FALSE(TextToColour("pale green", &colour));
    EXPECT_FALSE(TextToColour("", &colour));
    EXPECT_EQ(7u, colour);
    EXPECT_TRUE(TextToColour("Pale green ", &colour));
    EXPECT_EQ(0x98FB98u, colour);
}
} // namespace
