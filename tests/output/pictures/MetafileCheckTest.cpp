// Metafiles are refused when they are loaded only for what would make the
// platform's player read or write outside the picture or its handle table,
// or for a header that no picture can mean (plain and sealed alike). Their
// drawing is guarded a record at a time: a record that would take the
// player seconds or minutes, or crash it, is skipped and the rest drawn, so
// that a picture draws into 800 x 600 within two seconds, first and on a
// repaint. Metafiles that the platform itself records (regions, monochrome
// pattern brushes, charts in data units, text far from the origin, arcs in
// boxes one unit high, photographs placed small) and records that writers
// write load and draw the pixels that its player draws of them.
#include "output/pictures/EnhRecordFields.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureCtrl.h"
#include "output/pictures/ThumbnailBitmap.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"
#include "support/ScratchFolder.h"
#include "support/ThreadCpuTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
const RECT Frame = {0, 0, 2000, 1600};
// Drawn in every picture whose drawing is guarded, where it must show.
const COLORREF Marker = RGB(230, 0, 0);

void Put(Bytes& bytes, size_t at, DWORD value)
{
    std::memcpy(&bytes[at], &value, 4);
}

// The placeable Windows metafile with the record put before its end record.
Bytes WithWmfRecord(Bytes wmf, WORD function, const Words& parameters)
{
    return WithWmfRecords(std::move(wmf), {{function, parameters}});
}

bool Loads(const Bytes& bytes)
{
    CGuardedBytes guarded(bytes);
    CPicture picture;
    return picture.LoadFromMemory(guarded.Data(), guarded.Size(), MakePictureLoadOptions(96, 96)) != FALSE;
}

bool LoadsSealed(const Bytes& bytes)
{
    CScratchFolder folder("sealed_metafile");
    const std::string path = folder / "picture.vqf";
    EXPECT_TRUE(WriteBytes(path, SealPicture(bytes)));
    CPicture picture;
    return picture.Load(path.c_str(), MakePictureLoadOptions(96, 96)) != FALSE;
}

// Draws the picture on a white canvas and counts the pixels that are not white.
int DrawnPixels(const Bytes& bytes, CCanvas& canvas)
{
    CPicture picture;
    if (!picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)))
        return -1;
    CRect all(0, 0, canvas.Width(), canvas.Height());
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    return canvas.Width() * canvas.Height() - canvas.Count(RGB(255, 255, 255));
}

// Draws the picture through the program and plays it with the platform's
// player on white canvases of the size: the player draws something, and the
// program draws the same pixels.
void ExpectDrawnAsThePlatformPlaysIt(const Bytes& bytes, int width, int height, const char* screenshot = NULL)
{
    CCanvas drawn(width, height), played(width, height);
    PlayOnThePlatform(bytes, played);
    EXPECT_GT(width * height - played.Count(RGB(255, 255, 255)), 0) << "the player draws nothing";
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96))) << "refused";
    const CRect all(0, 0, width, height);
    picture.Draw(drawn.DC(), all, all, CPoint(0, 0));
    EXPECT_EQ(DifferingPixels(drawn, played, {0, 0, width, height}), 0) << "pixels differ";
    if (screenshot != NULL)
        drawn.SaveScreenshot(screenshot);
}
}

TEST(MetafileCheckTest, RecordedBitmapsAndMonochromeBrushesLoadAndDraw)
{
    const Bytes emf = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_NE(FindEmfRecord(emf, EMR_CREATEMONOBRUSH), 0u);
    CCanvas canvas(64, 48);
    EXPECT_GT(DrawnPixels(emf, canvas), 0);
    canvas.SaveScreenshot("metafile_bitmaps");
}

// The Windows metafile that the platform records for the same drawing:
// stretched and plain device-independent bitmaps, blits from a memory DC and
// pattern brushes, each record with its bitmap.
TEST(MetafileCheckTest, RecordedWindowsMetafileBitmapsLoadAndDraw)
{
    CCanvas canvas(64, 48);
    EXPECT_GT(DrawnPixels(MakePlaceableWmf(64, 48, 96, PaintBitmapRecords), canvas), 0);
    canvas.SaveScreenshot("metafile_wmf_bitmaps");
}

// A pattern brush whose bitmap header claims more pixels than its record
// holds is refused, whatever the brush's style says.
TEST(MetafileCheckTest, PatternBrushBitmapsLargerThanTheirRecordAreRefused)
{
    const Bytes good = MakePlaceableWmf(64, 48, 96, PaintBitmapRecords);
    ASSERT_TRUE(Loads(good));
    // Placeable header, metafile header, then records: size in words, function, parameters.
    size_t at = 22 + 18;
    int patterns = 0;
    while (at + 6 <= good.size() && *(const WORD*)&good[at + 4] != 0)
    {
        if (*(const WORD*)&good[at + 4] == META_DIBCREATEPATTERNBRUSH)
        {
            SCOPED_TRACE(*(const WORD*)&good[at + 6]); // the brush's style
            Bytes bytes = good;
            BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)&bytes[at + 10];
            ASSERT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
            header->biWidth = 2000;
            header->biHeight = 256;
            header->biSizeImage = 0;
            EXPECT_FALSE(Loads(bytes));
            ++patterns;
        }
        at += 2 * *(const DWORD*)&good[at];
    }
    EXPECT_EQ(patterns, 2); // one of a device-independent bitmap, one of a monochrome bitmap
}

TEST(MetafileCheckTest, RecordedRegionsLoadAndDraw)
{
    CCanvas canvas(100, 80);
    EXPECT_GT(DrawnPixels(MakePlaceableWmf(100, 80, 96, PaintRegionRecords), canvas), 0);
    EXPECT_EQ(canvas.At(30, 30), RegionColour);
    EXPECT_EQ(canvas.At(80, 70), RGB(255, 255, 255));
    canvas.SaveScreenshot("metafile_region");
}

// Pictures drawn far from the logical origin, brought back by a window
// origin, a viewport origin or a world transform, as drawing programs record
// a part of a larger page: they load, and the square lands in the picture.
TEST(MetafileCheckTest, PicturesDrawnFarFromTheOriginLoadAndDraw)
{
    const int Far = 5000000;
    const struct
    {
        const char* what;
        std::function<void(HDC)> moveOrigin;
    } cases[] = {
        {"window origin",
         [](HDC dc) {
             ::SetWindowOrgEx(dc, Far, Far, NULL);
         }},
        {"scaled window origin",
         [](HDC dc) {
             ::SetMapMode(dc, MM_ANISOTROPIC);
             ::SetWindowExtEx(dc, 100, 100, NULL);
             ::SetViewportExtEx(dc, 10, 10, NULL);
             ::SetWindowOrgEx(dc, Far, Far, NULL);
             ::SetViewportOrgEx(dc, 2, 2, NULL);
         }},
        {"world transform",
         [](HDC dc) {
             ::SetGraphicsMode(dc, GM_ADVANCED);
             const XFORM back = {1, 0, 0, 1, (float)-Far, (float)-Far};
             ::SetWorldTransform(dc, &back);
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        const Bytes emf = MakeEmf(Frame, [&c](HDC dc) {
            c.moveOrigin(dc);
            COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(0, 0, 200)));
            CSelectedObject selected(dc, brush);
            ::Rectangle(dc, Far, Far, Far + 40, Far + 40);
        });
        CCanvas canvas(64, 48);
        EXPECT_GT(DrawnPixels(emf, canvas), 0);
        EXPECT_TRUE(LoadsSealed(emf));
    }
}

namespace
{
void Fill(HDC dc, COLORREF colour, const std::function<void()>& draw)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    CSelectedObject selectedBrush(dc, brush);
    CSelectedObject selectedPen(dc, pen);
    draw();
}

// A growth chart in days across and grams up: a bar and a line of weights,
// in whichever space 'toDays' sets up.
void DrawChart(HDC dc, const std::function<void(HDC)>& toDays)
{
    toDays(dc);
    Fill(dc, RGB(0, 0, 200), [dc] {
        ::Rectangle(dc, 100, 0, 130, 999999);
    });
    const POINT weights[] = {{0, 400}, {60, 90000}, {180, 450000}, {364, 980000}};
    ::Polyline(dc, weights, 4);
}

void ChartByMapping(HDC dc)
{
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 365, 1000000, NULL);
    ::SetViewportExtEx(dc, 200, -150, NULL);
    ::SetViewportOrgEx(dc, 0, 150, NULL);
}

void ChartByWorldScale(HDC dc)
{
    ::SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM scale = {0.55f, 0, 0, -0.00015f, 0, 150};
    ::SetWorldTransform(dc, &scale);
}

// A bitmap of width x height pixels in a memory DC, halves red and blue.
struct MemoryBitmap
{
    MemoryBitmap(int width, int height) : dc(::CreateCompatibleDC(NULL))
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = NULL;
        section.Reset(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0));
        selected.Reselect(section);
        const RECT left = {0, 0, width / 2, height}, right = {width / 2, 0, width, height};
        ::FillRect(dc, &left, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RGB(255, 0, 0))));
        ::FillRect(dc, &right, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RGB(0, 0, 255))));
    }
    COwnedDC dc;
    COwnedGdiObject<HBITMAP> section;
    CSelectedObject selected{dc, (HGDIOBJ)NULL};
};

void StretchPhoto(HDC dc, int width, int height, int placedAt)
{
    std::vector<BYTE> pixels((size_t)((width * 3 + 3) & ~3) * height, 0x80);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::StretchDIBits(dc, 0, 0, placedAt, placedAt * height / width, 0, 0, width, height, pixels.data(), &info,
                    DIB_RGB_COLORS, SRCCOPY);
}

void StretchBitmap(HDC dc, int width, int height, int placedAt)
{
    MemoryBitmap bitmap(width, height);
    ::StretchBlt(dc, 0, 0, placedAt, placedAt, bitmap.dc, 0, 0, width, height, SRCCOPY);
}

void Label(HDC dc, int x, int y)
{
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutA(dc, x, y, "Kestrova", 8);
}

// Arcs, a pie, a chord and an ArcTo whose boxes are one unit high or wide,
// which the recorder stores with equal edges, beside a box.
void OneUnitBoxes(HDC dc, int size)
{
    ::Rectangle(dc, size, 0, size + 4, size);
    ::Arc(dc, 1, 1, size - 1, 2, size - 1, 1, 1, 1);
    ::Pie(dc, 1, 3, 2, size - 1, 1, 3, 1, size - 1);
    ::Chord(dc, 3, size / 2, size - 1, size / 2 + 1, size - 1, size / 2, 3, size / 2);
    ::MoveToEx(dc, size - 2, 3, NULL);
    ::ArcTo(dc, size - 2, 3, size - 1, size - 2, size - 2, 3, size - 2, size - 2);
}

// Hidden edges, centre lines and a construction circle as a drawing program
// strokes them: arcs, lines, a polyline, an arc from the current position
// and a stroked path in a dashed pen 3 wide, a circle and a frame in a
// dotted pen 2 wide.
void DashedDrawing(HDC dc)
{
    const LOGBRUSH ink = {BS_SOLID, RGB(0, 0, 150), 0};
    COwnedGdiObject<HPEN> dashed(::ExtCreatePen(PS_GEOMETRIC | PS_DASH, 3, &ink, 0, NULL));
    COwnedGdiObject<HPEN> dotted(::ExtCreatePen(PS_GEOMETRIC | PS_DOT | PS_ENDCAP_FLAT, 2, &ink, 0, NULL));
    CSelectedObject selected(dc, dashed);
    ::Arc(dc, 20, 20, 120, 120, 120, 70, 20, 20);
    ::Arc(dc, 40, 40, 100, 100, 40, 70, 100, 70);
    ::MoveToEx(dc, 10, 140, NULL);
    ::LineTo(dc, 190, 140);
    const POINT centreLine[] = {{70, 5}, {70, 135}, {150, 135}};
    ::Polyline(dc, centreLine, 3);
    ::MoveToEx(dc, 125, 50, NULL);
    ::ArcTo(dc, 130, 20, 190, 80, 190, 50, 130, 50);
    ::BeginPath(dc);
    ::MoveToEx(dc, 30, 100, NULL);
    ::LineTo(dc, 60, 130);
    ::LineTo(dc, 100, 100);
    ::EndPath(dc);
    ::StrokePath(dc);
    selected.Reselect(dotted);
    CSelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    ::Ellipse(dc, 140, 90, 180, 130);
    ::Rectangle(dc, 5, 5, 195, 145);
}

// 'count' points zigzagging between two heights, evenly across.
std::vector<POINT> Zigzag(int count, int left, int right, int top, int bottom)
{
    std::vector<POINT> points((size_t)count);
    for (int i = 0; i < count; ++i)
        points[(size_t)i] = {left + (right - left) * i / std::max(count - 1, 1), i % 2 != 0 ? bottom : top};
    return points;
}

// Side by side squares of 'size' pixels in rows and columns, filled as one
// polypolygon: a map of regions, or strips when a column is 'height' high.
void Regions(HDC dc, int columns, int rows, int width, int height)
{
    std::vector<POINT> corners;
    std::vector<INT> counts;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
        {
            const int left = column * width, top = row * height;
            for (const POINT& corner : {POINT{left, top}, POINT{left + width - 1, top},
                                        POINT{left + width - 1, top + height - 1}, POINT{left, top + height - 1}})
                corners.push_back(corner);
            counts.push_back(4);
        }
    Fill(dc, RGB(0, 150, 0), [&] {
        ::PolyPolygon(dc, corners.data(), counts.data(), (int)counts.size());
    });
}

// Lines of small letter-like outlines, seven corners each, as one path that
// is filled: text turned into curves.
void LettersPath(HDC dc, int lines, int letters)
{
    ::BeginPath(dc);
    for (int line = 0; line < lines; ++line)
        for (int letter = 0; letter < letters; ++letter)
        {
            const int x = 2 + letter * 4, y = 2 + line * 5;
            const POINT outline[] = {{x, y},         {x + 3, y},     {x + 3, y + 2}, {x + 1, y + 2},
                                     {x + 1, y + 3}, {x + 3, y + 3}, {x, y + 4}};
            ::Polygon(dc, outline, 7);
        }
    ::EndPath(dc);
    Fill(dc, RGB(0, 0, 0), [dc] {
        ::FillPath(dc);
    });
}

// A path of 'count' points widened by a round pen 'width' wide and filled.
void WidenedPath(HDC dc, const std::vector<POINT>& points, int width)
{
    const LOGBRUSH ink = {BS_SOLID, RGB(0, 0, 0), 0};
    COwnedGdiObject<HPEN> pen(
        ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, (DWORD)width, &ink, 0, NULL));
    CSelectedObject selected(dc, pen);
    ::BeginPath(dc);
    ::Polyline(dc, points.data(), (int)points.size());
    ::EndPath(dc);
    ::WidenPath(dc);
    Fill(dc, RGB(150, 150, 150), [dc] {
        ::FillPath(dc);
    });
}

RECT BottomToTop(RECT frame)
{
    std::swap(frame.top, frame.bottom);
    return frame;
}

// Records that other writers write and the platform's recorder does not:
// an extended pen of a plain colour whose bitmap offsets point at the
// record's end (the player reads a bitmap only for a pattern pen).
Bytes WithPlainExtendedPen(const Bytes& emf)
{
    const DWORD end = sizeof(EMREXTCREATEPEN);
    return WithEmfRecords(
        emf,
        {{EMR_EXTCREATEPEN, {1, end, 0, end, 0, PS_GEOMETRIC | PS_SOLID, 6, BS_SOLID, RGB(0, 0, 150), 0, 0}},
         {EMR_SELECTOBJECT, {1}},
         {EMR_ELLIPSE, {20, 20, 180, 130}}},
        2);
}

// 11 KB after the end record: the picture's records again, which the
// platform's player, playing on past the end record, draws over the same
// pixels.
Bytes WithRecordsAfterTheEnd(Bytes emf)
{
    const size_t end = emf.size();
    const Bytes records(emf.begin() + ((const ENHMETAHEADER*)emf.data())->nSize, emf.end());
    while (emf.size() < end + 11 * 1024)
        emf.insert(emf.end(), records.begin(), records.end());
    Put(emf, offsetof(ENHMETAHEADER, nBytes), (DWORD)emf.size());
    return emf;
}

// A blit that carries its bitmap as a device-dependent bitmap: type, width,
// height, bytes a row, planes and bits a pixel (a byte each), then the rows;
// here 10 x 10 at 32 bits, halves red and blue, put at (30, 20).
Bytes WithBitmapBlit(const Bytes& wmf)
{
    Words parameters = {LOWORD(SRCCOPY), HIWORD(SRCCOPY), 0, 0, 10, 10, 20, 30, 0, 10, 10, 40, MAKEWORD(1, 32)};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
        {
            const DWORD pixel = x < 5 ? 0xFF0000 : 0x0000FF;
            parameters.push_back(LOWORD(pixel));
            parameters.push_back(HIWORD(pixel));
        }
    return WithWmfRecord(wmf, META_BITBLT, parameters);
}

struct RecordedPicture
{
    const char* what;
    // In hundredths of a millimetre; a placeable metafile's box in 96ths of an inch.
    RECT frame;
    std::function<void(HDC)> draw;
    // Records written by hand after the recording.
    std::function<Bytes(const Bytes&)> byHand = nullptr;
    bool placeable = false;
};

const int Far = 1000000;

const RecordedPicture RecordedPictures[] = {
    {"chart in days and grams through the mapping", FrameOfPixels(200, 150),
     [](HDC dc) {
         DrawChart(dc, ChartByMapping);
     }},
    {"chart in days and grams through a world scale", FrameOfPixels(200, 150),
     [](HDC dc) {
         DrawChart(dc, ChartByWorldScale);
     }},
    {"label under a window origin far out", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetWindowOrgEx(dc, Far, 2 * Far, NULL);
         Label(dc, Far + 10, 2 * Far + 10);
     }},
    {"label under a world translation far out", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetGraphicsMode(dc, GM_ADVANCED);
         const XFORM back = {1, 0, 0, 1, (float)-Far, (float)-Far};
         ::SetWorldTransform(dc, &back);
         Label(dc, Far + 10, Far + 10);
     }},
    {"map in metres", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetMapMode(dc, MM_ANISOTROPIC);
         ::SetWindowOrgEx(dc, 500000, 4010000, NULL);
         ::SetWindowExtEx(dc, 2000, 1500, NULL);
         ::SetViewportExtEx(dc, 200, 150, NULL);
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Rectangle(dc, 500100, 4010100, 501000, 4011000);
         });
         Label(dc, 500200, 4010200);
     }},
    {"tenths of a millimetre, y upwards", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetMapMode(dc, MM_LOMETRIC);
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Ellipse(dc, 20, -20, 300, -300);
         });
     }},
    {"isotropic units, wider window than viewport", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetMapMode(dc, MM_ISOTROPIC);
         ::SetWindowExtEx(dc, 1000, 1000, NULL);
         ::SetViewportExtEx(dc, 150, -150, NULL);
         ::SetViewportOrgEx(dc, 100, 75, NULL);
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Ellipse(dc, -400, -400, 400, 400);
         });
     }},
    {"one-unit arc boxes", FrameOfPixels(64, 60),
     [](HDC dc) {
         OneUnitBoxes(dc, 60);
     }},
    {"a 16 x 12 drawing of one-unit arc boxes", FrameOfPixels(16, 12),
     [](HDC dc) {
         OneUnitBoxes(dc, 12);
     }},
    {"photograph placed at 30 pixels", FrameOfPixels(30, 20),
     [](HDC dc) {
         StretchPhoto(dc, 3000, 2000, 30);
     }},
    {"bitmap stretched to 30 pixels", FrameOfPixels(30, 30),
     [](HDC dc) {
         StretchBitmap(dc, 3000, 2000, 30);
     }},
    {"icon of a 600 x 600 bitmap", FrameOfPixels(8, 8),
     [](HDC dc) {
         StretchBitmap(dc, 600, 600, 8);
     }},
    {"technical drawing in dashed and dotted wide pens", FrameOfPixels(200, 150), DashedDrawing},
    {"technical drawing in dashed and dotted wide pens, its frame bottom to top", BottomToTop(FrameOfPixels(200, 150)),
     DashedDrawing},
    {"map of 400 regions in one polypolygon", FrameOfPixels(200, 150),
     [](HDC dc) {
         Regions(dc, 20, 20, 10, 7);
     }},
    {"a page of 1,000 letters turned into one filled path", FrameOfPixels(200, 150),
     [](HDC dc) {
         LettersPath(dc, 25, 40);
     }},
    {"a winding road widened by a pen and filled", FrameOfPixels(200, 150),
     [](HDC dc) {
         WidenedPath(dc, Zigzag(300, 5, 195, 60, 90), 6);
     }},
    {"a world transform set through a modification", FrameOfPixels(200, 150),
     [](HDC dc) {
         ::SetGraphicsMode(dc, GM_ADVANCED);
         const XFORM turn = {0.8f, 0.6f, -0.6f, 0.8f, 60.0f, 5.0f};
         const DWORD set = 4; // MWT_SET
         ::ModifyWorldTransform(dc, &turn, set);
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Rectangle(dc, 0, 0, 100, 60);
         });
     }},
    {"a 10 x 10 bitmap blitted over 200 x 200 units", FrameOfPixels(200, 150),
     [](HDC dc) {
         MemoryBitmap bitmap(10, 10);
         ::BitBlt(dc, 0, 0, 200, 200, bitmap.dc, 0, 0, SRCCOPY);
     }},
    {"a move to the origin in a frame 3 cm wide 4.2 m out",
     {420000, 420000, 423000, 423000},
     [](HDC dc) {
         // The frame's corner in the reference device's pixels.
         const int x = ::MulDiv(420000, ::GetDeviceCaps(dc, HORZRES), 100 * ::GetDeviceCaps(dc, HORZSIZE));
         const int y = ::MulDiv(420000, ::GetDeviceCaps(dc, VERTRES), 100 * ::GetDeviceCaps(dc, VERTSIZE));
         ::MoveToEx(dc, 0, 0, NULL);
         Fill(dc, RGB(0, 150, 0), [=] {
             ::Ellipse(dc, x + 10, y + 10, x + 100, y + 100);
         });
     }},
    {"an extended pen of a plain colour, its bitmap offsets at the record's end", FrameOfPixels(200, 150), [](HDC) {},
     WithPlainExtendedPen},
    {"11 KB of records after the end record", FrameOfPixels(200, 150),
     [](HDC dc) {
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Ellipse(dc, 20, 20, 180, 130);
         });
     },
     WithRecordsAfterTheEnd},
    {"a placed metafile blitting a bitmap of 32 bits that it carries",
     {0, 0, 200, 150},
     [](HDC dc) {
         Fill(dc, RGB(0, 150, 0), [dc] {
             ::Rectangle(dc, 100, 50, 190, 140);
         });
     },
     WithBitmapBlit,
     true},
};
} // namespace

// Pictures as drawing and charting programs record them through the
// platform's recorder: charts in data units, text far from the logical
// origin, arcs in boxes one unit high, photographs placed small, a transform
// set through a modification, a blit whose source is larger than its
// bitmap, a move to the origin far from the frame; and records that other
// writers write: an extended pen of a plain colour with its bitmap offsets
// at the record's end, records after the end record, a placed metafile's
// blit carrying its bitmap. Each loads and draws the pixels that the
// platform's own player draws of it.
TEST(MetafileCheckTest, RecordedPicturesLoadAndDrawAsThePlatformPlaysThem)
{
    for (const RecordedPicture& recorded : RecordedPictures)
    {
        SCOPED_TRACE(recorded.what);
        Bytes bytes = recorded.placeable
                          ? MakePlaceableWmf(recorded.frame.right, recorded.frame.bottom, 96, recorded.draw)
                          : MakeEmf(recorded.frame, recorded.draw);
        if (recorded.byHand)
            bytes = recorded.byHand(bytes);
        ExpectDrawnAsThePlatformPlaysIt(bytes, 200, 150, &recorded == &RecordedPictures[0] ? "metafile_chart" : NULL);
    }
}

namespace
{
void SetFrame(Bytes& emf, const RECTL& frame)
{
    std::memcpy(&emf[offsetof(ENHMETAHEADER, rclFrame)], &frame, sizeof(frame));
}

// The picture that froze the program under a frame a hair wide: a pen 10
// wide, an ellipse 49 pixels across and ten arcs in the same box drawn with
// a dashed pen 10 wide, at the frame's top left corner on the reference
// device. With 'arcFrames', the arcs' box is centred on the frame and
// reaches that many frame widths and heights out each way, and the dashed
// pen is 'dashWidth' wide.
Bytes PenAndArcsPicture(const RECTL& frame, double arcFrames, DWORD dashWidth)
{
    Bytes emf = EmfOfRecords(Frame);
    ENHMETAHEADER header;
    std::memcpy(&header, emf.data(), sizeof(header));
    // Hundredths of a millimetre of the frame to the reference device's pixels.
    const auto across = [&header](double hundredths) {
        return (LONG)(hundredths * header.szlDevice.cx / (100.0 * header.szlMillimeters.cx));
    };
    const auto down = [&header](double hundredths) {
        return (LONG)(hundredths * header.szlDevice.cy / (100.0 * header.szlMillimeters.cy));
    };
    const DWORD left = (DWORD)across(std::min(frame.left, frame.right));
    const DWORD top = (DWORD)down(std::min(frame.top, frame.bottom));
    const Fields box = {left, top, left + 49, top + 49};
    Fields arc = {left, top, left + 49, top + 49, left + 49, top + 24, left, top};
    if (arcFrames > 0)
    {
        const LONG reachX = across(arcFrames * std::abs(frame.right - frame.left));
        const LONG reachY = down(arcFrames * std::abs(frame.bottom - frame.top));
        const LONG x = across((frame.left + frame.right) / 2.0), y = down((frame.top + frame.bottom) / 2.0);
        arc = {(DWORD)(x - reachX), (DWORD)(y - reachY), (DWORD)(x + reachX),
               (DWORD)(y + reachY), (DWORD)(x + reachX), (DWORD)y,
               (DWORD)(x - reachX), (DWORD)(y - reachY)};
    }
    EmfRecords records = {{EMR_CREATEPEN, {1, PS_SOLID, 10, 0, RGB(0, 0, 200)}},
                          {EMR_SELECTOBJECT, {1}},
                          {EMR_ELLIPSE, box},
                          {EMR_EXTCREATEPEN, {2, 0, 0, 0, 0, PS_GEOMETRIC | PS_DASH, dashWidth, BS_SOLID, 0, 0, 0}},
                          {EMR_SELECTOBJECT, {2}}};
    for (int i = 0; i < 10; ++i)
        records.push_back({EMR_ARC, arc});
    emf = WithEmfRecords(emf, records, 3);
    SetFrame(emf, frame);
    return emf;
}

// Processor milliseconds this thread spends on 'work'.
unsigned MillisecondsOf(const std::function<void()>& work)
{
    CThreadCpuTimer timer;
    work();
    return timer.Milliseconds();
}
} // namespace

// Frames a hair wide or high, one way round or the other, are refused; frames
// of a pixel and frames the other way round draw in well under a second into
// an 800 x 600 picture control and into a thumbnail, each fitted with the
// frame's proportion. Ten dashed arcs reaching 60 frames beyond an inch's
// frame, which the player takes 12 s to draw into the control bottom to top
// (the arcs then run the long way round) and 2.6 s the normal way round,
// load and draw within two seconds; reaching a few frames out they draw
// within one.
TEST(MetafileCheckTest, HairThinAndInvertedFramesAreRefusedOrDrawnQuickly)
{
    const struct
    {
        const char* what;
        RECTL frame;
        bool loads;
        double arcFrames = 0;
        DWORD dashWidth = 10;
        unsigned limit = 1000;
    } frames[] = {
        {"a hundredth of a millimetre wide", {0, 0, 1, 2540}, false},
        {"a hundredth of a millimetre wide, right to left", {0, 0, -1, 2540}, false},
        {"a hundredth of a millimetre high", {0, 0, 2540, 1}, false},
        {"none wide", {500, 0, 500, 2540}, false},
        {"a pixel wide", {0, 0, 27, 2540}, true},
        {"a pixel wide, right to left", {27, 0, 0, 2540}, true},
        {"a pixel high, bottom to top", {0, 27, 2540, 0}, true},
        {"right to left", {2000, 0, 0, 1600}, true},
        {"right to left and bottom to top, far out", {-9000000, -9000000, -9002000, -9001600}, true},
        {"an inch, dashed arcs 60 frames out", {0, 0, 2540, 2540}, true, 60, 2, 2000},
        {"an inch bottom to top, dashed arcs 60 frames out", {0, 2540, 2540, 0}, true, 60, 2, 2000},
        {"an inch bottom to top, dashed arcs 3.5 frames out", {0, 2540, 2540, 0}, true, 3.5, 2},
    };
    CScratchFolder folder("thin_frames");
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "Thin frames", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), NULL, 0);
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 800, 600, parent.m_hWnd, (HMENU)100, ::GetModuleHandleA(NULL),
                      NULL);
    CPictureCtrl control;
    ASSERT_TRUE(control.CreateOverControl(&parent, 100, "", 0, 0));
    for (const auto& f : frames)
    {
        SCOPED_TRACE(f.what);
        const Bytes emf = PenAndArcsPicture(f.frame, f.arcFrames, f.dashWidth);
        const std::string path = folder / "thin.emf";
        ASSERT_TRUE(WriteBytes(path, emf));
        EXPECT_EQ(Loads(emf), f.loads);
        if (!f.loads)
            continue;
        EXPECT_LT(MillisecondsOf([&] {
                      ASSERT_TRUE(control.LoadPicture(path.c_str(), MakePictureLoadOptions(96, 96), FALSE));
                      control.RedrawWindow();
                  }),
                  f.limit);
        ThumbnailBitmap thumbnail;
        EXPECT_LT(MillisecondsOf([&] {
                      ASSERT_TRUE(MakeThumbnailBitmap(path.c_str(), CSize(120, 90), MakePictureLoadOptions(96, 96),
                                                      RGB(255, 255, 255), thumbnail));
                  }),
                  f.limit);
        // Fitted with the frame's proportion, whichever way round.
        const double width = std::abs(f.frame.right - f.frame.left), height = std::abs(f.frame.bottom - f.frame.top);
        for (const CSize& size : {control.GetFittedSize(), thumbnail.size})
            EXPECT_LE(std::fabs(size.cx * height - size.cy * width), std::max(width, height))
                << size.cx << " x " << size.cy;
    }
    parent.DestroyWindow();
}

// A record with an empty bitmap header whose offset points far outside: the
// player reads a header there all the same.
TEST(MetafileCheckTest, EmptyBitmapHeadersThatThePlayerReadsAreRefused)
{
    const Bytes good = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_TRUE(Loads(good));
    const struct
    {
        DWORD type;
        size_t offBmi;
    } records[] = {
        {EMR_STRETCHDIBITS, offsetof(EMRSTRETCHDIBITS, offBmiSrc)},
        {EMR_SETDIBITSTODEVICE, offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)},
        {EMR_BITBLT, offsetof(EMRBITBLT, offBmiSrc)},
        {EMR_STRETCHBLT, offsetof(EMRSTRETCHBLT, offBmiSrc)},
        {EMR_CREATEDIBPATTERNBRUSHPT, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi)},
        {EMR_CREATEMONOBRUSH, offsetof(EMRCREATEMONOBRUSH, offBmi)},
    };
    for (const auto& record : records)
    {
        Bytes bytes = good;
        const size_t at = FindEmfRecord(bytes, record.type);
        ASSERT_NE(at, 0u) << record.type;
        Put(bytes, at + record.offBmi, 0x7FFFFFF0);
        Put(bytes, at + record.offBmi + 4, 0);
        EXPECT_FALSE(Loads(bytes)) << "record " << record.type;
    }
}

// A monochrome brush of palette indexes is made from its rows whatever its
// compression says: one whose compression is unknown and whose rows reach
// megabytes past its record is refused (the player read past them).
TEST(MetafileCheckTest, MonochromeBrushRowsBeyondTheirRecordAreRefused)
{
    Bytes bytes = MakeEmf(Frame, PaintBitmapRecords);
    const size_t at = FindEmfRecord(bytes, EMR_CREATEMONOBRUSH);
    ASSERT_NE(at, 0u);
    const DWORD paletteIndexes = 2; // DIB_PAL_INDICES
    Put(bytes, at + offsetof(EMRCREATEMONOBRUSH, iUsage), paletteIndexes);
    ASSERT_TRUE(Loads(bytes));
    const size_t info = at + *(const DWORD*)&bytes[at + offsetof(EMRCREATEMONOBRUSH, offBmi)];
    Put(bytes, info + offsetof(BITMAPINFOHEADER, biHeight), 10485768);
    Put(bytes, info + offsetof(BITMAPINFOHEADER, biCompression), 0xC4000000);
    EXPECT_FALSE(Loads(bytes));
}

// Bytes after the end record are not played, whatever they are: a record
// there that would create an object far outside the handle table, or 11 KB
// of noise, leaves the picture loading, plain and sealed, and drawing the
// pixels that it draws without them.
TEST(MetafileCheckTest, BytesAfterTheEndRecordAreNotPlayed)
{
    const Bytes good = MakeEmf(Frame, PaintBitmapRecords);
    CCanvas expected(64, 48);
    ASSERT_GT(DrawnPixels(good, expected), 0);
    EMRCREATEPEN pen = {};
    pen.emr.iType = EMR_CREATEPEN;
    pen.emr.nSize = sizeof(pen);
    pen.ihPen = 0x7FFF0000;
    Bytes noise(11 * 1024);
    std::mt19937 random(50);
    for (BYTE& byte : noise)
        byte = (BYTE)random();
    const Bytes tails[] = {Bytes((const BYTE*)&pen, (const BYTE*)&pen + sizeof(pen)), noise};
    for (const Bytes& tail : tails)
    {
        SCOPED_TRACE(tail.size());
        Bytes bytes = good;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        Put(bytes, offsetof(ENHMETAHEADER, nBytes), (DWORD)bytes.size());
        EXPECT_TRUE(LoadsSealed(bytes));
        CCanvas canvas(64, 48);
        EXPECT_GT(DrawnPixels(bytes, canvas), 0);
        EXPECT_TRUE(SamePixels(canvas, expected));
    }
}

// Sizes no picture can mean make the player draw for ever; a palette the
// header counts and the end record does not hold, read past the picture.
TEST(MetafileCheckTest, AbsurdHeaderSizesAreRefused)
{
    const Bytes good = MakeEmf(Frame, PaintBitmapRecords);
    const struct
    {
        size_t at;
        DWORD value;
    } damages[][2] = {
        {{offsetof(ENHMETAHEADER, szlMillimeters.cy), 0x7FFFFFFF}, {offsetof(ENHMETAHEADER, nHandles), 32767}},
        {{offsetof(ENHMETAHEADER, szlMillimeters.cy), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, szlMillimeters.cx), 0}},
        {{offsetof(ENHMETAHEADER, szlDevice.cx), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, szlDevice.cy), 0}},
        {{offsetof(ENHMETAHEADER, rclFrame.right), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, rclFrame.top), 0x80000000}},
        {{offsetof(ENHMETAHEADER, nHandles), 32767}},
        {{offsetof(ENHMETAHEADER, nPalEntries), 16}},
    };
    for (const auto& damage : damages)
    {
        Bytes bytes = good;
        for (const auto& field : damage)
            if (field.at != 0)
                Put(bytes, field.at, field.value);
        EXPECT_FALSE(Loads(bytes)) << "field at " << damage[0].at;
    }
}

namespace
{
const Fields Bounds = {0, 0, 49, 49};

// A rectangular region of one rectangle (0, 0) to (49, 49).
const Fields OneRectRegion = RegionData({{0, 0, 49, 49}, {{0, 0, 49, 49}}});

Fields Transform(float scale, float shear = 0)
{
    return {FloatBits(scale), FloatBits(shear), FloatBits(0), FloatBits(scale), FloatBits(3), FloatBits(4)};
}

// Records as a recorder writes them, and one field of one of them changed to
// what the platform's player crashes on or draws for minutes.
struct Reproducer
{
    const char* what;
    EmfRecords records;
    size_t record, field;
    DWORD damaged;
    // The player reads outside its handle table or the stock objects, or
    // the region it is given; otherwise it draws for minutes or crashes on
    // the geometry.
    bool readsOutside = false;
};

const DWORD BigScale = FloatBits(1000);

const Reproducer Reproducers[] = {
    {"table object deleted as a stock one", {{EMR_DELETEOBJECT, {1}}}, 0, 0, 0x94000001, true},
    {"colour space selected as a stock one", {{EMR_SETCOLORSPACE, {1}}}, 0, 0, 0x94000001, true},
    {"colour space deleted as a stock one", {{EMR_DELETECOLORSPACE, {1}}}, 0, 0, 0x94000001, true},
    {"region filled with a stock brush",
     {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}},
      {EMR_FILLRGN, RegionRecord(Bounds, {1}, OneRectRegion)}},
     1,
     5,
     0x80000001,
     true},
    // The region's header is read whatever the size says.
    {"region filled with a size of none",
     {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}},
      {EMR_FILLRGN, RegionRecord(Bounds, {1}, OneRectRegion)}},
     1,
     4,
     0,
     true},
    {"region painted with a size of none", {{EMR_PAINTRGN, RegionRecord(Bounds, {}, OneRectRegion)}}, 0, 4, 0, true},
    {"region framed with a stock brush",
     {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}},
      {EMR_FRAMERGN, RegionRecord(Bounds, {1, 2, 2}, OneRectRegion)}},
     1,
     5,
     0x80000001,
     true},
    // Position, count, options (one byte a character, with a clipping
    // rectangle), graphics mode, scales, the rectangle, the characters.
    {"small text longer than its record",
     {{SmallTextRecord,
       {10, 10, 4, SmallTextCharacters, GM_COMPATIBLE, FloatBits(1), FloatBits(1), 0, 0, 40, 40, 0x64636261}}},
     0,
     2,
     4000,
     true},
    // Bounds, count, points, then a kind a point, padded.
    {"points drawn whose kinds lie past the record",
     {{EMR_POLYDRAW, {0, 0, 49, 49, 7, 1, 1, 9, 1, 9, 9, 1, 9, 1, 1, 20, 20, 30, 30, 0x02020206, 0x00020202}}},
     0,
     4,
     8,
     true},
    // Flags, the name's bytes, the data's bytes, then the name.
    {"colour profile longer than its record", {{EMR_SETICMPROFILEA, {0, 4, 0, 0x00636261}}}, 0, 1, 4000, true},
    {"stock object past the last",
     {{EMR_SELECTOBJECT, {ENHMETA_STOCK_OBJECT | BLACK_PEN}}},
     0,
     0,
     ENHMETA_STOCK_OBJECT | (STOCK_LAST + 1),
     true},
    {"arc box far down", {{EMR_ARC, {0, 0, 49, 49, 0, 0, 49, 49}}}, 0, 1, 0x5F000000},
    {"chord box far down", {{EMR_CHORD, {0, 0, 49, 49, 0, 0, 49, 49}}}, 0, 1, 600000000},
    {"round rectangle near the end of the numbers", {{EMR_ROUNDRECT, {0, 0, 49, 49, 10, 10}}}, 0, 2, 2000000000},
    {"rectangle edge far left", {{EMR_RECTANGLE, {5, 5, 60, 40}}}, 0, 0, (DWORD)-369000000},
    {"dashed pen a million wide",
     {{EMR_CREATEPEN, {1, PS_DASH, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0,
     2,
     1000000},
    {"pen 65,535 wide",
     {{EMR_CREATEPEN, {1, PS_SOLID, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0,
     2,
     65535},
    {"pen of negative width",
     {{EMR_CREATEPEN, {1, PS_SOLID, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0,
     2,
     (DWORD)-60000},
    {"transform scaled by 1.27e30",
     {{EMR_MODIFYWORLDTRANSFORM, Join(Transform(2), {MWT_LEFTMULTIPLY})}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0,
     3,
     FloatBits(1.27e30f)},
    {"transform set to infinity",
     {{EMR_SETWORLDTRANSFORM, Transform(2)}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0,
     0,
     FloatBits(INFINITY)},
    {"transforms whose product is too large",
     {{EMR_MODIFYWORLDTRANSFORM, Join(Transform(1000), {MWT_LEFTMULTIPLY})},
      {EMR_MODIFYWORLDTRANSFORM, Join(Transform(1, 0), {MWT_RIGHTMULTIPLY})}},
     1,
     1,
     BigScale},
    {"dashed arc box far right",
     {{EMR_EXTCREATEPEN, {1, 0, 0, 0, 0, PS_GEOMETRIC | PS_DASH, 2, BS_SOLID, 0, 0, 0}},
      {EMR_SELECTOBJECT, {1}},
      {EMR_ARC, {0, 0, 49, 49, 49, 24, 0, 0}}},
     2,
     2,
     4000},
    {"dotted zigzag far right",
     {{EMR_EXTCREATEPEN, {1, 0, 0, 0, 0, PS_GEOMETRIC | PS_DOT, 2, BS_SOLID, 0, 0, 0}},
      {EMR_SELECTOBJECT, {1}},
      {EMR_POLYLINE16, {0, 0, 49, 49, 3, MAKELONG(0, 0), MAKELONG(40, 20), MAKELONG(0, 40)}}},
     2,
     6,
     MAKELONG(3000, 20)},
    {"dashed path stroked far right",
     {{EMR_EXTCREATEPEN, {1, 0, 0, 0, 0, PS_GEOMETRIC | PS_DASH, 2, BS_SOLID, 0, 0, 0}},
      {EMR_BEGINPATH, {}},
      {EMR_MOVETOEX, {0, 0}},
      {EMR_LINETO, {40, 20}},
      {EMR_LINETO, {0, 40}},
      {EMR_ENDPATH, {}},
      {EMR_SELECTOBJECT, {1}},
      {EMR_STROKEPATH, {0, 0, 49, 49}}},
     3,
     0,
     3000},
    {"transforms multiplied after a restore of no saved state",
     {{EMR_SAVEDC, {}},
      {EMR_RESTOREDC, {(DWORD)-1}},
      {EMR_MODIFYWORLDTRANSFORM, Join(Transform(2), {MWT_LEFTMULTIPLY})},
      {EMR_RECTANGLE, {5, 5, 60, 40}}},
     1,
     0,
     (DWORD)-2},
};

// A marker in its own colour, drawn before the records.
Bytes MarkedEmf()
{
    return MakeEmf(Frame, [](HDC dc) {
        Fill(dc, Marker, [dc] {
            ::Rectangle(dc, 0, 0, 10, 10);
        });
    });
}

Bytes Damaged(const Reproducer& reproducer)
{
    EmfRecords records = reproducer.records;
    records[reproducer.record].second[reproducer.field] = reproducer.damaged;
    return WithEmfRecords(MarkedEmf(), records, 4);
}
} // namespace

// Each record loads and draws in a short time as a recorder writes it; with
// the one field that makes the player read outside its handle table or the
// stock objects, the picture is refused (and so never drawn), plain and
// sealed.
TEST(MetafileCheckTest, RecordsThatMakeThePlayerReadOutsideAreRefused)
{
    CCanvas canvas(48, 48);
    for (const Reproducer& reproducer : Reproducers)
    {
        SCOPED_TRACE(reproducer.what);
        EmfRecords records = reproducer.records;
        const Bytes sound = WithEmfRecords(MarkedEmf(), records, 4);
        CPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(sound.data(), (DWORD)sound.size(), MakePictureLoadOptions(96, 96)));
        EXPECT_LT(DrawingMilliseconds(picture, canvas, reproducer.what), 1000u);
        if (!reproducer.readsOutside)
            continue;
        const Bytes damaged = Damaged(reproducer);
        EXPECT_FALSE(Loads(damaged));
        EXPECT_FALSE(LoadsSealed(damaged));
    }
}

namespace
{
// A picture that would take the player seconds or minutes or crash it, and
// a name for it.
struct CostlyPicture
{
    std::string name;
    std::function<Bytes()> make;
    // The player draws it in under a second: the program draws it as the
    // player does.
    bool quick;
};

void PrintTo(const CostlyPicture& costly, std::ostream* out)
{
    *out << costly.name;
}

// Which kinds of metafile a drawing is recorded as: a Windows metafile holds
// no paths.
enum MetafileKinds
{
    EnhancedOnly,
    BothKinds,
    PlacedOnly
};

struct CostlyDrawing
{
    const char* name;
    std::function<void(HDC)> draw;
    MetafileKinds kinds;
    bool quick = false;
    // Records written by hand after the recording.
    std::function<Bytes(Bytes)> byHand = nullptr;
};

// The text record made a path and filled. The path records are written by
// hand: recording them, the platform's recorder builds the path of large
// letters itself, for minutes.
Bytes TextFilledAsAPath(Bytes emf)
{
    const size_t text = FindEmfRecord(emf, EMR_EXTTEXTOUTW);
    const size_t after = text + *(const DWORD*)&emf[text + 4];
    emf = WithEmfBytes(emf, after, EmfRecordBytes({{EMR_ENDPATH, {}}, {EMR_FILLPATH, {0, 0, 0, 0}}}));
    return WithEmfBytes(emf, text, EmfRecordBytes({{EMR_BEGINPATH, {}}}));
}

// The placed metafile's frame record rewritten with its parameters in the
// format's order and the width given.
std::function<Bytes(Bytes)> FrameInTheFormatsOrder(WORD width)
{
    return [width](Bytes wmf) {
        const size_t at = FindWmfRecord(wmf, META_FRAMEREGION);
        if (at == 0)
        {
            ADD_FAILURE() << "no frame record";
            return wmf;
        }
        // As the platform's recorder writes them: height, width, brush, region.
        WORD* parameters = (WORD*)&wmf[at + 6];
        const WORD height = parameters[0], brush = parameters[2], region = parameters[3];
        const WORD ordered[] = {region, brush, height, width};
        std::memcpy(parameters, ordered, sizeof(ordered));
        return wmf;
    };
}

std::vector<CostlyPicture> CostlyPictures()
{
    const int inch = 96;
    const auto polygon = [](const std::vector<POINT>& points) {
        return [points](HDC dc) {
            ::Polygon(dc, points.data(), (int)points.size());
        };
    };
    const auto inPath = [](const std::vector<POINT>& points, const std::function<void(HDC)>& use) {
        return [points, use](HDC dc) {
            ::BeginPath(dc);
            ::Polyline(dc, points.data(), (int)points.size());
            ::EndPath(dc);
            use(dc);
        };
    };
    const auto ellipses = [](int count, int penWidth, int reach) {
        return [=](HDC dc) {
            COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, penWidth, RGB(0, 0, 150)));
            CSelectedObject selectedPen(dc, pen);
            CSelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
            for (int i = 0; i < count; ++i)
                ::Ellipse(dc, i % 10 - reach, i % 10 - reach, inch + reach - i % 10, inch + reach - i % 10);
        };
    };
    // A thousand letters of a font so many pixels high, 30 frames out (made
    // a path and filled by hand).
    const auto letters = [inch](int height) {
        return [height, inch](HDC dc) {
            COwnedGdiObject<HFONT> font(
                ::CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
            CSelectedObject selected(dc, font);
            std::string text;
            for (int i = 0; i < 1000; ++i)
                text += (char)('A' + i % 26);
            ::TextOutA(dc, 30 * inch, 30 * inch, text.data(), (int)text.size());
        };
    };
    const auto frame = [](HDC dc) {
        COwnedGdiObject<HRGN> region(::CreateRectRgn(10, 10, 60, 50));
        COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(0, 0, 150)));
        ::FrameRgn(dc, region, brush, 5, 5);
    };
    const CostlyDrawing drawings[] = {
        // Window and viewport one unit across: the player's whole-number
        // extents stay one unit under sixty scalings by 4/3, which would
        // shrink the picture 30-million fold in real numbers.
        {"ZigzagOf2000PointsUnderSixtyScalings",
         [inch](HDC dc) {
             ::SetMapMode(dc, MM_ANISOTROPIC);
             ::SetWindowExtEx(dc, 1, 1, NULL);
             ::SetViewportExtEx(dc, 1, 1, NULL);
             for (int i = 0; i < 60; ++i)
                 ::ScaleWindowExtEx(dc, 4, 3, 4, 3, NULL);
             const std::vector<POINT> points = Zigzag(2000, 0, inch, -30000, 30000);
             ::Polygon(dc, points.data(), (int)points.size());
         },
         BothKinds},
        {"HundredEllipsesTwoFramesAcrossInAPenTwoFramesWide", ellipses(100, 2 * inch, inch / 2), BothKinds},
        {"FiveHundredEllipsesTwoFramesAcrossInAPenTwoFramesWide", ellipses(500, 2 * inch, inch / 2), BothKinds},
        {"LettersOf1000PixelsFilledAsAPath", letters(1000), EnhancedOnly, false, TextFilledAsAPath},
        {"LettersOf3000PixelsFilledAsAPath", letters(3000), EnhancedOnly, false, TextFilledAsAPath},
        // A bitmap's source 1.5 billion pixels wide (written by hand: the
        // recorder keeps the source within the bitmap) overran the player's
        // memory, and the drawing hung.
        {"BitmapSourceOneAndAHalfBillionPixelsWide",
         [](HDC dc) {
             BITMAPINFO info = {};
             info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
             const std::vector<BYTE> bits(8 * 8 * 3, 0x80);
             // In a chart's mapping, stretched tall.
             ::SetMapMode(dc, MM_ANISOTROPIC);
             ::SetWindowExtEx(dc, 365, 100000, NULL);
             ::SetViewportExtEx(dc, 80, -60, NULL);
             ::SetViewportOrgEx(dc, 0, 60, NULL);
             ::StretchDIBits(dc, 200, 60000, 30, -20000, 2, 2, 6, 6, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
             ::SetMapMode(dc, MM_TEXT);
         },
         EnhancedOnly, false,
         [](Bytes emf) {
             const size_t at = FindEmfRecord(emf, EMR_STRETCHDIBITS);
             Put(emf, at + offsetof(EMRSTRETCHDIBITS, cxSrc), 1493172230);
             return emf;
         }},
        {"ZigzagOf4000PointsAcrossTheFrame", polygon(Zigzag(4000, 0, inch, 0, inch)), BothKinds},
        {"ZigzagOf400Points60FramesAboveAndBelow", polygon(Zigzag(400, 0, inch, -60 * inch, 60 * inch)), BothKinds},
        {"StripsSideBySide1500InOnePolyPolygon",
         [inch](HDC dc) {
             Regions(dc, 1500, 1, 1, inch);
         },
         BothKinds},
        {"ZigzagPathOf1500PointsFilled",
         inPath(Zigzag(1500, 0, inch, 0, inch),
                [](HDC dc) {
                    ::FillPath(dc);
                }),
         EnhancedOnly},
        {"ZigzagPathOf1500PointsMadeTheClippingRegion",
         inPath(Zigzag(1500, 0, inch, 0, inch),
                [inch](HDC dc) {
                    ::SelectClipPath(dc, RGN_AND);
                    ::Rectangle(dc, 0, 0, inch, inch);
                }),
         EnhancedOnly},
        {"StepsOf2000PointsWidenedByAPenAFrameWide",
         [inch](HDC dc) {
             WidenedPath(dc, Zigzag(2000, 0, inch, inch / 2, inch / 2 + 2), inch);
         },
         EnhancedOnly},
        {"TenCirclesInAPen64FramesWide", ellipses(10, 64 * inch, 0), BothKinds},
        {"ZigzagOf500PointsAcrossTheFrame", polygon(Zigzag(500, 0, inch, 0, inch)), BothKinds, true},
        {"TenCirclesInAPenHalfAFrameWide", ellipses(10, inch / 2, 0), BothKinds, true},
        // The frame record's parameters in the format's order (region, brush,
        // height, width): the player reads the last two as the brush's and
        // the region's places in its handle table, and crashed reading past
        // the table for widths from 32,767 (5 or 1,000: a few milliseconds).
        {"FrameOfWidth32767InTheFormatsOrder", frame, PlacedOnly, false, FrameInTheFormatsOrder(32767)},
        {"FrameOfWidth32768InTheFormatsOrder", frame, PlacedOnly, false, FrameInTheFormatsOrder(32768)},
        {"FrameOfWidth65535InTheFormatsOrder", frame, PlacedOnly, false, FrameInTheFormatsOrder(65535)},
        // Each circle drawn in about 30 ms, so that the drawing's time runs
        // out: the marker is drawn before them too, in the middle, which
        // they leave clear.
        {"ThreeHundredCirclesInAPenHalfAFrameWide",
         [ellipses, inch](HDC dc) {
             Fill(dc, Marker, [dc, inch] {
                 ::Rectangle(dc, inch / 2 - 5, inch / 2 - 5, inch / 2 + 5, inch / 2 + 5);
             });
             ellipses(300, inch / 2, 0)(dc);
         },
         BothKinds},
    };
    std::vector<CostlyPicture> pictures;
    for (const CostlyDrawing& drawing : drawings)
    {
        // The marker is drawn after the costly records.
        const auto draw = [drawing](HDC dc) {
            drawing.draw(dc);
            Fill(dc, Marker, [dc] {
                ::Rectangle(dc, 0, 0, 24, 24);
            });
        };
        const auto byHand = [drawing](const Bytes& recorded) {
            return drawing.byHand ? drawing.byHand(recorded) : recorded;
        };
        if (drawing.kinds != PlacedOnly)
            pictures.push_back({std::string(drawing.name) + "_Emf",
                                [draw, byHand, inch] {
                                    return byHand(MakeEmf(FrameOfPixels(inch, inch), draw));
                                },
                                drawing.quick});
        if (drawing.kinds != EnhancedOnly)
            pictures.push_back({std::string(drawing.name) + "_PlacedWmf",
                                [draw, byHand, inch] {
                                    return byHand(MakePlaceableWmf(inch, inch, 96, draw));
                                },
                                drawing.quick});
    }
    for (const Reproducer& reproducer : Reproducers)
    {
        if (reproducer.readsOutside)
            continue;
        std::string name = "Record_";
        for (const char* c = reproducer.what; *c != 0; ++c)
            name += std::isalnum((unsigned char)*c) ? *c : '_';
        pictures.push_back({name,
                            [&reproducer] {
                                return Damaged(reproducer);
                            },
                            false});
    }
    return pictures;
}

class CostlyPictureTest : public ::testing::TestWithParam<CostlyPicture>
{
};
} // namespace

// Pictures that the platform's player takes seconds or minutes over, or
// crashes on, drawn into 800 x 600 (an inch's frame; the player's times
// into 800 x 600): a polygon zigzagging 2,000 times under sixty scalings of
// the window (no end within 150 s; placed, 74 s); 100 ellipses two frames
// across in a pen two frames wide (22 s; placed, 15 s) and 500 of them
// (110 s; placed, 76 s); a thousand letters 30 frames out filled as a path,
// of a 1,000-pixel font (125 s) and of a 3,000-pixel font (no end within
// 150 s); a polygon zigzagging 4,000 times (5.6 s), 400 points reaching 60
// frames above and below (5.2 s), 1,500 strips (4.7 s), a path zigzagging
// 1,500 times filled or made the clipping region (1.2 s), 2,000 steps
// widened by a pen a frame wide (1.2 s), ten circles in a pen 64 frames
// wide (42 s); a placed metafile's frame record in the format's order (a
// crash); single records with far points, pens a million wide and
// transforms scaled beyond the numbers; 300 circles in a pen half a frame
// wide, each drawn quickly (10 s; placed, 7.2 s). Each loads, and draws
// within two seconds both the first time and on a repaint, drawing what
// comes before or after the costly records (a marker), the repaint the same
// pixels. A zigzag of 500 points (the player: 0.1 s) and circles in a pen
// half a frame wide, which the player draws quickly, are drawn as it draws
// them.
TEST_P(CostlyPictureTest, LoadsAndDrawsWithinTwoSecondsFirstAndOnRepaint)
{
    const CostlyPicture& costly = GetParam();
    const Bytes bytes = costly.make();
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96))) << "refused";
    CCanvas first(800, 600), repaint(800, 600);
    for (CCanvas* canvas : {&first, &repaint})
    {
        const std::string paint = canvas == &first ? "first" : "repaint";
        SCOPED_TRACE(paint);
        const unsigned milliseconds = DrawingMilliseconds(picture, *canvas, costly.name + ", " + paint);
        RecordProperty(paint + "_ms", (int)milliseconds);
        EXPECT_LT(milliseconds, 2000u);
        EXPECT_GT(canvas->Count(Marker), 0);
    }
    // A repaint stops where the first drawing stopped.
    EXPECT_TRUE(SamePixels(first, repaint));
    if (costly.quick)
        ExpectDrawnAsThePlatformPlaysIt(bytes, 800, 600);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CostlyPictureTest, ::testing::ValuesIn(CostlyPictures()),
                         [](const ::testing::TestParamInfo<CostlyPicture>& info) {
                             return info.param.name;
                         });

namespace
{
// A placeable Windows metafile with a brush, which leaves a place in the
// handle table for a new object, and the record put before its end record.
Bytes WithWmfRecord(WORD function, const Words& parameters)
{
    return WithWmfRecord(MakePlaceableWmf(64, 48, 96,
                                          [](HDC dc) {
                                              COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(0, 0, 200)));
                                              CSelectedObject selected(dc, brush);
                                              ::Rectangle(dc, 0, 0, 30, 20);
                                          }),
                         function, parameters);
}

// A 4 x 4 bitmap of 8 bits whose colour table holds 256 palette indexes
// (2 bytes each), and its pixels; 'shortBy' words fewer at the end.
Words PaletteIndexDib(size_t shortBy = 0)
{
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), 4, 4, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    Words words(sizeof(header) / 2);
    std::memcpy(words.data(), &header, sizeof(header));
    const size_t tableWords = 256, pixelWords = 4 * 4 / 2;
    for (size_t i = 0; i < tableWords + pixelWords - shortBy; ++i)
        words.push_back((WORD)(i < tableWords ? i % 16 : 0x0707));
    return words;
}
} // namespace

// Bitmap records whose colour table is of palette indexes load and draw;
// with their pixels a word short they are refused. A pattern brush of the
// plain style is read with a table of colours whatever its usage says.
TEST(MetafileCheckTest, BitmapRecordsCountTheirColourTableByItsUsage)
{
    const Words stretch = {LOWORD(SRCCOPY), HIWORD(SRCCOPY), DIB_PAL_COLORS, 4, 4, 0, 0, 16, 16, 2, 2};
    const Words toDevice = {DIB_PAL_COLORS, 4, 0, 0, 0, 4, 4, 20, 2};
    const Words brush = {BS_DIBPATTERNPT, DIB_PAL_COLORS};
    const struct
    {
        WORD function;
        Words parameters;
    } records[] = {{META_STRETCHDIB, stretch}, {META_SETDIBTODEV, toDevice}, {META_DIBCREATEPATTERNBRUSH, brush}};
    CCanvas canvas(64, 48);
    for (const auto& record : records)
    {
        SCOPED_TRACE(record.function);
        const auto with = [&](const Words& dib) {
            Words parameters = record.parameters;
            parameters.insert(parameters.end(), dib.begin(), dib.end());
            return WithWmfRecord(record.function, parameters);
        };
        EXPECT_GT(DrawnPixels(with(PaletteIndexDib()), canvas), 0);
        EXPECT_FALSE(Loads(with(PaletteIndexDib(1))));
    }
    const Words plainPattern = {BS_PATTERN, DIB_PAL_COLORS};
    Words parameters = plainPattern;
    const Words dib = PaletteIndexDib();
    parameters.insert(parameters.end(), dib.begin(), dib.end());
    EXPECT_FALSE(Loads(WithWmfRecord(META_DIBCREATEPATTERNBRUSH, parameters)));
}
