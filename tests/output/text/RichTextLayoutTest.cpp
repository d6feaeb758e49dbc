#include "output/text/RichTextLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "output/printing/MyDC.h"
#include "output/text/RichTextFontCache.h"
#include "output/ScreenshotFile.h"
#include "output/printing/DibImage.h"
#include "support/ScratchFolder.h"
#include "output/pictures/PictureCache.h"
#include "output/pictures/Picture.h"
#include "output/pictures/CachedPicture.h"
#include "output/pictures/TestPictures.h"
#include "output/text/RichTextIndent.h"
#include "output/text/RichTextPicture.h"
#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "support/TestCanvas.h"

namespace
{
// A memory device context with a white bitmap, at the screen's resolution.
class RichTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(m_canvas.Bitmap(), (HBITMAP)NULL);
        m_dc.Attach(m_canvas.Dc());
        ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    }
    void TearDown() override { m_dc.Detach(); }

    void Lay(const char* text, int width = 10000, int flags = 0, int spacing = 0, int heightLimit = -1)
    {
        m_layout.Layout(m_styles, &m_dc, width, heightLimit, spacing, text, "Arial,10", -1, -1, flags);
    }
    // Text extent and metrics of a style on the same DC.
    SIZE Extent(const char* form, const char* text, TEXTMETRIC* metrics = NULL)
    {
        CTextStyle style;
        style.FromText(form);
        CFont font;
        TEXTMETRIC tm;
        style.CreateFont(&m_dc, NULL, &font, &tm, 1.0);
        CSelectedObject selected(m_dc.m_hDC, font.GetSafeHandle());
        SIZE size;
        ::GetTextExtentPoint32A(m_dc.m_hDC, text, (int)strlen(text), &size);
        if (metrics != NULL)
            *metrics = tm;
        return size;
    }
    CString LineText(int index)
    {
        CString text;
        const CRichTextLine& line = m_layout.GetLine(index);
        for (int i = 0; i < line.GetItemCount(); ++i)
            if (line.GetItem(i).run != NULL)
                text += line.GetItem(i).run->m_text;
        return text;
    }
    const CTextStyle& StyleOfFirstRun(int line = 0)
    {
        return *m_layout.m_styles[m_layout.GetLine(line).GetItem(0).run->m_fontIndex];
    }
    int CountPixels(const RECT& area, COLORREF colour)
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (::GetPixel(m_dc.m_hDC, x, y) == colour)
                    ++count;
        return count;
    }
    // The rows and columns holding anything but white.
    RECT InkBox(const RECT& area)
    {
        RECT box = {area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (::GetPixel(m_dc.m_hDC, x, y) != RGB(255, 255, 255))
                {
                    box.left = std::min<LONG>(box.left, x);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.top = std::min<LONG>(box.top, y);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

    CTestCanvas m_canvas{600, 400};
    CMyDC m_dc;
    CNamedStringMap m_styles;
    CRichTextLayout m_layout;
};

TEST_F(RichTextTest, EmptyTextLeavesTheLayoutEmpty)
{
    for (const char* text : {(const char*)NULL, ""})
    {
        Lay(text);
        EXPECT_EQ(0, m_layout.m_width);
        EXPECT_EQ(0, m_layout.m_height);
        EXPECT_EQ(0, m_layout.GetLineCount());
    }
}

TEST_F(RichTextTest, OneLineHasTheFontsHeightAndTheTextsWidth)
{
    TEXTMETRIC tm;
    SIZE size = Extent("Arial,10", "Hello world", &tm);
    Lay("Hello world");
    ASSERT_EQ(1, m_layout.GetLineCount());
    const CRichTextLine& line = m_layout.GetLine(0);
    EXPECT_EQ(0, line.m_top);
    EXPECT_EQ(tm.tmAscent, line.m_ascent);
    EXPECT_EQ(tm.tmHeight, line.m_bottom);
    EXPECT_EQ(size.cx, line.m_right - line.m_left);
    EXPECT_EQ(tm.tmHeight, m_layout.m_height);
    EXPECT_EQ(m_layout.m_leftOverhang + size.cx + m_layout.m_rightOverhang, m_layout.m_width);
    EXPECT_STREQ("Hello world", LineText(0));
}

TEST_F(RichTextTest, LinesBreakBetweenWordsWithinTheWidth)
{
    const char* text = "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda";
    SIZE word = Extent("Arial,10", "alpha beta gamma");
    Lay(text, word.cx + 2);
    ASSERT_GT(m_layout.GetLineCount(), 3);
    CString joined;
    for (int i = 0; i < m_layout.GetLineCount(); ++i)
    {
        const CRichTextLine& line = m_layout.GetLine(i);
        // Trailing blanks never break a line; the words fit.
        CString words = LineText(i);
        words.TrimRight();
        EXPECT_LE(Extent("Arial,10", words).cx, word.cx + 2) << i;
        if (i > 0)
        {
            EXPECT_EQ(m_layout.GetLine(i - 1).m_bottom, line.m_top);
        }
        joined += LineText(i);
    }
    EXPECT_STREQ(text, joined);
    EXPECT_STREQ("alpha beta gamma ", LineText(0));

    // A word wider than the limit stands alone and widens the layout.
    Lay("a incomprehensibilities b", 20);
    ASSERT_EQ(3, m_layout.GetLineCount());
    EXPECT_STREQ("incomprehensibilities ", LineText(1));
    EXPECT_GT(m_layout.m_width, 20);

    // Breaking only while another line fits: one line without a height limit.
    Lay(text, word.cx + 2, RICHTEXT_SINGLE_FILL);
    EXPECT_EQ(1, m_layout.GetLineCount());
    TEXTMETRIC tm;
    Extent("Arial,10", "x", &tm);
    Lay(text, word.cx + 2, RICHTEXT_SINGLE_FILL, 0, tm.tmHeight * 2);
    EXPECT_EQ(2, m_layout.GetLineCount());
}

TEST_F(RichTextTest, LineBreaksSpacingAndBlankLines)
{
    TEXTMETRIC tm;
    Extent("Arial,10", "x", &tm);
    int resolution = m_dc.m_yResolution;
    Lay("a\nb\rc\n\nd", 1000, 0, 6);
    ASSERT_EQ(4, m_layout.GetLineCount());
    int spacing = 6 * resolution / 72;
    EXPECT_EQ(m_layout.GetLine(0).m_bottom + spacing, m_layout.GetLine(1).m_top); // LF: spacing
    EXPECT_EQ(m_layout.GetLine(1).m_bottom, m_layout.GetLine(2).m_top);           // CR: none
    EXPECT_EQ(m_layout.GetLine(2).m_bottom + spacing + tm.tmHeight + spacing, m_layout.GetLine(3).m_top);
    Lay("a{v12}b");
    EXPECT_EQ(m_layout.GetLine(0).m_bottom + 12 * resolution / 72, m_layout.GetLine(1).m_top);

    // Compacting drops leading breaks and shortens runs of them.
    Lay("\n\n\nfirst\n\n\n\nsecond", 1000, RICHTEXT_COMPACT);
    ASSERT_EQ(2, m_layout.GetLineCount());
    EXPECT_EQ(0, m_layout.GetLine(0).m_top);
    EXPECT_EQ(m_layout.GetLine(0).m_bottom + tm.tmHeight, m_layout.GetLine(1).m_top);
}

TEST_F(RichTextTest, CodesChangeFontsSizesAndColours)
{
    struct
    {
        const char* text;
        const char* style; // of the first run
    } rows[] = {
        {"{b+}x", "Arial,10,Bold"},
        {"{b-}x", "Arial,10,Bold"}, // an unmatched minus also switches on
        {"{b+}{b-}x", "Arial,10,Normal"},
        {"{b2}{i+1}x", "Arial,10,Normal"},
        {"{b}{i}{u}x", "Arial,10,Bold Italic Underline"},
        {"{h+50%}x", "Arial,15,Normal"},
        {"{h+4}{h+50%}{h-}x", "Arial,14,Normal"},
        {"{h-90}x", "Arial,4,Normal"},
        {"{h+200}{h+200}x", "Arial,100,Normal"},
        {"{h+300}x", "Arial,10,Normal"},
        {"{h}x", "Arial,11,Normal"},
        {"{fCourier New,12,Italic}x", "Courier New,12,Italic"},
        {"{fHeading}x", "Times New Roman,14,Bold"},
        {"{fNo such style}x", "Arial,10,Normal"},
        {"{r#ff0000}x", "Arial,10,Red"},
        {"{r#ff0000}{rnonsense}x", "Arial,10,Normal"},
        {"{k+}{b+}{h+2}{k-}x", "Arial,10,Normal"},
        {"{h+2}{k+}{h+3}{k-}x", "Arial,12,Normal"},
        {"{h+2}{k+}{h+3}{k-}{h-}x", "Arial,10,Normal"},
        {"{h+2}{k+}{fArial,20}{h+1}{k-}x", "Arial,12,Normal"},
        {"{h+5}{fArial,8}{h+1}x", "Arial,9,Normal"},
        {"{h-}{h-}{h+1}x", "Arial,11,Normal"},
        {"{h-90}{h+3}x", "Arial,7,Normal"},
        {"{cAll}x", "Arial,10,Normal"},
        {"{H+}{b+}{H-}x", "Arial,10,Normal"},
    };
    m_styles.SetAt("Heading", "Times New Roman,14,Bold");
    for (const auto& row : rows)
    {
        Lay(row.text);
        ASSERT_EQ(1, m_layout.GetLineCount()) << row.text;
        EXPECT_STREQ(row.style, StyleOfFirstRun().ToText()) << row.text;
    }
}

TEST_F(RichTextTest, MarkupTextsGiveTheirCharacters)
{
    struct
    {
        const char* text;
        const char* shown;
    } rows[] = {
        {"\\{b+}x", "{b+}x"},        {"a\\b", "a\\b"},         {"{H+}hidden{H-}shown", "shown"},
        {"{H+}{H+}x{H-}y{H-}z", "z"}, {"a_b\x01\x02", "a b_,"}, {"{c+}caps{c-}", "CAPS"},
        {"abc{b+", "abc"},           {"{}a{}", "a"},           {"{Q}q", "q"},
        {"[cuab]", "AB"},            {"{fArial,10,Bold_Italic}x", "x"},
    };
    for (const auto& row : rows)
    {
        Lay(row.text);
        CString shown;
        for (int i = 0; i < m_layout.GetLineCount(); ++i)
            shown += LineText(i);
        EXPECT_STREQ(row.shown, shown) << row.text;
    }
    // Underscores are blanks that never break a line.
    Lay("aaaa_bbbb_cccc dddd", 5);
    EXPECT_STREQ("aaaa bbbb cccc ", LineText(0));
    // Small capitals: lower-case letters as capitals in a smaller font.
    Lay("{s+}Ab");
    ASSERT_EQ(2, m_layout.GetLine(0).GetItemCount());
    EXPECT_STREQ("AB", LineText(0));
    EXPECT_STREQ("Arial,10,Normal", StyleOfFirstRun().ToText());
    EXPECT_STREQ("Arial,9,Normal", m_layout.m_styles[m_layout.GetLine(0).GetItem(1).run->m_fontIndex]->ToText());
}

TEST_F(RichTextTest, TabsAndIndentation)
{
    TEXTMETRIC tm;
    Extent("Arial,10", "x", &tm);
    int average = tm.tmAveCharWidth;
    struct
    {
        const char* text;
        int stop; // in average widths, where the text after the tab starts
    } rows[] = {{"{t}x", 8}, {"{T4}{t}x", 4}, {"{T10,20,15}{t}{t}{t}x", 20}, {"{T0,5}{t}x", 8}};
    for (const auto& row : rows)
    {
        Lay(row.text);
        const CRichTextLine& line = m_layout.GetLine(0);
        int x = line.m_startX;
        for (int i = 0; i < line.GetItemCount() - 1; ++i)
            x += line.GetItem(i).width();
        EXPECT_EQ(row.stop * average + (strstr(row.text, "15") ? 1 : 0), x) << row.text;
    }
    SIZE word = Extent("Arial,10", "word word");
    Lay("{L4}word word word word word word", word.cx + 2);
    ASSERT_GT(m_layout.GetLineCount(), 1);
    EXPECT_EQ(0, m_layout.GetLine(0).m_startX);
    EXPECT_EQ(4 * average, m_layout.GetLine(1).m_startX);
}

TEST_F(RichTextTest, KeptStylesEndWithTheirText)
{
    // The style kept by a text left open is not what the next text goes back to.
    Lay("{k+}x");
    Lay("{fCourier New,12}{k-}x");
    EXPECT_STREQ("Courier New,12,Normal", StyleOfFirstRun().ToText());
}

TEST_F(RichTextTest, LayoutGivesEachDeviceContextItsOwnFontBack)
{
    // Measured on an attribute DC of its own, as a preview measures on the printer.
    CMyDC attrib;
    ASSERT_TRUE(attrib.CreateCompatibleDC(NULL));
    HGDIOBJ attribFont = ::GetStockObject(ANSI_FIXED_FONT);
    CSelectedObject attribSelected(attrib.m_hDC, attribFont);
    HGDIOBJ font = ::GetCurrentObject(m_dc.m_hDC, OBJ_FONT);
    ASSERT_NE(font, attribFont);
    m_dc.SetAttribDC(attrib.m_hDC);
    Lay("{b+}bold{b-} plain");
    m_dc.SetAttribDC(m_dc.m_hDC);
    EXPECT_EQ(2, m_layout.GetLine(0).GetItemCount());
    EXPECT_EQ(font, ::GetCurrentObject(m_dc.m_hDC, OBJ_FONT));
    EXPECT_EQ(attribFont, ::GetCurrentObject(attrib.m_hDC, OBJ_FONT));
}

TEST_F(RichTextTest, PagingMovesLinesToTheNextPage)
{
    TEXTMETRIC tm;
    Extent("Arial,10", "x", &tm);
    int page = tm.tmHeight * 5 / 2; // two and a half lines
    m_layout.Layout(m_styles, &m_dc, 1000, -1, 0, "1\n2\n3\n4\n5", "Arial,10", 0, page, 0);
    ASSERT_EQ(5, m_layout.GetLineCount());
    EXPECT_EQ(tm.tmHeight, m_layout.GetLine(1).m_top);
    EXPECT_EQ(page, m_layout.GetLine(2).m_top);
    EXPECT_EQ(page + tm.tmHeight, m_layout.GetLine(3).m_top);
    EXPECT_EQ(2 * page, m_layout.GetLine(4).m_top);
}

TEST_F(RichTextTest, FontsComeFromTheDeviceContextsCache)
{
    Lay("{b+}a{b-}b{b+}c");
    CRichTextFontCache* cache = CRichTextFontCache::ForDC(&m_dc);
    EXPECT_EQ(2, cache->GetCount());
    EXPECT_EQ(2u, m_layout.m_styles.size());
    Lay("{b+}again");
    EXPECT_EQ(2, cache->GetCount());
}

TEST_F(RichTextTest, PaintingDrawsRunsInTheirColours)
{
    Lay("{r#ff0000}RED{r#0000ff} BLUE{rDefault} INK");
    RECT destination = {10, 10, 10 + m_layout.m_width, 10 + m_layout.m_height};
    RECT everything = {0, 0, 600, 400};
    m_layout.Paint(&m_dc, destination, everything, 0, -1);
    RECT ink = InkBox(everything);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, destination.right + 2);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, destination.bottom);
    EXPECT_GT(CountPixels(everything, RGB(255, 0, 0)), 10);
    EXPECT_GT(CountPixels(everything, RGB(0, 0, 255)), 10);
    EXPECT_GT(CountPixels(everything, RGB(0, 0, 0)), 10);
    SaveScreenshot(m_canvas.DeselectBitmap(), "rich_text_colours");
    m_canvas.SelectBitmap();

    // Nothing is drawn into an empty destination or clip.
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    RECT empty = {50, 50, 50, 80};
    m_layout.Paint(&m_dc, empty, everything, 0, -1);
    m_layout.Paint(&m_dc, destination, empty, 0, -1);
    EXPECT_EQ(0, CountPixels(everything, RGB(255, 0, 0)));
}

TEST_F(RichTextTest, PaintingScalesLinesAndFonts)
{
    Lay("Xg\nXg");
    RECT everything = {0, 0, 600, 400};
    RECT single = {0, 0, m_layout.m_width, m_layout.m_height};
    m_layout.Paint(&m_dc, single, everything, 0, -1);
    RECT small = InkBox(everything);
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    RECT twice = {0, 0, 2 * m_layout.m_width, 2 * m_layout.m_height};
    m_layout.Paint(&m_dc, twice, everything, 0, -1);
    RECT large = InkBox(everything);
    int smallHeight = small.bottom - small.top, largeHeight = large.bottom - large.top;
    EXPECT_NEAR(2 * smallHeight, largeHeight, 4);
    EXPECT_NEAR(2 * (small.right - small.left), large.right - large.left, 6);

    // Only the first line when asked for one.
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    m_layout.Paint(&m_dc, single, everything, 0, 1);
    RECT first = InkBox(everything);
    EXPECT_LE(first.bottom, m_layout.GetLine(0).m_bottom);
}

TEST_F(RichTextTest, EllipsisEndsTheLastPaintedLine)
{
    Lay("Short");
    RECT everything = {0, 0, 600, 400};
    RECT destination = {0, 0, m_layout.m_width, m_layout.m_height};
    m_layout.Paint(&m_dc, destination, everything, 0, 1);
    int plain = InkBox(everything).right;
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    m_layout.Paint(&m_dc, destination, everything, RICHTEXT_ELLIPSIS_LAST, 1);
    EXPECT_GT(InkBox(everything).right, plain + 3); // "..." follows although the text fits

    Lay("A rather long line of text");
    RECT narrow = {0, 0, 60, m_layout.m_height};
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    m_layout.Paint(&m_dc, destination, narrow, RICHTEXT_ELLIPSIS_CLIPPED, -1);
    EXPECT_LE(InkBox(everything).right, 60);
}

TEST(RichTextRobustnessTest, RandomAndDamagedMarkupLaysOutAndPaints)
{
    CTestCanvas canvas(200, 200);
    ASSERT_NE(canvas.Bitmap(), (HBITMAP)NULL);
    CMyDC dc;
    dc.Attach(canvas.Dc());
    const char* pieces[] = {"{b+}", "{b-}", "{i}", "{u-}", "{s+}", "{c+}", "{k+}", "{k-}", "{h+50%}", "{h-}",
                            "{h+999}", "{T3,1}", "{T5}", "{L2}", "{t}", "{v9}", "{H+}", "{H-}", "{r#00ff00}",
                            "{fArial,8}", "{f,}", "{p x.bmp|1in}", "\\{", "{", "}", "[cu", "]", "[asn 1 2]",
                            "word ", "_", "\n", "\r", "  ", "\x01", "\x02", "\xe9t\xe9 "};
    std::mt19937 random(102);
    CNamedStringMap styles;
    for (int round = 0; round < 400; ++round)
    {
        std::string text;
        int count = (int)(random() % 40);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
        CRichTextLayout layout;
        int width = (int)(random() % 300);
        layout.Layout(styles, &dc, width, (int)(random() % 3) == 0 ? 50 : -1, (int)(random() % 5), text.c_str(),
                      "Arial,9", (int)(random() % 3) == 0 ? 20 : -1, 30, (int)(random() % 8));
        RECT destination = {0, 0, 1 + (int)(random() % 200), 1 + (int)(random() % 200)};
        layout.Paint(&dc, destination, destination, (int)(random() % 8), (int)(random() % 4) - 1);
        EXPECT_GE(layout.m_height, 0);
    }
    dc.Detach();
}
} // namespace

namespace
{
// Size codes left open, each followed by a style code: the layout's time
// grows with their number, not with its square (five times the codes took
// 25 times the time when every style code walked all the open sizes).
TEST_F(RichTextTest, LayoutTimeGrowsInProportionToOpenSizeCodes)
{
    auto bestSeconds = [this](int codes) {
        std::string text;
        for (int i = 0; i < codes; ++i)
            text += i % 2 == 0 ? "{h+1}{b+}{k+}" : "{h-1}{b-}";
        text += "ab";
        double best = 1e9;
        for (int round = 0; round < 2; ++round)
        {
            LARGE_INTEGER frequency, start, end;
            ::QueryPerformanceFrequency(&frequency);
            ::QueryPerformanceCounter(&start);
            Lay(text.c_str(), 600);
            ::QueryPerformanceCounter(&end);
            best = std::min(best, (double)(end.QuadPart - start.QuadPart) / frequency.QuadPart);
        }
        return best;
    };
    const double few = bestSeconds(4000), many = bestSeconds(20000);
    EXPECT_LT(many, 12 * few) << few << " s for 4,000 codes, " << many << " s for 20,000";
}

// One long unbroken word cut to end in "..." at the clip edge: the painting
// time grows with the word's length, not with its square (four times the
// length took 16 times the time when the word lost a character per measuring).
TEST_F(RichTextTest, EllipsisFittingTimeGrowsInProportionToTheWord)
{
    auto bestSeconds = [this](int letters) {
        Lay(std::string(letters, 'w').c_str(), 1 << 30);
        const RECT destination = {0, 0, m_layout.m_width, m_layout.m_height};
        const RECT clip = {0, 0, 300, 400};
        double best = 1e9;
        for (int round = 0; round < 3; ++round)
        {
            LARGE_INTEGER frequency, start, end;
            ::QueryPerformanceFrequency(&frequency);
            ::QueryPerformanceCounter(&start);
            m_layout.Paint(&m_dc, destination, clip, RICHTEXT_ELLIPSIS_LAST, 1);
            ::QueryPerformanceCounter(&end);
            best = std::min(best, (double)(end.QuadPart - start.QuadPart) / frequency.QuadPart);
        }
        return best;
    };
    const double few = bestSeconds(6000), many = bestSeconds(24000);
    EXPECT_LT(many, 8 * few) << few << " s for 6,000 letters, " << many << " s for 24,000";
}

TEST_F(RichTextTest, PicturesTakeTheirSizeAndDrawOrShowTheError)
{
    InitPictureCache(2048);
    CScratchFolder folder("richpicture");
    CDibImage blue(IMAGE_BMP);
    ASSERT_NE(nullptr, blue.Create(20, 10, 24, IMAGE_BMP));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            blue.GetRow(y)[3 * x] = 255; // blue, green and red 0
    std::string path = folder / "blue.bmp";
    ASSERT_TRUE(blue.SaveToFile(path.c_str(), IMAGE_BMP));

    {
        CCachedPicture probe;
        ASSERT_TRUE(probe.Load(path.c_str(), MakePictureLoadOptions(300, 300))) << path;
        ASSERT_GT(probe.GetPicture()->GetWidthInInches(), 0.0);
    }
    m_dc.SetResolution(100, 100);
    // "_" in a code's argument is a blank: the [u...] field protects the
    // underscore of the folder's name.
    CString text = CString("{p[u") + path.c_str() + "]|1in|0.5in}";
    Lay(text);
    ASSERT_EQ(1, m_layout.GetLineCount());
    ASSERT_EQ(1u, m_layout.m_elements.size());
    EXPECT_EQ(100, m_layout.m_elements[0]->m_width);
    EXPECT_EQ(50, m_layout.m_elements[0]->m_height);
    RECT everything = {0, 0, 600, 400};
    RECT destination = {10, 10, 10 + m_layout.m_width, 10 + m_layout.m_height};
    m_layout.Paint(&m_dc, destination, everything, 0, -1);
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(m_dc.m_hDC, 60, 10 + m_layout.GetLine(0).m_ascent - 25));

    // Open sizes follow the picture's proportions within the width.
    Lay(CString("{p[u") + path.c_str() + "]}", 200);
    ASSERT_EQ(1u, m_layout.m_elements.size());
    EXPECT_EQ(200, m_layout.m_elements[0]->m_width);
    EXPECT_EQ(100, m_layout.m_elements[0]->m_height);

    // A missing picture shows the error text in a red box; five parts are no picture.
    ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
    Lay(CString("{p[u") + (folder / "missing.bmp").c_str() + "]|2in|0.3in}");
    m_layout.Paint(&m_dc, RECT{0, 0, m_layout.m_width, m_layout.m_height}, everything, 0, -1);
    EXPECT_GT(CountPixels(everything, RGB(255, 0, 0)), 1000);
    Lay("{pa|b|c|d|e}x");
    EXPECT_EQ(0u, m_layout.m_elements.size());
    EXPECT_STREQ("x", LineText(0));
    m_layout.Reset(); // the pictures go back to the cache
    FreePictureCache();
}
} // namespace

namespace
{
// Turned text is laid out only where the system can show it.
class TurnedTextTest : public RichTextTest
{
protected:
    void SetUp() override
    {
        RichTextTest::SetUp();
        m_savedCode = WindowsVersionCode;
        WindowsVersionCode = WindowsXPCode;
    }
    void TearDown() override
    {
        WindowsVersionCode = m_savedCode;
        RichTextTest::TearDown();
    }
    // Lays the text out upright or turned and paints it at (10, 10) into a
    // destination of the size the caller reads (swapped when turned).
    RECT LayAndPaint(const char* text, BOOL turned, int flags = 0, int clipTop = 0)
    {
        ::PatBlt(m_dc.m_hDC, 0, 0, 600, 400, WHITENESS);
        Lay(text, 10000, turned ? RICHTEXT_ROTATED : 0);
        int width = turned ? m_layout.m_height : m_layout.m_width;
        int height = turned ? m_layout.m_width : m_layout.m_height;
        RECT destination = {10, 10, 10 + width, 10 + height};
        RECT clip = {0, clipTop, 600, 400};
        m_layout.Paint(&m_dc, destination, clip, flags, -1);
        return destination;
    }
    // The centre of the pixels of one colour.
    POINT Centre(COLORREF colour)
    {
        long x = 0, y = 0, count = 0;
        for (int row = 0; row < 400; ++row)
            for (int column = 0; column < 600; ++column)
                if (::GetPixel(m_dc.m_hDC, column, row) == colour)
                    x += column, y += row, ++count;
        return count == 0 ? POINT{-1, -1} : POINT{x / count, y / count};
    }
    int m_savedCode = 0;
};

TEST_F(TurnedTextTest, TheFlagTurnsTheTextOnlyWhereTheSystemCan)
{
    const struct
    {
        int code;
        int flags;
        BOOL rotated;
    } rows[] = {{WindowsXPCode, RICHTEXT_ROTATED, TRUE},
                {WindowsNT4Code, RICHTEXT_ROTATED, TRUE},
                {WindowsMeCode, RICHTEXT_ROTATED, FALSE},
                {WindowsXPCode, 0, FALSE}};
    for (const auto& row : rows)
    {
        WindowsVersionCode = row.code;
        Lay("Hello", 10000, row.flags);
        EXPECT_EQ(row.rotated, m_layout.m_rotated) << row.code << " " << row.flags;
    }
    // Turned lines break at the height limit; an unlimited height never
    // breaks them.
    const char* words = "one two three four five six seven";
    Lay(words, 10000, RICHTEXT_ROTATED, 0, 80);
    EXPECT_GT(m_layout.GetLineCount(), 2);
    EXPECT_LE(m_layout.m_width, 80);
    Lay(words, 40, RICHTEXT_ROTATED);
    EXPECT_EQ(1, m_layout.GetLineCount());
    m_layout.Reset();
    EXPECT_FALSE(m_layout.m_rotated);
}

TEST_F(TurnedTextTest, TurnedTextStandsTallAndReadsFromBottomToTop)
{
    const char* text = "{r#ff0000}W{r#0000ff}ide text";
    RECT upright = LayAndPaint(text, FALSE);
    RECT flat = InkBox(RECT{0, 0, 600, 400});
    POINT first = Centre(RGB(255, 0, 0)), rest = Centre(RGB(0, 0, 255));
    EXPECT_LT(first.x, rest.x);
    EXPECT_GT(flat.right - flat.left, 3 * (flat.bottom - flat.top));

    RECT turned = LayAndPaint(text, TRUE);
    EXPECT_EQ(upright.right - upright.left, turned.bottom - turned.top);
    RECT tall = InkBox(RECT{0, 0, 600, 400});
    EXPECT_GT(tall.bottom - tall.top, 3 * (tall.right - tall.left));
    EXPECT_NEAR(flat.right - flat.left, tall.bottom - tall.top, 2);
    EXPECT_NEAR(flat.bottom - flat.top, tall.right - tall.left, 2);
    EXPECT_GE(tall.left, turned.left);
    EXPECT_LE(tall.right, turned.right);
    EXPECT_GE(tall.top, turned.top);
    EXPECT_LE(tall.bottom, turned.bottom);
    // Colours kept; the first letter is the lowest.
    first = Centre(RGB(255, 0, 0));
    rest = Centre(RGB(0, 0, 255));
    ASSERT_GE(first.y, 0);
    ASSERT_GE(rest.y, 0);
    EXPECT_GT(first.y, rest.y);
    // The glyphs' tops face left: the ink of "W" begins where the line does.
    EXPECT_NEAR(flat.top - upright.top, tall.left - turned.left, 2);
    SaveScreenshot(m_canvas.DeselectBitmap(), "rich_text_turned");
    m_canvas.SelectBitmap();
}

TEST_F(TurnedTextTest, TurnedTextKeepsTheInkOfItsLettersAtPrintResolutions)
{
    // A turned run is drawn twice, into a mask and in colour, and each
    // letter is copied where both have it: at a printer's resolution the
    // letters must come out as whole as upright ones.
    // Only the letters' dark pixels count: a turned run has no smoothed edges.
    auto darkPixels = [this]() {
        int count = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 600; ++x)
            {
                COLORREF pixel = ::GetPixel(m_dc.m_hDC, x, y);
                count += GetRValue(pixel) < 128 && GetGValue(pixel) < 128 && GetBValue(pixel) < 128;
            }
        return count;
    };
    m_dc.SetResolution(200, 200);
    const char* text = "carrying brown and dilute";
    LayAndPaint(text, FALSE);
    int upright = darkPixels();
    LayAndPaint(text, TRUE);
    int turned = darkPixels();
    EXPECT_GT(upright, 500);
    EXPECT_NEAR(upright, turned, upright / 10);
}

TEST_F(TurnedTextTest, TurnedLinesStackFromLeftToRightAndStopAtTheClipsTop)
{
    // The shorter first line at the left, both starting at the bottom.
    RECT turned = LayAndPaint("First\nSecond line", TRUE);
    int middle = turned.left + m_layout.GetLine(1).m_top;
    RECT everything = {0, 0, 600, 400};
    RECT firstLine = InkBox(RECT{0, 0, middle, 400});
    RECT secondLine = InkBox(RECT{middle, 0, 600, 400});
    EXPECT_LT(firstLine.bottom - firstLine.top, secondLine.bottom - secondLine.top - 20);
    EXPECT_NEAR(firstLine.bottom, secondLine.bottom, 3);
    EXPECT_GT(firstLine.bottom, turned.bottom - 5);
    // Around the letters the destination keeps its pixels.
    ::FillRect(m_dc.m_hDC, &everything, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RGB(0, 255, 0))));
    m_layout.Paint(&m_dc, turned, everything, 0, -1);
    EXPECT_EQ(0, CountPixels(everything, RGB(255, 255, 255)));
    EXPECT_GT(CountPixels(turned, RGB(0, 0, 0)), 20);
    EXPECT_GT(CountPixels(turned, RGB(0, 255, 0)), (turned.right - turned.left) * (turned.bottom - turned.top) / 2);

    // A clip whose top cuts the line: past its top with flag 4 the line ends
    // in an ellipsis below the clip; without it the run is drawn whole.
    const char* longLine = "A rather long line of turned text";
    RECT destination = LayAndPaint(longLine, TRUE);
    int clipTop = (destination.top + destination.bottom) / 2;
    LayAndPaint(longLine, TRUE, 0, clipTop);
    EXPECT_LT(InkBox(everything).top, clipTop);
    LayAndPaint(longLine, TRUE, RICHTEXT_ELLIPSIS_CLIPPED, clipTop);
    RECT clipped = InkBox(everything);
    EXPECT_GE(clipped.top, clipTop - 1);
    EXPECT_GT(clipped.bottom - clipped.top, (destination.bottom - clipTop) / 2);
}

TEST_F(TurnedTextTest, PathsHoldEachRunsOutlineAndColour)
{
    for (BOOL turned : {FALSE, TRUE})
    {
        Lay("{r#ff0000}Red{r#0000ff}Blue\n{rDefault}Ink", 10000, turned ? RICHTEXT_ROTATED : 0);
        int across = m_layout.m_height, along = m_layout.m_width;
        RECT destination = {20, 30, 20 + (turned ? across : along), 30 + (turned ? along : across)};
        CTextPathList paths;
        m_layout.Paint(&m_dc, destination, RECT{0, 0, 600, 400}, &paths, 0, -1);
        ASSERT_EQ(3u, paths.size());
        const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0)};
        for (int i = 0; i < 3; ++i)
        {
            const CRichTextLine& line = m_layout.GetLine(i < 2 ? 0 : 1);
            const CRichTextRun& run = *line.GetItem(i < 2 ? i : 0).run;
            // The run's box along and across the lines, then on the device.
            int start = i == 1 ? line.GetItem(0).run->m_width : 0;
            RECT box = {start - 2, line.m_top - 1, start + run.m_width + 2, line.m_bottom + 1};
            if (turned)
                box = RECT{destination.left + box.top, destination.bottom - box.right, destination.left + box.bottom,
                           destination.bottom - box.left};
            else
                ::OffsetRect(&box, destination.left, destination.top);
            EXPECT_EQ(colours[i], paths[i].m_colour) << i;
            ASSERT_GT(paths[i].m_points.size(), 10u) << i;
            EXPECT_EQ(paths[i].m_points.size(), paths[i].m_types.size());
            for (const POINT& point : paths[i].m_points)
                ASSERT_TRUE(::PtInRect(&box, point)) << turned << " " << i << ": " << point.x << "," << point.y;
        }
        // Drawing into paths leaves the device as it was.
        EXPECT_EQ(0, CountPixels(RECT{0, 0, 600, 400}, RGB(255, 0, 0)));
    }
}

TEST_F(RichTextTest, PicturesRealiseTheirPaletteInTheDevice)
{
    InitPictureCache(2048);
    CScratchFolder folder("richpalette");
    const std::vector<COLORREF> table = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(9, 9, 9)};
    auto index = [](int x, int y) { return (COLORREF)((x + y) % 4); };
    auto colour = [](int x, int) { return x % 2 ? RGB(200, 10, 10) : RGB(10, 10, 200); };
    ASSERT_TRUE(WriteBytes(folder / "palette.bmp", MakeBmp(8, 8, 8, table, index)));
    ASSERT_TRUE(WriteBytes(folder / "true.bmp", MakeBmp(8, 8, 24, {}, colour)));
    ASSERT_TRUE(WriteBytes(folder / "drawing.wmf", MakePlaceableWmf(100, 100, 100, [](HDC dc) {
                               ::Rectangle(dc, 0, 0, 50, 50);
                           })));
    const struct
    {
        const char* name;
        bool palette;
    } rows[] = {{"palette.bmp", true}, {"true.bmp", true}, {"drawing.wmf", false}, {"missing.bmp", false}};
    HPALETTE before = (HPALETTE)::GetCurrentObject(m_dc.m_hDC, OBJ_PAL);
    for (const auto& row : rows)
    {
        CRichTextPicture picture;
        ASSERT_EQ(1, picture.Setup(CString((folder / row.name).c_str()) + "|1in|1in", 100, 100));
        for (BOOL background : {TRUE, FALSE})
        {
            int changed = picture.RealizePalette(&m_dc, background);
            if (row.palette)
                EXPECT_GE(changed, 0) << row.name;
            else
                EXPECT_EQ(-1, changed) << row.name;
            EXPECT_EQ(before, ::GetCurrentObject(m_dc.m_hDC, OBJ_PAL)) << row.name;
        }
        if (row.palette)
        {
            // Each picture's own palette: the table's colours, or a palette
            // spread over all colours for a true-colour picture.
            CPalette* own = picture.m_picture.GetPicture()->GetPalette();
            ASSERT_NE(nullptr, own);
            PALETTEENTRY first = {};
            own->GetPaletteEntries(0, 1, &first);
            bool fromTable = first.peRed == 255 && first.peGreen == 0 && first.peBlue == 0;
            EXPECT_EQ(row.name == std::string("palette.bmp"), fromTable) << row.name;
        }
    }
    CRichTextIndent indent(2);
    EXPECT_EQ(-1, indent.RealizePalette(&m_dc, TRUE));
    FreePictureCache();
}
} // namespace
