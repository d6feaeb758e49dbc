// Single records of many items (a gradient's triangles, copies of a glyph, a
// region's rectangles), which the platform's player takes seconds over, are
// skipped and the rest of the picture drawn: a marker drawn after them
// shows, each draw (first, repaint, on a worker) within two seconds.
#include "HostileDrawing.h"

#include "output/pictures/DeviceMapping.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PlayGuard.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <functional>
#include <string>
#include <vector>

namespace
{
const COLORREF Marker = RGB(230, 0, 0);
// The pictures' frame: 96 x 96 pixels, drawn into 800 x 600.
const RECT Frame = {0, 0, 2540, 2540};

void DrawMarker(HDC dc)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(Marker));
    CSelectedObject selected(dc, brush);
    ::PatBlt(dc, 0, 0, 24, 24, PATCOPY);
}

// An enhanced metafile of the records written by hand (after a brush at
// handle 1), then the marker.
Bytes EmfWithRecords(EmfRecords written)
{
    written.insert(written.begin(), {EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}});
    const Bytes emf = WithEmfRecords(MakeEmf(Frame,
                                             [](HDC dc) {
                                                 ::MoveToEx(dc, 0, 0, NULL);
                                             }),
                                     written, 2);
    const Bytes marker = MakeEmf(Frame, DrawMarker);
    const size_t from = FindEmfRecord(marker, EMR_CREATEBRUSHINDIRECT), to = FindEmfRecord(marker, EMR_EOF);
    // The marker's records, their handle moved past the brush's.
    Bytes records(marker.begin() + (long)from, marker.begin() + (long)to);
    for (size_t at = 0; at < records.size(); at += *(const DWORD*)&records[at + 4])
    {
        DWORD* fields32 = (DWORD*)&records[at + 8];
        const DWORD kind = *(const DWORD*)&records[at];
        if ((kind == EMR_CREATEBRUSHINDIRECT || kind == EMR_SELECTOBJECT || kind == EMR_DELETEOBJECT) &&
            (fields32[0] & 0x80000000) == 0)
            fields32[0] += 1;
    }
    return WithEmfBytes(emf, FindEmfRecord(emf, EMR_EOF), records, 4);
}

Bytes EmfWithRecord(DWORD type, const Fields& fields)
{
    return EmfWithRecords({{type, fields}});
}

// A placeable Windows metafile of so many pixels of records written by hand
// (their objects after the first 'objects'), then the marker: object 0
// deleted and its slot made the marker's brush.
Bytes WmfThenMarker(int width, int height, WmfRecords records, WORD objects)
{
    records.insert(records.end(), {{META_DELETEOBJECT, {0}},
                                   {META_CREATEBRUSHINDIRECT, {BS_SOLID, LOWORD(Marker), HIWORD(Marker), 0}},
                                   {META_SELECTOBJECT, {0}},
                                   {META_RECTANGLE, {24, 24, 0, 0}}});
    return WmfOfRecords(width, height, records, objects);
}

// A placeable Windows metafile of a brush and a region object of 'count'
// stepping rectangles (objects 0 and 1), the record given, then the marker.
Bytes WmfWithRegion(DWORD count, WORD function, const Words& parameters)
{
    return WmfThenMarker(96, 96,
                         {{META_CREATEBRUSHINDIRECT, {BS_SOLID, 200 << 8, 0, 0}},
                          {META_CREATEREGION, WmfRegion(SteppingRectangles(count))},
                          {function, parameters},
                          {META_DELETEOBJECT, {1}}},
                         2);
}

struct CostlyRecord
{
    std::string name;
    std::function<Bytes()> make;
};

void PrintTo(const CostlyRecord& costly, std::ostream* out)
{
    *out << costly.name;
}

// The marker drawn after the drawing.
std::function<Bytes()> Recorded(const std::function<void(HDC)>& draw)
{
    return [draw] {
        return MakeEmf(Frame, [draw](HDC dc) {
            draw(dc);
            DrawMarker(dc);
        });
    };
}

// Drawn at about its own size into 800 x 600, clipped to a grid of
// 400 x 300 cells of a pixel, then the marker.
std::function<Bytes()> InAGridOfCells(const std::function<void(HDC)>& draw)
{
    return [draw] {
        return MakeEmf(FrameOfPixels(800, 600), [draw](HDC dc) {
            COwnedGdiObject<HRGN> columns(::CreateRectRgn(0, 0, 0, 0)), rows(::CreateRectRgn(0, 0, 0, 0));
            for (int i = 0; i < 400; ++i)
            {
                COwnedGdiObject<HRGN> column(::CreateRectRgn(2 * i, 0, 2 * i + 1, 600));
                COwnedGdiObject<HRGN> row(::CreateRectRgn(0, 2 * i, 800, 2 * i + 1));
                ::CombineRgn(columns, columns, column, RGN_OR);
                if (i < 300)
                    ::CombineRgn(rows, rows, row, RGN_OR);
            }
            ::SelectClipRgn(dc, columns);
            ::ExtSelectClipRgn(dc, rows, RGN_AND);
            draw(dc);
            ::SelectClipRgn(dc, NULL);
            DrawMarker(dc);
        });
    };
}

// A placeable Windows metafile of 800 x 600 pixels clipped to the same
// grid (a region of 400 columns, 300 rows excluded from it), the records
// given with the objects after its two, then the marker.
std::function<Bytes()> WmfInAGridOfCells(const WmfRecords& records)
{
    return [records] {
        WmfRecords all = {{META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0}},
                          {META_CREATEREGION, WmfRegion(GridOfCells(400, 1, 1, 600))},
                          {META_SELECTCLIPREGION, {1}}};
        for (WORD row = 0; row < 300; ++row)
            all.push_back({META_EXCLUDECLIPRECT, {(WORD)(2 * row + 2), 800, (WORD)(2 * row + 1), 0}});
        all.insert(all.end(), records.begin(), records.end());
        // Object 0 is no region: the clip goes.
        all.push_back({META_SELECTCLIPREGION, {0}});
        return WmfThenMarker(800, 600, all, 4);
    };
}

std::vector<CostlyRecord> CostlyRecords()
{
    const DWORD count = 20000;
    const Fields region = RegionData(SteppingRectangles(count));
    const Fields box = {0, 0, 96, 96};
    return {
        {"GradientOf2000Triangles", Recorded([](HDC dc) {
             GradientTriangles(dc, 2000);
         })},
        {"GradientOf20000Triangles", Recorded([](HDC dc) {
             GradientTriangles(dc, 20000);
         })},
        {"TwentyThousandCopiesOfALetter", Recorded([](HDC dc) {
             CopiesOfALetter(dc, 20000, 100);
         })},
        {"FillRegionOf20000Rectangles",
         [=] {
             return EmfWithRecord(EMR_FILLRGN, RegionRecord(box, {1}, region));
         }},
        {"PaintRegionOf20000Rectangles",
         [=] {
             return EmfWithRecord(EMR_PAINTRGN, RegionRecord(box, {}, region));
         }},
        {"InvertRegionOf20000Rectangles",
         [=] {
             return EmfWithRecord(EMR_INVERTRGN, RegionRecord(box, {}, region));
         }},
        {"FrameRegionOf20000Rectangles",
         [=] {
             return EmfWithRecord(EMR_FRAMERGN, RegionRecord(box, {1, 2, 2}, region));
         }},
        {"ClipRegionOf20000Rectangles",
         [=] {
             return EmfWithRecord(EMR_EXTSELECTCLIPRGN, RegionRecord({}, {RGN_COPY}, region));
         }},
        // A line 200,000 pixels long in a dashed pen 8 pixels wide, written
        // by hand (the recorder writes one that the player draws solid).
        {"DashedLine200000PixelsLong",
         [] {
             const DWORD half = 12000;
             return EmfWithRecords({{EMR_EXTCREATEPEN, {3, 0, 0, 0, 0, PS_GEOMETRIC | PS_DASH, 1, BS_SOLID, 0, 0, 0}},
                                    {EMR_SELECTOBJECT, {3}},
                                    {EMR_MOVETOEX, {(DWORD)-half, 48}},
                                    {EMR_LINETO, {half, 48}},
                                    {EMR_SELECTOBJECT, {0x80000000 | BLACK_PEN}}});
         }},
        {"WmfFillRegionOf20000Rectangles",
         [] {
             return WmfWithRegion(20000, META_FILLREGION, {1, 0});
         }},
        {"WmfClipRegionOf20000Rectangles",
         [] {
             return WmfWithRegion(20000, META_SELECTCLIPREGION, {1});
         }},
        // Clipped to a grid of cells, each copy of a letter and each piece of
        // a wide pen's stroke goes through the whole clip region.
        {"CopiesOfALetterInAGridOfCells", InAGridOfCells([](HDC dc) {
             CopiesOfALetter(dc, 16000, 12, {10, 300});
         })},
        {"WideStrokeInAGridOfCells", InAGridOfCells([](HDC dc) {
             std::vector<POINT> zigzag(6000);
             for (size_t i = 0; i < zigzag.size(); ++i)
                 zigzag[i] = {(LONG)(i * 7 % 800), (LONG)(i * 13 % 600)};
             const LOGBRUSH ink = {BS_SOLID, RGB(0, 0, 0), 0};
             COwnedGdiObject<HPEN> pen(::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 4, &ink, 0, NULL));
             CSelectedObject selected(dc, pen);
             ::Polyline(dc, zigzag.data(), (int)zigzag.size());
         })},
        {"WmfCopiesOfALetterInAGridOfCells",
         [] {
             const WORD copies = 16000;
             std::vector<WORD> text = {300, 10, copies, 0};
             text.insert(text.end(), copies / 2, (WORD)('W' | 'W' << 8));
             text.insert(text.end(), copies, 0);
             return WmfInAGridOfCells({{META_EXTTEXTOUT, text}})();
         }},
        {"WmfWideStrokeInAGridOfCells",
         [] {
             std::vector<WORD> zigzag = {6000};
             for (WORD i = 0; i < 6000; ++i)
                 zigzag.insert(zigzag.end(), {(WORD)(i * 7 % 800), (WORD)(i * 13 % 600)});
             return WmfInAGridOfCells({{META_CREATEPENINDIRECT, {PS_SOLID, 4, 0, 0, 0}},
                                       {META_SELECTOBJECT, {2}},
                                       {META_POLYLINE, zigzag}})();
         }},
    };
}

class CostBoundPictureTest : public ::testing::TestWithParam<CostlyRecord>
{
};
} // namespace

// The bare player into 800 x 600 (thread time): a gradient of 2,000
// triangles over the frame 11 s, of 20,000 120 s; a dashed line 200,000
// pixels long in a pen 8 pixels wide 4.5 s; 20,000 copies of a letter
// 700 pixels high at one place 5 s; a region of 20,000 rectangles one under
// another filled 3.4 s, painted, inverted, framed, made the clip (enhanced
// and Windows metafiles) 3-4 s, growing with the square of the rectangles;
// clipped to a grid of 120,000 cells, 16,000 copies of a small letter
// 4.5 s, a polyline of 6,000 points in a pen 4 pixels wide 2.7 s (placed
// Windows metafiles: 4.2 s and 3.5 s under the guard that did not count the
// clip's rectangles).
TEST_P(CostBoundPictureTest, RecordOfManyItemsIsSkippedAndTheRestDrawn)
{
    const CostlyRecord& costly = GetParam();
    CCanvas first(800, 600);
    ExpectDrawnSafely(costly.make(), 800, 600, costly.name, &first);
    EXPECT_GT(first.Count(Marker), 0) << "the marker after the record is missing";
}

INSTANTIATE_TEST_SUITE_P(Kinds, CostBoundPictureTest, ::testing::ValuesIn(CostlyRecords()),
                         [](const ::testing::TestParamInfo<CostlyRecord>& info) {
                             return info.param.name;
                         });

// A photograph of 4000 x 3000 placed as one record draws, into 800 x 600
// and into 4800 x 3600 (a page at print resolution): the player takes
// 60 ms and 80 ms over it.
TEST(CostBoundPictureTest, PhotographPlacedAsOneRecordDraws)
{
    const COLORREF grey = RGB(0x80, 0x80, 0x80);
    const Bytes emf = MakeEmf(Frame, [](HDC dc) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4000, 3000, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        const std::vector<BYTE> bits((size_t)4000 * 3000 * 3, 0x80);
        ::StretchDIBits(dc, 0, 0, 96, 72, 0, 0, 4000, 3000, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    });
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    for (const SIZE size : {SIZE{800, 600}, SIZE{4800, 3600}})
    {
        CCanvas canvas(size.cx, size.cy);
        const CRect all(0, 0, size.cx, size.cy);
        picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
        EXPECT_EQ(canvas.At(size.cx / 2, size.cy / 3), grey) << size.cx << " x " << size.cy;
    }
}

// A point whose y alone the mapping makes no number (a world transform
// whose eM22 is none, which the platform takes) is out of the player's
// reach, as one whose x is none.
TEST(CostBoundPictureTest, PointWhoseYIsNoNumberIsOutOfReach)
{
    CCanvas canvas(8, 8);
    const HDC dc = canvas.DC()->m_hDC;
    ::SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM transform = {1, 0, 0, NAN, 0, 0};
    ASSERT_TRUE(::SetWorldTransform(dc, &transform));
    const CDeviceMapping mapping(dc);
    CDrawingWork work(mapping);
    work.AddPlace(1, 1);
    EXPECT_FALSE(CPlayGuard::IsAffordable(work.Placed()));
}

// A line on from points of which one is out of reach is left out, and the
// current position moves to its last point as the player would have moved
// it: the line drawn next starts there.
TEST(CostBoundPictureTest, LinesLeftOutMoveTheCurrentPositionToTheirLastPoint)
{
    const Bytes emf =
        EmfOfRecords(FrameOfPixels(48, 48), {{EMR_MOVETOEX, {10, 10}},
                                             {EMR_POLYLINETO, {0, 0, 48, 48, 2, 20000000, 20000000, 40, 40}},
                                             {EMR_LINETO, {40, 10}}});
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(48, 48);
    const CRect all(0, 0, 48, 48);
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    EXPECT_EQ(canvas.At(40, 25), RGB(0, 0, 0)) << "the line after does not start at the last point";
    EXPECT_EQ(canvas.At(25, 10), RGB(255, 255, 255)) << "the line after starts where the one left out began";
}

// A road of 300 bends widened by a pen into a path and filled, drawn into
// 4800 x 3600 (a page at print resolution): widening only builds the
// outline (about 10 ms for the player), filling it takes it about 0.2 s.
TEST(CostBoundPictureTest, RoadWidenedByAPenDrawsOnAPrintedPage)
{
    const Bytes emf = MakeEmf(Frame, [](HDC dc) {
        std::vector<POINT> road(300);
        for (int i = 0; i < 300; ++i)
            road[(size_t)i] = {2 + 92 * i / 299, i % 2 != 0 ? 56 : 40};
        const LOGBRUSH ink = {BS_SOLID, RGB(0, 0, 0), 0};
        COwnedGdiObject<HPEN> pen(
            ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, 6, &ink, 0, NULL));
        COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(Marker));
        CSelectedObject selectedPen(dc, pen), selectedBrush(dc, brush);
        ::BeginPath(dc);
        ::Polyline(dc, road.data(), (int)road.size());
        ::EndPath(dc);
        ::WidenPath(dc);
        ::FillPath(dc);
    });
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(4800, 3600);
    const CRect all(0, 0, 4800, 3600);
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    EXPECT_GT(canvas.Count(Marker), 0);
}

// Restoring the DC's state of level -2^31, which has no opposite, crashed
// the player (a picture of 200 bytes): the record is left out and the rest
// drawn.
TEST(CostBoundPictureTest, RestoringTheLevelWithNoOppositeIsLeftOut)
{
    CCanvas first(800, 600);
    ExpectDrawnSafely(EmfWithRecord(EMR_RESTOREDC, {0x80000000u}), 800, 600, "RestoreLowestLevel", &first);
    EXPECT_GT(first.Count(Marker), 0) << "the marker after the record is missing";
}

// A metafile that restores the states saved before it was drawn (by the
// player and by the window's painting), absolutely and relatively, then
// blackens the device, drawn into a box of a window that saved its state:
// it paints inside the box only (it painted the whole window). Enhanced and
// placed Windows metafiles.
TEST(CostBoundPictureTest, RestoringStatesSavedBeforeTheDrawIsLeftOut)
{
    const Bytes wmf = WithWmfRecords(MakePlaceableWmf(96, 96, 96, DrawMarker),
                                     {{META_RESTOREDC, {1}},
                                      {META_RESTOREDC, {(WORD)-2}},
                                      {META_PATBLT, {LOWORD(BLACKNESS), HIWORD(BLACKNESS), 600, 800, 0, 0}}});
    const Bytes emf = EmfWithRecords({{EMR_RESTOREDC, {1}},
                                      {EMR_RESTOREDC, {(DWORD)-2}},
                                      {EMR_SELECTOBJECT, {0x80000000u | BLACK_BRUSH}},
                                      {EMR_RECTANGLE, {(DWORD)-10000, (DWORD)-10000, 10000, 10000}}});
    for (const Bytes& restoring : {wmf, emf})
    {
        CPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(restoring.data(), (DWORD)restoring.size(), MakePictureLoadOptions(96, 96)));
        CCanvas canvas(800, 600);
        const CSavedDCState windowState(canvas.DC());
        const CRect box(300, 200, 400, 300);
        picture.Draw(canvas.DC(), box, box, CPoint(0, 0));
        const CRect drawn = canvas.ExtentOfOther(RGB(255, 255, 255));
        EXPECT_TRUE(drawn.left >= box.left && drawn.top >= box.top && drawn.right <= box.right &&
                    drawn.bottom <= box.bottom)
            << drawn.left << ", " << drawn.top << " to " << drawn.right << ", " << drawn.bottom;
    }
}

// A record of 1,000 strings of no characters, each filling the page with
// the background, drawn into 4800 x 3600 (a page at print resolution): the
// player takes 4.1-5.2 s over it.
TEST(CostBoundPictureTest, StringsEachFillingThePageAreSkippedAndTheRestDrawn)
{
    const DWORD strings = 1000, one = FloatBits(1);
    Fields fields = {0, 0, 96, 96, GM_COMPATIBLE, one, one, strings};
    // Each at (10, 10), its characters and advances (none) at byte 8.
    for (DWORD i = 0; i < strings; ++i)
        fields.insert(fields.end(), {10, 10, 0, 8, ETO_OPAQUE, 0, 0, 96, 96, 8});
    const Bytes emf = EmfWithRecord(EMR_POLYTEXTOUTW, fields);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(4800, 3600);
    EXPECT_LT(DrawingMilliseconds(picture, canvas, "StringsEachFillingThePage"), 2000u);
    EXPECT_GT(canvas.Count(Marker), 0) << "the marker after the record is missing";
}
