#include "output/printing/PrintSource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "foundation/windows/OwnedHandle.h"
#include "output/printing/CalibrationTestPage.h"
#include "output/printing/DibImage.h"
#include "output/printing/PrintAbortDlg.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterPaperConfig.h"
#include "output/printing/TextPrintSource.h"
#include "output/text/RichTextLayout.h"
#include "support/LayoutCheck.h"
#include "support/ScratchFolder.h"
#include "output/ScreenshotFile.h"

namespace
{
class CFixedTextSource : public CTextPrintSource
{
public:
    explicit CFixedTextSource(const CString& text) : m_text(text) {}
    CString GetPrintText() override { return m_text; }
    CString m_text;
};

// A source whose content is a test's function.
class CFunctionSource : public CPrintSource
{
public:
    explicit CFunctionSource(std::function<BOOL(CFunctionSource&)> render) : m_render(render) {}
    BOOL Render() override { return m_render(*this); }
    std::function<BOOL(CFunctionSource&)> m_render;
};

CString Lines(int count)
{
    CString text;
    for (int i = 1; i <= count; ++i)
    {
        CString line;
        line.Format("Line %d of the report\r\n", i);
        text += line;
    }
    return text;
}

// Keeps a page file as a screenshot to look at.
void KeepPage(const std::string& path, const char* name)
{
    COwnedGdiObject<HBITMAP> bitmap(
        (HBITMAP)::LoadImageA(NULL, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap)
        SaveScreenshot(bitmap, name);
}

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A BMP page read back: size and a pixel (top-down coordinates).
struct BmpPage
{
    int width = 0, height = 0;
    std::vector<BYTE> bytes;
    int Green(int x, int y) const
    {
        int rowWidth = ((24 * width + 31) / 32) * 4;
        return bytes[54 + (size_t)(height - 1 - y) * rowWidth + 3 * x + 1];
    }
};

BmpPage ReadBmp(const std::string& path)
{
    BmpPage page;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == NULL)
        return page;
    int c;
    while ((c = fgetc(file)) != EOF)
        page.bytes.push_back((BYTE)c);
    fclose(file);
    if (page.bytes.size() > 54)
    {
        const BITMAPINFOHEADER* header = (const BITMAPINFOHEADER*)&page.bytes[14];
        page.width = header->biWidth;
        page.height = header->biHeight;
    }
    return page;
}

class PrintToImagesTest : public ::testing::Test
{
protected:
    // Letter pages at 100 dots per inch with half-inch margins.
    void SetUp() override { ASSERT_STREQ("", m_data.CreateForImages(m_config, Path("page.bmp"), 7, 100, 8.5, 11)); }
    // Lines of the text source that fill about 'pages' pages.
    CString LinesFor(CPrinterData& data, double pages)
    {
        CTextStyle style;
        style.FromText("Courier New,10");
        CFont font;
        TEXTMETRIC metrics;
        style.CreateFont(data.GetDC(), NULL, &font, &metrics, 1.0);
        int perPage = (data.m_printArea.bottom - data.m_printArea.top) / metrics.tmHeight;
        return Lines((int)(perPage * pages));
    }
    CString Path(const char* name) { return CString((m_folder / name).c_str()); }
    BOOL PrintText(CPrintSource& source, CPrinterData* data = NULL)
    {
        return source.Print(&m_map, NULL, data != NULL ? data : &m_data, 1, "Kestrova - Report", "Header", "", "",
                            "", 1 | 4, 0);
    }

    CScratchFolder m_folder{"printjob"};
    CPrinterPaperConfig m_config;
    CPrinterData m_data;
    CNamedStringMap m_map;
};

TEST_F(PrintToImagesTest, PageAndPrintAreaFollowTheSizeAndMargins)
{
    RECT page = {0, 0, 850, 1100};
    RECT area = {50, 50, 800, 1050};
    EXPECT_TRUE(EqualRect(&page, &m_data.m_pageRect));
    EXPECT_TRUE(EqualRect(&area, &m_data.m_printArea));
    EXPECT_EQ(1, m_data.GetLabelCount());
    EXPECT_DOUBLE_EQ(7.5, m_data.m_printAreaWidth.GetValue());
}

TEST_F(PrintToImagesTest, EveryPageBecomesAFileNumberedFromOne)
{
    CFixedTextSource threePages(LinesFor(m_data, 2.5));
    ASSERT_TRUE(PrintText(threePages));
    EXPECT_EQ(3, threePages.m_pagesOutput);
    for (const char* name : {"page_1.bmp", "page_2.bmp", "page_3.bmp"})
    {
        BmpPage page = ReadBmp(m_folder / name);
        EXPECT_EQ(850, page.width) << name;
        EXPECT_EQ(1100, page.height) << name;
    }
    EXPECT_FALSE(FileExists(m_folder / "page.bmp"));
    EXPECT_FALSE(FileExists(m_folder / "page_4.bmp"));
    BmpPage first = ReadBmp(m_folder / "page_1.bmp");
    KeepPage(m_folder / "page_1.bmp", "printed_text_page");
    // Ink inside the print area, none in the margins.
    int ink = 0, outside = 0;
    for (int y = 0; y < first.height; ++y)
        for (int x = 0; x < first.width; ++x)
            if (first.Green(x, y) < 128)
            {
                ++ink;
                if (x < 50 || x >= 800 || y < 50 || y >= 1050)
                    ++outside;
            }
    EXPECT_GT(ink, 500);
    EXPECT_EQ(0, outside);
}

TEST_F(PrintToImagesTest, FormatsAndFailures)
{
    struct
    {
        int kind;
        const char* path;
        const char* written;
        bool printed;
    } rows[] = {{5, "one.png", "one.png", true}, {4, "one.jpg", "one.jpg", true}, {9, "one.xyz", "one.xyz", false}};
    for (const auto& row : rows)
    {
        CPrinterData data;
        ASSERT_STREQ("", data.CreateForImages(m_config, Path(row.path), row.kind, 30, 4, 3));
        CFixedTextSource text("A single line");
        EXPECT_EQ(row.printed, PrintText(text, &data) != FALSE) << row.path;
        EXPECT_EQ(row.printed, FileExists(m_folder / row.written)) << row.path;
    }
    CPrinterData unwritable;
    ASSERT_STREQ("", unwritable.CreateForImages(m_config, Path("no\\such\\folder\\x.png"), 5, 30, 4, 3));
    CFixedTextSource text("A single line");
    EXPECT_FALSE(PrintText(text, &unwritable));

    // Margins are checked together: left and right must leave a width.
    CPrinterPaperConfig wide;
    wide.m_leftMargin.SetValue(2);
    wide.m_rightMargin.SetValue(2);
    CPrinterData none;
    EXPECT_STREQ("the margins leave no printable area on the page",
                 none.CreateForImages(wide, Path("none.png"), 5, 30, 4, 3));
    wide.m_rightMargin.SetValue(1.9);
    EXPECT_STREQ("", none.CreateForImages(wide, Path("none.png"), 5, 30, 4, 3));
}

TEST_F(PrintToImagesTest, EmptyTextsAndCopies)
{
    CFixedTextSource empty("");
    ASSERT_TRUE(empty.Print(&m_map, NULL, &m_data, 0, "Empty", "", "", "", "", 0, 0));
    EXPECT_EQ(1, empty.m_pagesOutput); // a page with nothing but its margins
    RECT content = empty.m_content;
    EXPECT_TRUE(EqualRect(&content, &m_data.m_printArea));

    CFixedTextSource numbered("x");
    ASSERT_TRUE(numbered.Print(&m_map, NULL, &m_data, 3, "Copies", "", "", "", "", 1, 0));
    EXPECT_EQ(1, numbered.m_copies); // picture output prints one copy
    EXPECT_LT(numbered.m_content.bottom, m_data.m_printArea.bottom); // room for the page number
}

TEST_F(PrintToImagesTest, StoppedCancelledAndEmptyJobs)
{
    CString countText;
    CFunctionSource nothing([&](CFunctionSource&) {
        countText = CPrintAbortDlg::Current->GetCountText();
        SaveWindowScreenshot(CPrintAbortDlg::Current->GetSafeHwnd(), "printing");
        EXPECT_EQ(JoinLayoutFaults(FindLayoutFaults(CPrintAbortDlg::Current->GetSafeHwnd())), "");
        return TRUE;
    });
    EXPECT_TRUE(PrintText(nothing));
    EXPECT_EQ(0, nothing.m_pagesOutput); // no page is opened
    EXPECT_STREQ("0 page(s) output", countText);

    CFunctionSource cancelled([](CFunctionSource& source) {
        source.GetCurrentY();
        ::SendMessageA(CPrintAbortDlg::Current->GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    });
    EXPECT_FALSE(PrintText(cancelled));

    int rendered = 0;
    CFunctionSource failing([&](CFunctionSource& source) {
        ++rendered;
        source.GetCurrentY();
        return FALSE;
    });
    EXPECT_FALSE(failing.Print(&m_map, NULL, &m_data, 3, "Fails", "", "", "", "", 0, 0));
    EXPECT_EQ(1, rendered); // a failed copy ends the job
    EXPECT_EQ(nullptr, CPrintAbortDlg::Current);
}

TEST_F(PrintToImagesTest, CalibrationTestPageHasItsSquaresInTheCorners)
{
    CPrinterData data;
    ASSERT_STREQ("", data.CreateForImages(m_config, Path("test.bmp"), 7, 60, 8.5, 11));
    CCalibrationTestPage page;
    ASSERT_TRUE(page.PrintOn(NULL, &data));
    BmpPage image = ReadBmp(m_folder / "test.bmp");
    KeepPage(m_folder / "test.bmp", "calibration_test_page");
    ASSERT_EQ(510, image.width);
    ASSERT_EQ(660, image.height);
    int square = 60 * 3 / 2;
    struct
    {
        int x, y, green;
    } pixels[] = {{0, 0, 0},     {square - 1, square - 1, 0}, {square, square + 40, 255}, {509, 659, 0},
                  {510 - square, 660 - square, 0}, {510 - square - 1, 660 - square - 1, 255}, {509, 0, 255},
                  {0, 659, 255}};
    for (const auto& pixel : pixels)
        EXPECT_EQ(pixel.green, image.Green(pixel.x, pixel.y)) << pixel.x << "," << pixel.y;
    // The instructions lie between the squares.
    int ink = 0;
    for (int y = square; y < 660 - square; ++y)
        for (int x = square; x < 510 - square; ++x)
            ink += image.Green(x, y) < 128;
    EXPECT_GT(ink, 500);
}

// With the private CUPS queue of the test run (tools/test), a job reaches
// the spooler as PostScript.
TEST(PrintToPrinterTest, TwoPageJobSpoolsWithItsTitle)
{
    const char* spool = getenv("KESTROVA_CUPS_SPOOL");
    CPrinterPaperConfig config;
    CString error;
    CPrinterData* data = GetPrinterData(config, 0, &error);
    if (spool == NULL || data == NULL)
        GTEST_SKIP() << "no printer: " << (LPCTSTR)error;
    std::string folder = std::string("Z:") + spool;
    WIN32_FIND_DATAA found;
    int before = 0;
    HANDLE find = ::FindFirstFileA((folder + "\\d*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
            ++before;
        while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }

    EXPECT_GT(data->m_xResolution, 0);
    EXPECT_LT(data->m_pageRect.left, 1);
    // About one and a half pages of lines.
    CTextStyle style;
    style.FromText("Courier New,10");
    CFont font;
    TEXTMETRIC metrics;
    style.CreateFont(data->GetDC(), NULL, &font, &metrics, 1.0);
    int perPage = (data->m_printArea.bottom - data->m_printArea.top) / metrics.tmHeight;
    CFixedTextSource report(Lines(perPage * 3 / 2));
    ASSERT_TRUE(report.Print(&EmptyStyleMap, NULL, data, 1, "Kestrova - Two Pages", "Header", "", "", "",
                             5, 0));
    ReleasePrinterData(data);
    EXPECT_EQ(2, report.m_pagesOutput);

    // The newest document of the spool.
    std::string newest;
    FILETIME newestTime = {0, 0};
    int after = 0;
    find = ::FindFirstFileA((folder + "\\d*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    do
    {
        ++after;
        if (::CompareFileTime(&found.ftLastWriteTime, &newestTime) >= 0)
        {
            newestTime = found.ftLastWriteTime;
            newest = folder + "\\" + found.cFileName;
        }
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    EXPECT_EQ(before + 1, after);
    std::string postscript;
    FILE* file = fopen(newest.c_str(), "rb");
    ASSERT_NE(nullptr, file);
    int c;
    while ((c = fgetc(file)) != EOF)
        postscript += (char)c;
    fclose(file);
    EXPECT_NE(std::string::npos, postscript.find("%%Title: Kestrova - Two Pages"));
    EXPECT_NE(std::string::npos, postscript.find("%%Page: 1 1"));
    EXPECT_NE(std::string::npos, postscript.find("%%Page: 2 2"));
    EXPECT_EQ(std::string::npos, postscript.find("%%Page: 3 3"));
}
} // namespace
