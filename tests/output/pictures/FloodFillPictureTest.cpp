// Flood fills: the player recurses once for every run of pixels it fills in
// a row, so a fill inside a corridor one pixel wide that snakes across the
// picture overflows the drawing thread's stack and ends the process. Such a
// fill is left out, judged by the fill the player would make on the pixels
// drawn so far; shapes filled draw as the player draws them, on a surface
// of any size.
#include "HostileDrawing.h"
#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"
#include "output/pictures/PlayGuard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
const COLORREF FillColour = RGB(255, 0, 0);

// Fills from the point up to black in FillColour.
void FloodFill(HDC dc, int x, int y)
{
    const COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(FillColour));
    CSelectedObject selected(dc, brush);
    ::ExtFloodFill(dc, x, y, RGB(0, 0, 0), FLOODFILLBORDER);
}

// Walls one pixel wide in every other column of a width x height box, open at
// the bottom and the top in turn, so that the corridor between them snakes
// across the box.
std::function<void(HDC)> CorridorWalls(int width, int height)
{
    return [=](HDC dc) {
        std::vector<POINT> points;
        std::vector<DWORD> counts;
        for (int x = 1; x < width; x += 2)
        {
            const int top = x % 4 == 1 ? 0 : 1;
            points.push_back({x, top});
            points.push_back({x, top + height - 1});
            counts.push_back(2);
        }
        // A Windows metafile has no record of several lines.
        if (::GetObjectType(dc) == OBJ_METADC)
            for (size_t i = 0; i < counts.size(); ++i)
                ::Polyline(dc, &points[2 * i], 2);
        else
            ::PolyPolyline(dc, points.data(), counts.data(), (DWORD)counts.size());
    };
}

// The corridor filled from its first corner.
std::function<void(HDC)> CorridorDrawing(int width, int height)
{
    return [=](HDC dc) {
        CorridorWalls(width, height)(dc);
        FloodFill(dc, 0, 0);
    };
}

// The placeable metafile with its META_EXTFLOODFILL written as a
// META_FLOODFILL (the recorder writes the one for either call): the same
// parameters without the kind of fill first.
Bytes WithPlainFloodFill(Bytes wmf)
{
    const size_t at = FindWmfRecord(wmf, META_EXTFLOODFILL);
    if (at == 0)
        return wmf;
    const DWORD words = 7;
    const WORD function = META_FLOODFILL;
    std::memcpy(&wmf[at], &words, 4);
    std::memcpy(&wmf[at + 4], &function, 2);
    wmf.erase(wmf.begin() + (ptrdiff_t)at + 6, wmf.begin() + (ptrdiff_t)at + 8);
    const size_t sizeAt = 22 + offsetof(METAHEADER, mtSize);
    DWORD total;
    std::memcpy(&total, &wmf[sizeAt], 4);
    --total;
    std::memcpy(&wmf[sizeAt], &total, 4);
    return wmf;
}

struct Corridor
{
    const char* what;
    Bytes bytes;
    // The record of the fill in the picture (an enhanced metafile's type, a
    // Windows metafile's function).
    DWORD fill;
};

std::vector<Corridor> Corridors()
{
    return {
        {"enhanced metafile, 400 turns", MakeEmf(FrameOfPixels(800, 600), CorridorDrawing(800, 600)), EMR_EXTFLOODFILL},
        {"enhanced metafile, 200 turns stretched", MakeEmf(FrameOfPixels(400, 600), CorridorDrawing(400, 600)),
         EMR_EXTFLOODFILL},
        {"placeable metafile, ExtFloodFill", MakePlaceableWmf(800, 600, 96, CorridorDrawing(800, 600)),
         META_EXTFLOODFILL},
        {"placeable metafile, FloodFill", WithPlainFloodFill(MakePlaceableWmf(800, 600, 96, CorridorDrawing(800, 600))),
         META_FLOODFILL},
    };
}

TEST(FloodFillPictureTest, FillsOfCorridorsSnakingAcrossThePictureLeaveTheProgramRunning)
{
    for (const Corridor& corridor : Corridors())
    {
        SCOPED_TRACE(corridor.what);
        const bool enhanced = corridor.fill == EMR_EXTFLOODFILL;
        ASSERT_NE(enhanced ? FindEmfRecord(corridor.bytes, corridor.fill)
                           : FindWmfRecord(corridor.bytes, (WORD)corridor.fill),
                  0u)
            << "no fill recorded";
        ExpectDrawnSafely(corridor.bytes, 800, 600, std::string(corridor.what) + " at 800 x 600");
        ExpectDrawnSafely(corridor.bytes, 1600, 1200, std::string(corridor.what) + " at 1600 x 1200");
    }
}

// A circle outlined and filled from its centre, as drawing programs write a
// bucket fill.
void FilledCircle(HDC dc)
{
    CSelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    ::Ellipse(dc, 20, 10, 100, 80);
    FloodFill(dc, 60, 45);
}

// Draws the picture through the program and through the bare player into
// width x height: both draw the same pixels, the fill's among them.
void ExpectDrawnAsThePlayerDrawsIt(const Bytes& bytes, int width, int height, const std::string& what)
{
    SCOPED_TRACE(what);
    CCanvas drawn(width, height), played(width, height);
    PlayOnThePlatform(bytes, played);
    EXPECT_GT(played.Count(FillColour), width * height / 5) << "the player fills too little";
    ExpectDrawnSafely(bytes, width, height, what, &drawn);
    EXPECT_EQ(DifferingPixels(drawn, played, {0, 0, width, height}), 0) << "pixels differ";
}

TEST(FloodFillPictureTest, ShapeFilledDrawsAsThePlayerDrawsIt)
{
    const int width = 120, height = 90;
    ExpectDrawnAsThePlayerDrawsIt(MakeEmf(FrameOfPixels(width, height), FilledCircle), width, height,
                                  "enhanced metafile");
    // The placeable metafile's box is the canvas: the player draws it as it is.
    ExpectDrawnAsThePlayerDrawsIt(MakePlaceableWmf(width, height, 96, FilledCircle), width, height,
                                  "placeable metafile");
}

// A colouring page: 200 closed outlines over 800 x 600 (ellipses, rectangles
// and triangles in turn), each filled from inside.
void ColouringPage(HDC dc)
{
    const COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(FillColour));
    CSelectedObject selected(dc, brush);
    for (int i = 0; i < 200; ++i)
    {
        const int left = i % 20 * 40 + 4, top = i / 20 * 60 + 4, right = left + 31, bottom = top + 51;
        const POINT box[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
        const POINT triangle[] = {{left, bottom}, {(left + right) / 2, top}, {right, bottom}, {left, bottom}};
        POINT ellipse[25];
        for (int k = 0; k < 25; ++k)
            ellipse[k] = POINT{left + 15 + (int)std::lround(15 * std::cos(k * 3.14159265358979 / 12)),
                               top + 25 + (int)std::lround(25 * std::sin(k * 3.14159265358979 / 12))};
        if (i % 3 == 0)
            ::Polyline(dc, ellipse, 25);
        else if (i % 3 == 1)
            ::Polyline(dc, box, 5);
        else
            ::Polyline(dc, triangle, 4);
        ::ExtFloodFill(dc, (left + right) / 2, (top + bottom) / 2 + 8, RGB(0, 0, 0), FLOODFILLBORDER);
    }
}

// Every shape's fill is small, though the page at its own size and at 240 x
// 180 is larger than one whose every possible fill fits the stack.
TEST(FloodFillPictureTest, ColouringPageDrawsAsThePlayerDrawsIt)
{
    const Bytes emf = MakeEmf(FrameOfPixels(800, 600), ColouringPage);
    const Bytes wmf = MakePlaceableWmf(800, 600, 96, ColouringPage);
    for (const SIZE size : {SIZE{800, 600}, SIZE{240, 180}})
    {
        const std::string at = " at " + std::to_string(size.cx) + " x " + std::to_string(size.cy);
        ExpectDrawnAsThePlayerDrawsIt(emf, size.cx, size.cy, "enhanced metafile" + at);
        ExpectDrawnAsThePlayerDrawsIt(wmf, size.cx, size.cy, "placeable metafile" + at);
    }
}

DWORD WINAPI Run(void* work)
{
    (*(std::function<void()>*)work)();
    return 0;
}

// The pixels filled when the program draws the picture over a canvas of
// size x size, on this thread or on a thread of its own with so many bytes
// of stack.
int FilledPixels(const Bytes& bytes, int size, DWORD stackBytes = 0)
{
    CPicture picture;
    if (!picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)))
        return -1;
    CCanvas canvas(size, size);
    std::function<void()> draw = [&] {
        const CRect all(0, 0, size, size);
        picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    };
    if (stackBytes == 0)
        draw();
    else
    {
        const HANDLE thread = ::CreateThread(NULL, stackBytes, Run, &draw, STACK_SIZE_PARAM_IS_A_RESERVATION, NULL);
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
    }
    return canvas.Count(FillColour);
}

// A box filled from inside beside a corridor over the top left of a picture
// of 300 x 300: drawn at twice its size, the box is far from the point as
// written, which lies inside the corridor.
void BoxBesideACorridor(HDC dc)
{
    CorridorWalls(150, 150)(dc);
    const POINT box[] = {{200, 200}, {230, 200}, {230, 230}, {200, 230}, {200, 200}};
    ::Polyline(dc, box, 5);
    FloodFill(dc, 211, 211);
}

// Draws the large corridor on this thread, the small one on this thread and
// on a thread with a small stack, the box beside a corridor at twice its
// size, and ends the process: successfully where all but the second were
// left out and the second filled.
void ExitAfterDrawing(const Bytes& large, const Bytes& small, const Bytes& besideCorridor)
{
    const int deep = FilledPixels(large, 300), fits = FilledPixels(small, 140),
              onWorker = FilledPixels(small, 140, 1 << 20), unmapped = FilledPixels(besideCorridor, 600);
    std::fprintf(stderr, "pixels filled: 300 x 300 %d, 140 x 140 %d, on a 1 MB stack %d, from the point unmapped %d\n",
                 deep, fits, onWorker, unmapped);
    std::exit(deep == 0 && fits > 9000 && onWorker == 0 && unmapped == 0 ? 0 : 1);
}

// Corridors filled from a corner at their own size: one of 300 x 300 takes
// the player some 45,000 levels (6.5 MB of stack), though its time fits a
// record's; one of 140 x 140, 9,800 levels (1.4 MB), fits the 2 MB of the
// main thread but not a worker's 1 MB; one that the player fills from the
// point as written, not mapped. Drawn in a process of its own, so
// that a fill that overflows the stack ends that process and fails the test.
TEST(FloodFillPictureTest, FillsDeeperThanTheStackLeftAreLeftOut)
{
    {
        CCanvas canvas(300, 300);
        CorridorWalls(300, 300)(canvas.DC()->m_hDC);
        const FloodFillParameters fill = {0, 0, RGB(0, 0, 0), FLOODFILLBORDER};
        EXPECT_TRUE(CPlayGuard::IsAffordable(FloodFillWork(canvas.DC()->m_hDC, fill)))
            << "not left out by the stack alone";
    }
    const Bytes large = MakeEmf(FrameOfPixels(300, 300), CorridorDrawing(300, 300));
    const Bytes small = MakeEmf(FrameOfPixels(140, 140), CorridorDrawing(140, 140));
    const Bytes besideCorridor = MakeEmf(FrameOfPixels(300, 300), BoxBesideACorridor);
    EXPECT_EXIT(ExitAfterDrawing(large, small, besideCorridor), ::testing::ExitedWithCode(0), "");
}

// Drawn into an enhanced metafile being recorded, whose pixels cannot be
// read, the fill is left out and the outline kept.
TEST(FloodFillPictureTest, FillIntoAMetafileBeingRecordedIsLeftOut)
{
    const Bytes emf = MakeEmf(FrameOfPixels(120, 90), FilledCircle);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    const Bytes recorded = MakeEmf(FrameOfPixels(120, 90), [&](HDC dc) {
        const CRect all(0, 0, 120, 90);
        picture.Draw(CDC::FromHandle(dc), all, all, CPoint(0, 0));
    });
    EXPECT_NE(FindEmfRecord(recorded, EMR_ELLIPSE), 0u);
    EXPECT_EQ(FindEmfRecord(recorded, EMR_EXTFLOODFILL), 0u);
}

// A repaint of the part of a large window that holds the circle draws the
// pixels that a paint of the whole window draws there: the fill is followed
// inside the repaint's clip region as the player clips it.
TEST(FloodFillPictureTest, RepaintOfAPartDrawsWhatTheWholeDrawDrawsThere)
{
    const Bytes emf = MakeEmf(FrameOfPixels(1200, 900), FilledCircle);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    const CRect all(0, 0, 1200, 900), part(0, 0, 120, 90);
    CCanvas whole(all.right, all.bottom), repainted(all.right, all.bottom);
    picture.Draw(whole.DC(), all, all, CPoint(0, 0));
    picture.Draw(repainted.DC(), all, part, CPoint(0, 0));
    EXPECT_EQ(DifferingPixels(whole, repainted, part), 0);
}
} // namespace
