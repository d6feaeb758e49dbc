#include "foundation/windows/OwnedHandle.h"
#include "framework/windows/BitmapDrawing.h"
#include "framework/windows/ClipRegionSaver.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/WorkArea.h"
#include "support/TestCanvas.h"

#include <gtest/gtest.h>

TEST(GraphicsFunctionsTest, ScalingRoundsLikeMulDiv)
{
    EXPECT_EQ(ScaleRect(CRect(10, 20, 30, 41), 3, 1, 2, 2), CRect(15, 10, 45, 21));
    EXPECT_EQ(ScalePoint(CPoint(-7, 5), 1, 96, 2, 72), CPoint(-4, 7));
    EXPECT_EQ(ScaleSize(CSize(300, 200), 254, 254, 100, 100), CSize(762, 508));
}

TEST(GraphicsFunctionsTest, ExpandingToAProportionHoldsTheImage)
{
    HDC screen = ::GetDC(NULL);
    CDC* dc = CDC::FromHandle(screen);
    double mx = (double)dc->GetDeviceCaps(HORZSIZE) / dc->GetDeviceCaps(HORZRES);
    double my = (double)dc->GetDeviceCaps(VERTSIZE) / dc->GetDeviceCaps(VERTRES);

    // Unchanged for a proportion that is not positive.
    for (int px : {0, -1})
        EXPECT_EQ(ExpandSizeToAspectOnDevice(dc, 120, 80, px, 1), CSize(120, 80));
    EXPECT_EQ(ExpandSizeToAspectOnDevice(dc, 120, 80, 1, 0), CSize(120, 80));
    EXPECT_EQ(ExpandSizeToAspectOnDeviceF(dc, 120, 80, 0.004, 1.0), CSize(120, 80));

    // The result has the physical proportion asked for and holds the image.
    struct Case { int width, height; double px, py; };
    const Case cases[] = {{120, 80, 1, 1}, {80, 120, 1, 1}, {300, 50, 4, 3}, {50, 300, 16, 9}};
    for (const Case& c : cases)
    {
        CSize size = ExpandSizeToAspectOnDeviceF(dc, c.width, c.height, c.px, c.py);
        EXPECT_EQ(ExpandSizeToAspectOnDevice(dc, c.width, c.height, (int)c.px, (int)c.py), size);
        EXPECT_GE(size.cx, c.width);
        EXPECT_GE(size.cy, c.height);
        EXPECT_TRUE(size.cx == c.width || size.cy == c.height);
        EXPECT_NEAR(size.cx * mx / (size.cy * my), c.px / c.py, 0.02);
    }
    ::ReleaseDC(NULL, screen);
}

TEST(GraphicsFunctionsTest, BitmapsCopyExactlyOrStretch)
{
    // A source with a distinct colour in each pixel.
    CBitmap source;
    {
        CTestCanvas paint(4, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                ::SetPixel(paint.Dc(), x, y, RGB(x * 60, y * 200, 30));
        source.Attach(paint.TakeBitmap());
    }
    EXPECT_EQ(GetBitmapSize(&source), CSize(4, 2));
    CBitmap empty;
    EXPECT_EQ(GetBitmapSize(&empty), CSize(0, 0));
    CTestCanvas canvas(40, 40);
    CDC target;
    target.Attach(canvas.Dc());
    ::PatBlt(target.m_hDC, 0, 0, 40, 40, BLACKNESS);

    CRect whole(10, 10, 14, 12);
    EXPECT_TRUE(DrawBitmapRect(&target, &source, &whole, NULL, SRCCOPY));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(::GetPixel(target.m_hDC, 10 + x, 10 + y), RGB(x * 60, y * 200, 30));

    // One source pixel stretched over a 5 x 5 square.
    CRect pixel(3, 1, 4, 2), square(20, 20, 25, 25);
    EXPECT_TRUE(DrawBitmapRect(&target, &source, &square, &pixel, SRCCOPY));
    EXPECT_EQ(::GetPixel(target.m_hDC, 20, 20), RGB(180, 200, 30));
    EXPECT_EQ(::GetPixel(target.m_hDC, 24, 24), RGB(180, 200, 30));
    EXPECT_EQ(::GetPixel(target.m_hDC, 25, 25), RGB(0, 0, 0));
    target.Detach();
}

TEST(GraphicsFunctionsTest, ColourTableSizes)
{
    struct Case { WORD bits; DWORD used; int count; };
    const Case cases[] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {8, 20, 20}, {16, 0, 0}, {24, 0, 0}, {24, 5, 5}};
    for (const Case& c : cases)
    {
        BITMAPINFOHEADER header = {sizeof(header)};
        header.biBitCount = c.bits;
        header.biClrUsed = c.used;
        EXPECT_EQ(GetDibColourCount(header), c.count) << c.bits << " bits, " << c.used << " used";
    }
}

TEST(GraphicsFunctionsTest, FittingIntoTheWorkArea)
{
    CRect area = GetDesktopWorkArea();
    EXPECT_GT(area.Width(), 0);
    EXPECT_GT(area.Height(), 0);

    const CRect bounds(0, 0, 100, 100);
    struct Case { CRect rect, fitted; };
    const Case cases[] = {
        {CRect(10, 10, 50, 50), CRect(10, 10, 50, 50)},
        {CRect(90, 95, 120, 125), CRect(70, 70, 100, 100)},
        {CRect(-20, -5, 10, 20), CRect(0, 0, 30, 25)},
        {CRect(-50, 30, 250, 60), CRect(0, 30, 100, 60)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitRectInside(c.rect, bounds), c.fitted);
}

// Clipping to a rectangle and back leaves the context's own clipping (or its
// lack of one) as it was.
TEST(GraphicsFunctionsTest, ClipRegionSaverPutsTheClippingBack)
{
    CTestCanvas canvas(1, 1);
    CDC dc;
    dc.Attach(canvas.Dc());
    COwnedGdiObject<HRGN> probe(::CreateRectRgn(0, 0, 1, 1));
    CRect box;

    for (bool hadOne : {false, true})
    {
        if (hadOne)
        {
            COwnedGdiObject<HRGN> own(::CreateRectRgn(5, 5, 50, 60));
            ::SelectClipRgn(dc.m_hDC, own);
        }
        CClipRegionSaver saver;
        EXPECT_EQ(saver.Clip(&dc, CRect(10, 20, 30, 40)), 1);
        ASSERT_EQ(::GetClipRgn(dc.m_hDC, probe), 1);
        ::GetRgnBox(probe, &box);
        EXPECT_EQ(box, CRect(10, 20, 30, 40));
        saver.Restore();
        EXPECT_EQ(::GetClipRgn(dc.m_hDC, probe), hadOne ? 1 : 0);
        if (hadOne)
        {
            ::GetRgnBox(probe, &box);
            EXPECT_EQ(box, CRect(5, 5, 50, 60));
        }
        EXPECT_EQ(saver.Clip(NULL, CRect(0, 0, 1, 1)), 0);
    }
    dc.Detach();
}
