// A metafile's draw is given time by the file's size and by the device area
// it covers, so that real pictures come out whole on a page at print
// resolution; where a draw ran out of work, later draws as large on the same
// kind of device stop (a repaint draws what the first draw drew), smaller
// ones start afresh; a draw's thread waiting is not its work; costly records
// stop within two seconds of work; an image stretched by averaging that costs
// more than a record may take or the draw has left is stretched plainly.
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"
#include "output/pictures/PlayerPrices.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/PlayStops.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "support/ThreadCpuTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace
{
// A frame of 800 x 600 pixels at 96 pixels an inch, in hundredths of a
// millimetre, and one an inch square.
const RECT ScreenFrame = {0, 0, 21167, 15875};
const RECT InchFrame = {0, 0, 2540, 2540};
// Drawn last, where it must show.
const COLORREF Marker = RGB(230, 0, 0);

void DrawMarker(HDC dc, const RECT& place)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(Marker));
    CSelectedObject selected(dc, brush);
    CSelectedObject thin(dc, ::GetStockObject(BLACK_PEN));
    ::Rectangle(dc, place.left, place.top, place.right, place.bottom);
}

// 20,000 curves 8 pixels wide, each within 160 pixels, over 800 x 600, and a
// caption (880 KB): 0.6-0.7 s into 800 x 600 and 2.7-4.2 s into 4800 x 3600
// under the platform's player.
Bytes Strokes()
{
    return MakeEmf(ScreenFrame, [](HDC dc) {
        std::mt19937 random(7);
        COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 8, RGB(20, 60, 140)));
        CSelectedObject selected(dc, pen);
        for (int i = 0; i < 20000; ++i)
        {
            const int x = (int)(random() % 640), y = (int)(random() % 440);
            POINT curve[4];
            for (POINT& point : curve)
                point = {x + (int)(random() % 161), y + (int)(random() % 161)};
            ::PolyBezier(dc, curve, 4);
        }
        COwnedGdiObject<HFONT> font(::CreateFontA(-48, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
        CSelectedObject selectedFont(dc, font);
        ::SetTextColor(dc, Marker);
        ::TextOutA(dc, 200, 270, "Kestrova", 8);
    });
}

// Circles the size of an inch's frame in a pen a twelfth of its width,
// each about 6 ms into 400 x 300 and 70 ms into 1600 x 1200.
void DrawCircles(HDC dc, int count)
{
    COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 8, RGB(0, 0, 150)));
    CSelectedObject selectedPen(dc, pen);
    CSelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    for (int i = 0; i < count; ++i)
        ::Ellipse(dc, i % 10, i % 10, 96 - i % 10, 96 - i % 10);
}

// The circles and a marker.
Bytes Circles(int count)
{
    return MakeEmf(InchFrame, [count](HDC dc) {
        DrawCircles(dc, count);
        DrawMarker(dc, {43, 43, 53, 53});
    });
}

// A polygon zigzagging 700 times across 800 x 600 (0.2 s, the player's
// work growing with the square of the points: 500 took it 0.1 s, 1,000
// 0.37 s), then a marker.
Bytes Zigzag()
{
    return MakeEmf(ScreenFrame, [](HDC dc) {
        std::vector<POINT> points(700);
        for (int i = 0; i < 700; ++i)
            points[i] = {800 * i / 699, i % 2 != 0 ? 600 : 0};
        ::Polygon(dc, points.data(), (int)points.size());
        DrawMarker(dc, {0, 0, 24, 24});
    });
}

// A background of a gradient's two triangles over 800 x 600 and a marker:
// one record the player takes 0.4 s over into 4800 x 3600, 1 s into
// 6600 x 5100.
Bytes GradientBackground()
{
    return MakeEmf(ScreenFrame, [](HDC dc) {
        TRIVERTEX corners[] = {{0, 0, 0xff00, 0, 0, 0},
                               {800, 0, 0, 0xff00, 0, 0},
                               {800, 600, 0, 0, 0xff00, 0},
                               {0, 600, 0xff00, 0xff00, 0, 0}};
        GRADIENT_TRIANGLE halves[] = {{0, 1, 2}, {0, 2, 3}};
        ::GdiGradientFill(dc, corners, 4, halves, 2, GRADIENT_FILL_TRIANGLE);
        DrawMarker(dc, {0, 0, 24, 24});
    });
}

// A photograph of 200 x 150 stretched over 800 x 600 by averaging (HALFTONE),
// and a marker: one record the player takes 0.5 s over into 4800 x 3600 on
// a fast machine, into a monochrome bitmap 45-50 ns a pixel.
void DrawPhotograph(HDC dc)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), 200, 150, 1, 24, BI_RGB};
    void* bits = NULL;
    COwnedGdiObject<HBITMAP> photograph(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0));
    std::mt19937 random(7);
    for (size_t i = 0; bits != NULL && i < (size_t)600 * 150; ++i)
        ((BYTE*)bits)[i] = (BYTE)random();
    COwnedDC memory(::CreateCompatibleDC(NULL));
    CSelectedObject selected(memory, photograph);
    ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, 0, 0, 800, 600, memory, 0, 0, 200, 150, SRCCOPY);
    DrawMarker(dc, {0, 0, 24, 24});
}

// An image of one colour stretched by averaging over all but the bottom of
// 800 x 600, and a marker under it; or the image's place filled with its
// colour instead.
const COLORREF ImageColour = RGB(0, 100, 200);
void StretchImage(HDC dc)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(ImageColour));
    COwnedDC memory(::CreateCompatibleDC(NULL));
    COwnedGdiObject<HBITMAP> image(::CreateBitmap(200, 150, 1, 32, NULL));
    CSelectedObject selected(memory, image);
    const RECT all = {0, 0, 200, 150};
    ::FillRect(memory, &all, brush);
    ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, 0, 0, 800, 560, memory, 0, 0, 200, 150, SRCCOPY);
    DrawMarker(dc, {10, 570, 34, 594});
}

void FillImagePlace(HDC dc)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(ImageColour));
    CSelectedObject selected(dc, brush);
    ::PatBlt(dc, 0, 0, 800, 560, PATCOPY);
    DrawMarker(dc, {10, 570, 34, 594});
}

// 'circles' as Circles draws them, then a checked image of 200 x 125 pixels
// stretched in the given mode over a half of the frame across and 5/12 down
// (into 1600 x 1200: 800 x 500 pixels, where averaging blends the checks and
// the plain stretch repeats them), and a marker.
Bytes LeftImage(int circles, int mode)
{
    return MakeEmf(InchFrame, [circles, mode](HDC dc) {
        DrawCircles(dc, circles);
        std::vector<BYTE> rows((size_t)28 * 125);
        for (size_t row = 0; row < 125; ++row)
            std::fill(rows.begin() + 28 * row, rows.begin() + 28 * (row + 1), row % 2 != 0 ? 0x55 : 0xaa);
        struct
        {
            BITMAPINFOHEADER header;
            RGBQUAD colours[2];
        } info = {{sizeof(BITMAPINFOHEADER), 200, 125, 1, 1, BI_RGB, 0, 0, 0, 2, 0},
                  {{0, 0, 0, 0}, {255, 255, 255, 0}}};
        ::SetStretchBltMode(dc, mode);
        ::StretchDIBits(dc, 0, 56, 48, 40, 0, 0, 200, 125, rows.data(), (BITMAPINFO*)&info, DIB_RGB_COLORS, SRCCOPY);
        DrawMarker(dc, {80, 80, 90, 90});
    });
}

void Load(CPicture& picture, const Bytes& bytes)
{
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)));
}

void Draw(CPicture& picture, CCanvas& canvas)
{
    const CRect all(0, 0, canvas.Width(), canvas.Height());
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
}

// Whether the canvas holds what the platform's player draws of the enhanced
// metafile over all of it.
bool DrawnAsPlayed(const Bytes& emf, const CCanvas& drawn)
{
    CCanvas played(drawn.Width(), drawn.Height());
    PlayOnThePlatform(emf, played);
    EXPECT_GT(played.Count(Marker), 0) << "the player draws no marker";
    return SamePixels(drawn, played);
}

// Whether the picture drawn into the canvas comes out as the player draws
// the other, all of it; with a marker, at least.
bool DrawnAsPlayed(const Bytes& drawn, const Bytes& played, CCanvas& canvas, bool& marked)
{
    CPicture picture;
    Load(picture, drawn);
    EXPECT_LT(DrawingMilliseconds(picture, canvas, "image"), 2000u);
    marked = canvas.Count(Marker) > 0;
    return DrawnAsPlayed(played, canvas);
}

struct HeldDrawing
{
    CPicture* picture;
    CCanvas* canvas;
};

DWORD WINAPI DrawOnThread(void* parameter)
{
    HeldDrawing& drawing = *(HeldDrawing*)parameter;
    Draw(*drawing.picture, *drawing.canvas);
    return 0;
}

unsigned WorkedMilliseconds(HANDLE thread)
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return 0;
    return (unsigned)((FileTimeTicks(kernel) + FileTimeTicks(user)) / 10000);
}

// Draws on a thread of its own, which is held (as by other work on its
// processor) once it has worked 10 ms, for so many milliseconds.
void DrawHeld(CPicture& picture, CCanvas& canvas, DWORD hold)
{
    HeldDrawing drawing = {&picture, &canvas};
    HANDLE thread = ::CreateThread(NULL, 0, DrawOnThread, &drawing, 0, NULL);
    ASSERT_NE(thread, (HANDLE)NULL);
    while (WorkedMilliseconds(thread) < 10 && ::WaitForSingleObject(thread, 1) == WAIT_TIMEOUT)
    {
    }
    ::SuspendThread(thread);
    EXPECT_EQ(::WaitForSingleObject(thread, 0), (DWORD)WAIT_TIMEOUT) << "the draw ended before it was held";
    ::Sleep(hold);
    ::ResumeThread(thread);
    EXPECT_EQ(::WaitForSingleObject(thread, 60000), WAIT_OBJECT_0);
    ::CloseHandle(thread);
}
} // namespace

// The strokes drawn into 4800 x 3600, a page at print resolution, and then
// into 800 x 600 come out whole, as the platform's player draws them.
TEST(DrawBudgetTest, StrokesDrawnOnAPageThenOnScreenComeOutAsThePlayerDrawsThem)
{
    const Bytes strokes = Strokes();
    CPicture picture;
    Load(picture, strokes);
    for (const SIZE size : {SIZE{4800, 3600}, SIZE{800, 600}})
    {
        SCOPED_TRACE(size.cx);
        CCanvas drawn(size.cx, size.cy);
        Draw(picture, drawn);
        EXPECT_TRUE(DrawnAsPlayed(strokes, drawn));
    }
}

// A record that covers a page at print resolution with a gradient's
// triangles, the dearest pixels that are not stretched, plays: a record may
// take longer on a larger device, up to a page at 600 dots an inch.
TEST(DrawBudgetTest, ARecordCoveringAPageComesOutAsThePlayerDrawsIt)
{
    const Bytes gradient = GradientBackground();
    CPicture picture;
    Load(picture, gradient);
    CCanvas drawn(4800, 3600);
    Draw(picture, drawn);
    EXPECT_TRUE(DrawnAsPlayed(gradient, drawn));
}

// An image stretched by averaging over a page at 600 dots an inch, as the
// player is measured here and as it is on a machine where that takes it
// 700 ns a pixel (18 s for the page), is drawn whole within two seconds of
// work, as an enhanced and as a placed Windows metafile: the image is there
// (stretched plainly where averaging costs too much), and the rest, a marker
// drawn after it included, as the player draws it.
TEST(DrawBudgetTest, AnImageStretchedByAveragingOverAHugePageIsDrawnWhole)
{
    const int width = 6600, height = 5100;
    typedef std::function<Bytes(void (*)(HDC))> Format;
    const Format enhanced = [](void (*draw)(HDC)) {
        return MakeEmf(ScreenFrame, draw);
    };
    const Format placed = [](void (*draw)(HDC)) {
        return MakePlaceableWmf(800, 600, 96, draw);
    };
    for (const Format& format : {enhanced, placed})
    {
        // The image's place filled with its colour, drawn as the player draws.
        CCanvas expected(width, height);
        CPicture filled;
        Load(filled, format(FillImagePlace));
        Draw(filled, expected);
        ASSERT_GT(expected.Count(Marker), 0);
        const Bytes image = format(StretchImage);
        SCOPED_TRACE(image[0] == 1 ? "enhanced" : "placed");
        for (const double measured : {-1.0, 0.7})
        {
            SCOPED_TRACE(measured < 0 ? "as measured" : "slow");
            std::optional<CPlayerPrices::CScopedMeasurement> slow;
            if (measured > 0)
                slow.emplace(PlayerPixel::HalftoneStretch, measured);
            CPicture picture;
            Load(picture, image);
            CCanvas drawn(width, height);
            EXPECT_LT(DrawingMilliseconds(picture, drawn, "image"), 2000u);
            EXPECT_TRUE(SamePixels(drawn, expected));
        }
    }
}

// Circles drawn first, which take the bare player most of the draw's time
// (measured here), then an image stretched by averaging that, priced as where
// that takes 700 ns a pixel, costs less than a record may take but more than
// the draw has left: the image is stretched plainly and the marker after it
// drawn, as the player draws them with the image stretched plainly. The
// circles' time varies with the machine's load by more than the draw's last
// record may take, so where the draw's time is left or spent before the
// image, it is tried again with fewer or more circles. Priced as measured,
// the draw comes out as the player draws it.
TEST(DrawBudgetTest, AnImageCostingMoreThanTheDrawHasLeftIsStretchedPlainly)
{
    const int width = 1600, height = 1200;
    const double imagePrice = 0.7 * 800 * 500;
    ASSERT_LT(imagePrice, CPlayGuard::RecordLimitMicrosecondsFor(width * height));
    const unsigned perCircle = std::max(1u, (unsigned)(BareMicroseconds(LeftImage(10, 0), width, height) / 10));
    const DWORD limit = CPlayGuard::DrawLimitMilliseconds((DWORD)LeftImage(20, HALFTONE).size(), width * height);
    // The circles take the draw's time less half the image's price.
    int circles = (int)((limit * 1000.0 - imagePrice / 2) / perCircle);
    bool marked, plain = false;
    {
        const CPlayerPrices::CScopedMeasurement slow(PlayerPixel::HalftoneStretch, 0.7);
        for (int tries = 0; tries < 4 && !plain; ++tries)
        {
            CCanvas drawn(width, height);
            plain = DrawnAsPlayed(LeftImage(circles, HALFTONE), LeftImage(circles, COLORONCOLOR), drawn, marked);
            circles += std::max(1, circles / 10) * (marked ? 1 : -1);
        }
    }
    EXPECT_TRUE(plain) << "priced slow, " << circles << " circles of " << perCircle << " us";
    CCanvas drawn(width, height);
    const Bytes image = LeftImage(circles / 2, HALFTONE);
    EXPECT_TRUE(DrawnAsPlayed(image, image, drawn, marked)) << "priced as measured";
}

// The photograph stretched by averaging over a page at 1200 dots an inch, in
// a monochrome bitmap, is beyond what a record may take (the player took
// about 6 s on a fast machine): stretched plainly, or left out where even
// that costs too much, the draw takes under two seconds of work, as an
// enhanced and as a placed Windows metafile.
TEST(DrawBudgetTest, APhotographStretchedByAveragingOverAHugePageTakesUnderTwoSeconds)
{
    for (const Bytes& photograph :
         {MakeEmf(ScreenFrame, DrawPhotograph), MakePlaceableWmf(800, 600, 96, DrawPhotograph)})
    {
        CPicture picture;
        Load(picture, photograph);
        COwnedDC dc(::CreateCompatibleDC(NULL));
        COwnedGdiObject<HBITMAP> page(::CreateBitmap(10000, 13000, 1, 1, NULL));
        ASSERT_TRUE(page != NULL);
        CSelectedObject selected(dc, page);
        CDC* canvas = CDC::FromHandle(dc);
        const CRect all(0, 0, 10000, 13000);
        CThreadCpuTimer timer;
        picture.Draw(canvas, all, all, CPoint(0, 0));
        EXPECT_LT(timer.Milliseconds(), 2000u) << (photograph[0] == 1 ? "enhanced" : "placed");
    }
}

// Circles that run out of time into 1600 x 1200 (as many as take the bare
// player here three times the draw's time) are drawn whole into 400 x 300
// afterwards (each costing about a twelfth); drawn into 1600 x 1200 again,
// they stop where they did.
TEST(DrawBudgetTest, AStopHoldsForDrawsAsLargeOnly)
{
    const unsigned perCircle = std::max(1u, (unsigned)(BareMicroseconds(Circles(10), 1600, 1200) / 10));
    const DWORD limit = CPlayGuard::DrawLimitMilliseconds((DWORD)Circles(40).size(), 1600 * 1200);
    const Bytes circles = Circles((int)(3000.0 * limit / perCircle));
    CPicture picture;
    Load(picture, circles);
    CCanvas large(1600, 1200), small(400, 300), again(1600, 1200);
    Draw(picture, large);
    ASSERT_EQ(large.Count(Marker), 0) << "the large draw did not run out";
    Draw(picture, small);
    EXPECT_TRUE(DrawnAsPlayed(circles, small));
    Draw(picture, again);
    EXPECT_TRUE(SamePixels(large, again));
}

// A stop holds for draws on the same kind of device, at least as large.
TEST(DrawBudgetTest, AStopHoldsOnTheSameKindOfDeviceOnly)
{
    CPlayStops stops;
    stops.Keep(DT_RASDISPLAY, 1000, 50);
    stops.Keep(DT_RASDISPLAY, 4000, 30);
    EXPECT_EQ(stops.StopFor(DT_RASDISPLAY, 999), CPlayStops::NoStop);
    EXPECT_EQ(stops.StopFor(DT_RASDISPLAY, 1000), 50u);
    EXPECT_EQ(stops.StopFor(DT_RASDISPLAY, 5000), 30u);
    EXPECT_EQ(stops.StopFor(DT_RASPRINTER, 5000), CPlayStops::NoStop);
}

// A draw whose thread is held for 1.5 s in its first record is not charged
// the wait: it comes out whole. Held 8.5 s, over eight times its time, it
// stops, but the next draw, not held, comes out whole.
TEST(DrawBudgetTest, ADrawThatWaitsIsNotChargedTheWait)
{
    const Bytes zigzag = Zigzag();
    CPicture picture;
    Load(picture, zigzag);
    CCanvas waited(800, 600), longWaited(800, 600), next(800, 600);
    DrawHeld(picture, waited, 1500);
    EXPECT_TRUE(DrawnAsPlayed(zigzag, waited));
    DrawHeld(picture, longWaited, 8500);
    EXPECT_EQ(longWaited.Count(Marker), 0) << "a draw held eight times its time did not stop";
    Draw(picture, next);
    EXPECT_TRUE(DrawnAsPlayed(zigzag, next));
}

// Gradients whose records each take the player long, within a record's
// limit, stop within two seconds of work: a hundred records of a triangle
// over half the frame (10 KB) drawn into 4800 x 3600, about 0.24 s each (a
// small file is given little time for a page's pixels), and 1,800 of twenty
// triangles (600 KB) into 800 x 600, about 0.12 s each.
TEST(DrawBudgetTest, CostlyRecordsStopWithinTwoSecondsOfWork)
{
    struct Costly
    {
        int records, triangles;
        SIZE size;
    };
    for (const Costly& costly : {Costly{100, 1, {4800, 3600}}, Costly{1800, 20, {800, 600}}})
    {
        const Bytes gradients = MakeEmf(InchFrame, [&costly](HDC dc) {
            for (int i = 0; i < costly.records; ++i)
                GradientTriangles(dc, costly.triangles);
        });
        CPicture picture;
        Load(picture, gradients);
        CCanvas canvas(costly.size.cx, costly.size.cy);
        CThreadCpuTimer timer;
        Draw(picture, canvas);
        EXPECT_LT(timer.Milliseconds(), 2000u) << costly.records << " records into " << costly.size.cx;
    }
}
