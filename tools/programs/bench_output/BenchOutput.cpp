// Measures the output layer's hot paths: laying out and painting 100 pages
// of report text on a 300 dpi A4 page, upright and turned by 90 degrees,
// and saving one such page as PNG and as JPEG; and laying out text made of
// many size codes, each followed by a style code, at two lengths (the time
// should grow with the codes, not with their square).
//
//   bench_output.exe [FOLDER]      (the page files go to FOLDER, default .)
#include <cstdio>
#include <optional>
#include <string>

#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/printing/DibImage.h"
#include "output/printing/MyDC.h"
#include "output/text/RichTextLayout.h"
#include "tools/programs/BenchTimer.h"

namespace
{
// A mating report of about 'pages' pages of A4 in 10 point text.
CString ReportText(int pages)
{
    CString text = "{k+}{fArial,12,Bold}Mating prediction{k-}\n{b+}Maternal genotype specified:{b-} B/b D/d E/e "
                   "[cuky/ky] S/sp\n";
    char line[200];
    for (int i = 0; i < pages * 58; ++i)
    {
        sprintf(line, "%6.2f%%  B/b D/d E/e k{s+}y{s-}/k{s+}y{s-} S/sp {r#800000}black{rDefault} with tan points, "
                      "carrying brown and dilute ({i+}%d{i-})\n",
                100.0 / (i + 1), i);
        text += line;
    }
    return text;
}

// Size codes left open, each followed by a bold code, and a word after them.
CString SizeCodeText(int codes)
{
    std::string text;
    for (int i = 0; i < codes; ++i)
        text += i % 2 == 0 ? "{h+1}{b+}" : "{h-1}{b-}";
    return CString((text + "ab").c_str());
}

double SizeCodeLayoutSeconds(CMyDC& dc, int codes)
{
    CString text = SizeCodeText(codes);
    double start = BenchSeconds();
    CRichTextLayout layout;
    layout.Layout(EmptyStyleMap, &dc, 2000, -1, 0, text, "Arial,10", 0, -1, 0);
    return BenchSeconds() - start;
}

void BenchSizeCodes(CMyDC& dc)
{
    const int codes = 10000;
    const double few = SizeCodeLayoutSeconds(dc, codes), many = SizeCodeLayoutSeconds(dc, 5 * codes);
    printf("size codes: %d size+bold pairs: %.3f s, %d pairs %.3f s (%.1f times the time for 5 times the codes)\n",
           codes, few, 5 * codes, many, many / few);
}
} // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : ".";
    const int resolution = 300;
    const int width = 2480, height = 3508; // A4
    const int pages = 100;

    CMyDC dc;
    dc.CreateCompatibleDC(NULL);
    dc.SetResolution(resolution, resolution);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    COwnedGdiObject<HBITMAP> page(::CreateDIBSection(dc.m_hDC, &info, DIB_RGB_COLORS, &bits, NULL, 0));
    std::optional<CSelectedObject> selected;
    selected.emplace(dc.m_hDC, page);

    CString text = ReportText(pages);
    int areaWidth = width - 2 * 150, areaHeight = height - 2 * 150;
    double start = BenchSeconds();
    CRichTextLayout layout;
    layout.Layout(EmptyStyleMap, &dc, areaWidth, -1, 2, text, "Times New Roman,10", 0, areaHeight, 0);
    double laidOut = BenchSeconds();
    int printedPages = (layout.m_height + areaHeight - 1) / areaHeight;
    RECT clip = {150, 150, 150 + areaWidth, 150 + areaHeight};
    for (int p = 0; p < printedPages; ++p)
    {
        ::PatBlt(dc.m_hDC, 0, 0, width, height, WHITENESS);
        RECT destination = {150, 150 - p * areaHeight, 150 + layout.m_width, 150 - p * areaHeight + layout.m_height};
        layout.Paint(&dc, destination, clip, 0, -1);
    }
    ::GdiFlush();
    double painted = BenchSeconds();
    printf("layout: %d lines, %d pages of A4 at %d dpi: %.3f s (%.2f ms per page)\n", layout.GetLineCount(),
           printedPages, resolution, laidOut - start, 1000 * (laidOut - start) / printedPages);
    printf("paint:  %d pages: %.3f s (%.2f ms per page)\n", printedPages, painted - laidOut,
           1000 * (painted - laidOut) / printedPages);


    // The same text turned: lines along the page's height, pages across.
    WindowsVersionCode = WindowsXPCode;
    start = BenchSeconds();
    CRichTextLayout turned;
    turned.Layout(EmptyStyleMap, &dc, areaWidth, areaHeight, 2, text, "Times New Roman,10", 0, areaWidth,
                  RICHTEXT_ROTATED);
    laidOut = BenchSeconds();
    int turnedPages = (turned.m_height + areaWidth - 1) / areaWidth;
    for (int p = 0; p < turnedPages; ++p)
    {
        ::PatBlt(dc.m_hDC, 0, 0, width, height, WHITENESS);
        RECT destination = {150 - p * areaWidth, 150, 150 - p * areaWidth + turned.m_height, 150 + turned.m_width};
        turned.Paint(&dc, destination, clip, 0, -1);
    }
    ::GdiFlush();
    painted = BenchSeconds();
    printf("turned layout: %d lines, %d pages: %.3f s (%.2f ms per page)\n", turned.GetLineCount(), turnedPages,
           laidOut - start, 1000 * (laidOut - start) / turnedPages);
    printf("turned paint:  %d pages: %.3f s (%.2f ms per page)\n", turnedPages, painted - laidOut,
           1000 * (painted - laidOut) / turnedPages);

    selected.reset(); // the bitmap's bits are read only once it is no longer selected
    CDibImage image(IMAGE_BMP);
    image.SetXDpi(resolution);
    image.SetYDpi(resolution);
    image.CreateFromBitmap(page);
    struct
    {
        int format;
        const char* name;
    } formats[] = {{IMAGE_PNG, "bench_page.png"}, {IMAGE_JPEG, "bench_page.jpg"}, {IMAGE_BMP, "bench_page.bmp"}};
    for (const auto& format : formats)
    {
        std::string path = folder + "\\" + format.name;
        double before = BenchSeconds();
        BOOL saved = image.SaveToFile(path.c_str(), format.format);
        double after = BenchSeconds();
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
        printf("save %s: %s, %.3f s, %lu bytes\n", format.name, saved ? "ok" : image.GetLastError(), after - before,
               (unsigned long)data.nFileSizeLow);
    }
    BenchSizeCodes(dc);
    return 0;
}
