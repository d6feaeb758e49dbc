// Flood fills: the player recurses once for every run of pixels it fills in
// a row, so a fill inside a corridor one pixel wide that snakes across the
// picture overflows the drawing thread's stack and ends the process. Such a
// fill is left out; a small shape filled draws as the player draws it.
#include "HostileDrawing.h"
#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include <gtest/gtest.h>

#include <cstddef>
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
// across the box; filled from its first corner.
std::function<void(HDC)> CorridorDrawing(int width, int height)
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

int DifferingPixels(const CCanvas& a, const CCanvas& b, const RECT& part)
{
    int differing = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            differing += a.At(x, y) != b.At(x, y);
    return differing;
}

// Drawn small enough for the fill's deepest recursion to fit the stack: the
// program draws the player's pixels, the fill among them.
TEST(FloodFillPictureTest, ShapeFilledDrawsAsThePlayerDrawsIt)
{
    const int width = 120, height = 90;
    const RECT all = {0, 0, width, height};
    const Bytes emf = MakeEmf(FrameOfPixels(width, height), FilledCircle);
    // The placeable metafile's box is the canvas: the player draws it as it is.
    const Bytes wmf = MakePlaceableWmf(width, height, 96, FilledCircle);
    const struct
    {
        const char* what;
        const Bytes& bytes;
        std::function<void(HDC)> play;
    } pictures[] = {
        {"enhanced metafile", emf,
         [&](HDC dc) {
             ::PlayEnhMetaFile(dc, COwnedEnhMetafile(::SetEnhMetaFileBits((UINT)emf.size(), emf.data())), &all);
         }},
        {"placeable metafile", wmf,
         [&](HDC dc) {
             const size_t placeable = 22;
             ::PlayMetaFile(dc, COwnedMetafile(::SetMetaFileBitsEx((UINT)(wmf.size() - placeable), &wmf[placeable])));
         }},
    };
    for (const auto& picture : pictures)
    {
        SCOPED_TRACE(picture.what);
        CCanvas drawn(width, height), played(width, height);
        picture.play(played.DC()->m_hDC);
        EXPECT_GT(played.Count(FillColour), 2000) << "the player fills too little";
        ExpectDrawnSafely(picture.bytes, width, height, picture.what, &drawn);
        EXPECT_EQ(DifferingPixels(drawn, played, all), 0) << "pixels differ";
    }
}

// A repaint of the part of a large window that holds the circle draws the
// pixels that a paint of the whole window draws there, though the fill would
// fit the stack within that part alone.
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
