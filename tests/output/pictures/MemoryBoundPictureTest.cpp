// Small crafted metafiles that would make the platform's player hold
// gigabytes: bitmaps declared huge with two bytes of compressed pixels,
// clip regions whose product is a grid of millions of cells and copies of
// them saved, letters of a 9,000-pixel font (or of the usual size
// magnified) each cached, wide letters turned and cached in the boxes round
// them, palettes resized to millions of entries, blits through a mask of a
// huge destination or source. Each draws within the program's memory
// bounds, and leaves no more held after a few draws than after the first;
// the player's lock is free afterwards. A photograph placed whole still
// draws as the player draws it. Objects the player drops are not left
// behind, and those a picture keeps leave other threads objects of their
// own.
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include "HostileDrawing.h"
#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
const RECT Frame = {0, 0, 2000, 1600};
const int Width = 800, Height = 600;
// The size the bitmaps declare: 575 MB expanded.
const DWORD HugeSide = 12000;
// The device height of the big letters.
const double LetterPixels = 9000;

// Reference pixels of the enhanced metafile to pixels of the canvas.
double CanvasPixelsPerUnit(const Bytes& emf)
{
    ENHMETAHEADER header;
    std::memcpy(&header, emf.data(), sizeof(header));
    const double units = (Frame.right - Frame.left) / 100.0 * header.szlDevice.cx / header.szlMillimeters.cx;
    return Width / units;
}

// A bitmap of 8 bits, two colours, declared side x side and compressed to
// an end of line and an end of bitmap: its header, table and pixels.
template <typename T>
std::vector<T> HugeRleBitmap(DWORD side)
{
    const BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), (LONG)side, (LONG)side, 1, 8, BI_RLE8, 4, 0, 0, 2, 0};
    const DWORD table[2] = {0x000000, 0xFF0000};
    const BYTE pixels[4] = {0, 0, 0, 1};
    std::vector<T> out;
    Append(out, &header, sizeof(header));
    Append(out, table, sizeof(table));
    Append(out, pixels, sizeof(pixels));
    return out;
}

// A STRETCHDIBITS record of the huge bitmap over the canvas: bounds,
// destination, source, the bitmap's offsets and sizes, usage, operation,
// the destination's size, then the bitmap.
Fields HugeBitmapRecord(DWORD side)
{
    const DWORD at = 8 + 18 * 4, bitmapBytes = 48;
    Fields fields = {0, 0, (DWORD)-1, (DWORD)-1, 0, 0, 0, 0, side, side};
    fields.insert(fields.end(), {at, bitmapBytes, at + bitmapBytes, 4, DIB_RGB_COLORS, SRCCOPY, 80, 60});
    const Fields bitmap = HugeRleBitmap<DWORD>(side);
    fields.insert(fields.end(), bitmap.begin(), bitmap.end());
    return fields;
}

const Fields WholeBox = {0, 0, 80, 60};

// Stripes one unit high across made the clip, and as many one unit wide
// cutting it, each two apart.
EmfRecords ClipGrid(int stripes)
{
    return {{EMR_EXTSELECTCLIPRGN, RegionRecord({}, {RGN_COPY}, RegionData(GridOfCells(1, stripes, 2 * stripes, 1)))},
            {EMR_EXTSELECTCLIPRGN, RegionRecord({}, {RGN_AND}, RegionData(GridOfCells(stripes, 1, 1, 2 * stripes)))}};
}

Bytes StretchedRle(DWORD side = HugeSide)
{
    return EmfOfRecords(Frame, {{EMR_STRETCHDIBITS, HugeBitmapRecord(side)}}, 1);
}

// Two clip records whose product is a grid of stripes x stripes cells (25
// million by default).
Bytes ClipProduct(int stripes = 5000)
{
    EmfRecords records = ClipGrid(stripes);
    records.push_back({EMR_RECTANGLE, WholeBox});
    return EmfOfRecords(Frame, records, 1);
}

// The largest of these that a page's time affords (Page pixels): a bitmap
// of 7,000 x 7,000 (196 MB expanded) stretched over it, and the grid of
// 3,000 stripes by 3,000 (9 million cells, 144 MB) clipped to.
const int PageWidth = 2400, PageHeight = 1800;

// A grid of 422,000 cells, saved 400 times, then a rectangle.
Bytes SavedClipProduct()
{
    EmfRecords records = ClipGrid(650);
    records.insert(records.end(), 400, {EMR_SAVEDC, {}});
    records.push_back({EMR_RECTANGLE, WholeBox});
    return EmfOfRecords(Frame, records, 1);
}

// Thirty letters, a record each, of a font LetterPixels high on the canvas.
Bytes BigLetters()
{
    Bytes emf = EmfOfRecords(Frame);
    LOGFONTW font = {};
    font.lfHeight = -(LONG)(LetterPixels / CanvasPixelsPerUnit(emf));
    std::wcscpy(font.lfFaceName, L"Arial");
    Fields create = {1};
    Append(create, &font, sizeof(font));
    EmfRecords records = {{EMR_EXTCREATEFONTINDIRECTW, create}, {EMR_SELECTOBJECT, {1}}};
    for (DWORD i = 0; i < 30; ++i)
    {
        // bounds, mode, scales, then the text: place, count, offsets of the
        // string and the advances, options, rectangle
        const DWORD scaleBits = FloatBits(0);
        records.push_back({EMR_EXTTEXTOUTW,
                           {0, 0, (DWORD)-1, (DWORD)-1, GM_COMPATIBLE, scaleBits, scaleBits, 0, 0, 1, 76, 0, 0, 0, 0, 0,
                            80, (DWORD)('A' + i), 100}});
    }
    return WithEmfRecords(emf, records, 2);
}

// Twenty-four letters in one record, 74 pixels high and 7,400 wide on the
// canvas (the platform narrows letters wider than a hundred times their
// height), turned by 45 degrees: the player caches each in the box round
// it, about 25 MB a letter (590 MB in all).
Bytes TurnedWideLetters()
{
    const double unitPixels = CanvasPixelsPerUnit(EmfOfRecords(Frame));
    return MakeEmf(Frame, [unitPixels](HDC dc) {
        COwnedGdiObject<HFONT> font(::CreateFontW(-(int)(80 / unitPixels), (int)(7400 / unitPixels), 450, 450,
                                                  FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        CSelectedObject selected(dc, font);
        ::TextOutW(dc, 10, 30, L"ABCDEFGHIJKLMNOPQRSTUVWX", 24);
    });
}

// Two palettes of an entry each, resized to 40 million entries (160 MB
// each in the player).
Bytes ResizedPalettes()
{
    EmfRecords records;
    for (DWORD palette = 1; palette <= 2; ++palette)
        records.insert(records.end(),
                       {{EMR_CREATEPALETTE, {palette, 0x300 | 1u << 16, 0}}, {EMR_RESIZEPALETTE, {palette, 40000000}}});
    return EmfOfRecords(Frame, records, 3);
}

// Placeable Windows metafiles of 64 x 48 units, 12.5 pixels a unit on the
// canvas.
Bytes PlacedWmf(const WmfRecords& records, WORD objects)
{
    return WithWmfRecords(MakePlaceableWmf(64, 48, 96,
                                           [](HDC dc) {
                                               ::Rectangle(dc, 0, 0, 10, 10);
                                           }),
                          records, objects);
}

Bytes PlacedStretchedRle()
{
    Words stretch = {LOWORD(SRCCOPY), HIWORD(SRCCOPY), DIB_RGB_COLORS, HugeSide, HugeSide, 0, 0, 48, 64, 0, 0};
    const Words bitmap = HugeRleBitmap<WORD>(HugeSide);
    stretch.insert(stretch.end(), bitmap.begin(), bitmap.end());
    return PlacedWmf({{META_STRETCHDIB, stretch}}, 0);
}

// The grid made the clip region by the record given, saved so many times,
// then a rectangle.
Bytes PlacedSavedGrid(WORD rows, WORD columns, WORD select, size_t saves)
{
    // The player takes region 0 for none: a brush comes first.
    WmfRecords records = {{META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0}},
                          {META_CREATEREGION, WmfRegion(GridOfCells(columns, rows))},
                          {select, {1}}};
    records.insert(records.end(), saves, {META_SAVEDC, {}});
    records.push_back({META_RECTANGLE, {48, 64, 0, 0}});
    return PlacedWmf(records, 2);
}

Bytes PlacedBigLetters()
{
    // height, width, escapement, orientation, weight, then bytes two to a
    // word, then the face
    Words font = {(WORD)(SHORT)(-LetterPixels / 12.5), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0};
    char face[LF_FACESIZE] = "Arial";
    Append(font, face, sizeof(face));
    WmfRecords records = {{META_CREATEFONTINDIRECT, font}, {META_SELECTOBJECT, {0}}};
    for (WORD i = 0; i < 30; ++i)
        records.push_back({META_TEXTOUT, {1, (WORD)('A' + i), 0, 0}});
    return PlacedWmf(records, 1);
}

// A bitmap of a pixel and its mask, after a blit record's fixed part of
// 'at' bytes: their usage, offsets and sizes, then the two bitmaps.
Fields PixelAndMask(DWORD at)
{
    Fields fields = {at, 40, at + 40, 4, 0, 0, DIB_RGB_COLORS, at + 44, 48, at + 92, 4};
    fields.insert(fields.end(), {40, 1, 1, 1 | 32 << 16, BI_RGB, 0, 0, 0, 0, 0, 0xFF0000});
    fields.insert(fields.end(), {40, 1, 1, 1 | 1 << 16, BI_RGB, 0, 0, 0, 2, 0, 0, 0xFFFFFF, 0});
    return fields;
}

const DWORD FloatOne = FloatBits(1);

// A MASKBLT of the pixel over 6,400 x 6,400 units: bounds, destination,
// operation, source's place and transform, background, usage.
Bytes MaskedBlitOverHugeDestination()
{
    const DWORD side = 6400;
    Fields fields = {0, 0, side, side, 0, 0, side, side, MAKEROP4(SRCCOPY, PATCOPY)};
    fields.insert(fields.end(), {0, 0, FloatOne, 0, 0, FloatOne, 0, 0, 0, DIB_RGB_COLORS});
    const Fields bitmaps = PixelAndMask(128);
    fields.insert(fields.end(), bitmaps.begin(), bitmaps.end());
    return EmfOfRecords(Frame, {{EMR_MASKBLT, fields}}, 1);
}

// A PLGBLT of 6,000 x 6,000 of the pixel onto the canvas: bounds, three
// corners, source's place, size and transform, background, usage.
Bytes TurnedBlitOfHugeSource()
{
    const DWORD side = 6000;
    Fields fields = {0, 0, 80, 60, 0, 0, 80, 6, 8, 60};
    fields.insert(fields.end(), {0, 0, side, side, FloatOne, 0, 0, FloatOne, 0, 0, 0, DIB_RGB_COLORS});
    const Fields bitmaps = PixelAndMask(140);
    fields.insert(fields.end(), bitmaps.begin(), bitmaps.end());
    return EmfOfRecords(Frame, {{EMR_PLGBLT, fields}}, 1);
}

// Letters of a font of the usual size (height 0) under a world transform
// of 48, on the canvas about 500 times: each about 8,000 pixels high.
Bytes MagnifiedLettersOfTheUsualSize()
{
    return MakeEmf(Frame, [](HDC dc) {
        ::SetGraphicsMode(dc, GM_ADVANCED);
        const XFORM magnified = {48, 0, 0, 48, 0, 0};
        ::SetWorldTransform(dc, &magnified);
        COwnedGdiObject<HFONT> font(::CreateFontA(0, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
        CSelectedObject selected(dc, font);
        for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
            ::ExtTextOutW(dc, 0, 0, 0, NULL, &letter, 1, NULL);
    });
}

struct MemoryPicture
{
    std::string name;
    std::function<Bytes()> make;
    int width = Width, height = Height;
};

class MemoryBoundPictureTest : public ::testing::TestWithParam<MemoryPicture>
{
};

const MemoryPicture MemoryPictures[] = {
    {"StretchedRle",
     [] {
         return StretchedRle();
     }},
    {"ClipProduct",
     [] {
         return ClipProduct();
     }},
    {"SavedClipProduct", SavedClipProduct},
    {"BigLetters", BigLetters},
    {"TurnedWideLetters", TurnedWideLetters},
    {"ResizedPalettes", ResizedPalettes},
    {"PlacedStretchedRle", PlacedStretchedRle},
    // 90 x 90 cells (130 KB), 20,000 saves: 2.6 GB.
    {"PlacedSavedGrid",
     [] {
         return PlacedSavedGrid(90, 90, META_SELECTCLIPREGION, 20000);
     }},
    {"PlacedBigLetters", PlacedBigLetters},
    // 45 x 100 cells (72 KB) selected as an object, 8,000 saves: 580 MB.
    {"PlacedRegionSelectedAndSaved",
     [] {
         return PlacedSavedGrid(45, 100, META_SELECTOBJECT, 8000);
     }},
    {"MaskedBlitOverHugeDestination", MaskedBlitOverHugeDestination},
    {"TurnedBlitOfHugeSource", TurnedBlitOfHugeSource},
    {"MagnifiedLettersOfTheUsualSize", MagnifiedLettersOfTheUsualSize},
    {"StretchedFromAffordableSource",
     [] {
         return StretchedRle(7000);
     },
     PageWidth, PageHeight},
    {"AffordableClipProduct",
     [] {
         return ClipProduct(3000);
     },
     PageWidth, PageHeight},
};

DWORD WINAPI DrawElsewhere(void*)
{
    CCanvas canvas(16, 16);
    return ::Rectangle(canvas.DC()->m_hDC, 0, 0, 8, 8);
}
} // namespace

// Each draws within two seconds and 160 MB, first, on a repaint and on a
// worker's thread; three draws more leave the working set where it was;
// then another thread's drawing call returns (when the player runs out of
// memory inside a draw, it leaves a lock held).
TEST_P(MemoryBoundPictureTest, DrawsWithinTheMemoryBoundsAndHoldsNoMore)
{
    const MemoryPicture& crafted = GetParam();
    const Bytes bytes = crafted.make();
    ExpectDrawnSafely(bytes, crafted.width, crafted.height, crafted.name);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(crafted.width, crafted.height);
    const CRect all(0, 0, crafted.width, crafted.height);
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    const SIZE_T before = WorkingSetBytes();
    for (int draw = 0; draw < 3; ++draw)
        picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    EXPECT_LT((double)WorkingSetBytes() - (double)before, 32.0 * (1 << 20)) << "held after three draws more";
    const HANDLE thread = ::CreateThread(NULL, 0, DrawElsewhere, NULL, 0, NULL);
    ASSERT_NE(thread, (HANDLE)NULL);
    EXPECT_EQ(::WaitForSingleObject(thread, 10000), WAIT_OBJECT_0) << "another thread's drawing call never returns";
    ::CloseHandle(thread);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MemoryBoundPictureTest, ::testing::ValuesIn(MemoryPictures),
                         [](const ::testing::TestParamInfo<MemoryPicture>& info) {
                             return info.param.name;
                         });

// A photograph of 4000 x 3000 placed whole as one bitmap (48 MB expanded)
// draws the pixels the player draws.
TEST(MemoryBoundPictureTest, PhotographPlacedWholeDrawsAsThePlayerDrawsIt)
{
    const int width = 4000, height = 3000, rowBytes = width * 3;
    std::vector<BYTE> pixels((size_t)rowBytes * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            BYTE* pixel = &pixels[(size_t)y * rowBytes + 3 * x];
            pixel[0] = (BYTE)(x / 16);
            pixel[1] = (BYTE)(y / 12);
            pixel[2] = (BYTE)((x ^ y) & 0xFF);
        }
    const Bytes emf = MakeEmf(Frame, [&](HDC dc) {
        BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        ::StretchDIBits(dc, 0, 0, 80, 60, 0, 0, width, height, pixels.data(), (BITMAPINFO*)&header, DIB_RGB_COLORS,
                        SRCCOPY);
    });
    CCanvas drawn(Width, Height), played(Width, Height);
    PlayOnThePlatform(emf, played);
    const RECT all = {0, 0, Width, Height};
    ASSERT_GT(Width * Height - played.Count(RGB(255, 255, 255)), Width * Height / 2) << "the player draws little";
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(emf.data(), (DWORD)emf.size(), MakePictureLoadOptions(96, 96)));
    picture.Draw(drawn.DC(), CRect(all), CRect(all), CPoint(0, 0));
    EXPECT_TRUE(SamePixels(drawn, played)) << "pixels differ";
}

namespace
{
const COLORREF Red = RGB(230, 0, 0);
// Objects made by each draw that the player drops: 40 draws would leave
// 80,000 behind, more than the process's 65,536 GDI objects.
const WORD Dropped = 2000;
const int Draws = 40;

// A red brush made into slot 1 and selected, then Dropped blue ones made
// into the same slot (the player drops the red one, still selected), a
// rectangle in the red one and one in the last blue one.
Bytes BrushesIntoOneSlot()
{
    EmfRecords records = {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, Red, 0}}, {EMR_SELECTOBJECT, {1}}};
    records.insert(records.end(), Dropped, {EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}});
    records.insert(records.end(),
                   {{EMR_RECTANGLE, {0, 0, 40, 30}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {40, 30, 80, 60}}});
    return EmfOfRecords(Frame, records, 2);
}

// A red brush in the only free slot, Dropped pens made with none free (the
// player drops each), then a rectangle in the brush.
Bytes PlacedPensWithNoFreeSlot()
{
    WmfRecords records = {{META_CREATEBRUSHINDIRECT, {BS_SOLID, LOWORD(Red), HIWORD(Red), 0}}};
    records.insert(records.end(), Dropped, {META_CREATEPENINDIRECT, {PS_SOLID, 1, 0, 0, 0}});
    records.insert(records.end(), {{META_SELECTOBJECT, {0}}, {META_RECTANGLE, {48, 64, 0, 0}}});
    return PlacedWmf(records, 2);
}

void DrawOver(const Bytes& bytes, CCanvas& canvas)
{
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)));
    const CRect all(0, 0, canvas.Width(), canvas.Height());
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
}
} // namespace

// The objects are deleted after each draw: the last of many draws is the
// player's own (the dropped brush still drawing while selected).
TEST(MemoryBoundPictureTest, ObjectsThePlayerDropsAreNotLeftBehind)
{
    const Bytes emf = BrushesIntoOneSlot(), wmf = PlacedPensWithNoFreeSlot();
    CCanvas played(Width, Height);
    PlayOnThePlatform(emf, played);
    ASSERT_GT(played.Count(Red), 0) << "the player draws no red";
    for (int draw = 1; draw < Draws; ++draw)
    {
        CCanvas canvas(Width, Height);
        DrawOver(emf, canvas);
        DrawOver(wmf, canvas);
    }
    CCanvas drawn(Width, Height), placed(Width, Height);
    DrawOver(emf, drawn);
    EXPECT_TRUE(SamePixels(drawn, played)) << "pixels differ";
    DrawOver(wmf, placed);
    EXPECT_GT(placed.Count(Red), 0) << "the placed metafile's rectangle is missing";
}

// Drawn into a DC that records an enhanced metafile (as a copy of a picture
// would be), 2,000 records each clipping to and painting a region of 4,500
// rectangles (72 KB) record a copy of it each: 288 MB.
TEST(MemoryBoundPictureTest, RegionsRecordedAgainAndAgainAreBounded)
{
    WmfRecords records = {{META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0}},
                          {META_CREATEREGION, WmfRegion(GridOfCells(100, 45))},
                          {META_SELECTOBJECT, {0}}};
    for (int i = 0; i < 2000; ++i)
        records.insert(records.end(), {{META_SELECTOBJECT, {1}}, {META_PAINTREGION, {1}}});
    const Bytes wmf = PlacedWmf(records, 2);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(wmf.data(), (DWORD)wmf.size(), MakePictureLoadOptions(96, 96)));
    CDC recording;
    recording.Attach(::CreateEnhMetaFileA(NULL, NULL, NULL, NULL));
    const CRect all(0, 0, Width, Height);
    picture.Draw(&recording, all, all, CPoint(0, 0));
    const COwnedEnhMetafile recorded(::CloseEnhMetaFile(recording.Detach()));
    EXPECT_LT(::GetEnhMetaFileBits(recorded, 0, NULL), 64u << 20) << "bytes recorded";
}

// 8,000 different characters 300 pixels high, 40 a record (a 64 KB
// picture), each glyph under 64 KB: the player's glyph cache keeps them
// after the draw (122 MB under the guard that counted only bigger ones).
TEST(MemoryBoundPictureTest, ThousandsOfDifferentCharactersLeaveLittleHeld)
{
    const Bytes emf = MakeEmf(FrameOfPixels(Width, Height), [](HDC dc) {
        COwnedGdiObject<HFONT> font(
            ::CreateFontA(-300, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
        CSelectedObject selected(dc, font);
        std::wstring characters;
        for (wchar_t character = 0xC0; character < 0xC0 + 8000; ++character)
            characters += character;
        for (size_t at = 0; at < characters.size(); at += 40)
            ::ExtTextOutW(dc, 0, 0, 0, NULL, characters.data() + at, 40, NULL);
    });
    const SIZE_T before = WorkingSetBytes();
    ExpectDrawnSafely(emf, Width, Height, "ThousandsOfDifferentCharacters");
    EXPECT_LT((double)WorkingSetBytes() - (double)before, 100.0 * (1 << 20)) << "held after the draws";
}

namespace
{
// Another thread's brushes and DCs, made and held a few hundred at a time,
// until told to stop. Each try holds them together: the objects one try
// frees, a draw that takes all it can takes before the next.
struct ObjectTries
{
    HANDLE started = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    volatile LONG stop = 0;
    LONG tries = 0, failures = 0;
};

bool MakesObjects()
{
    std::vector<COwnedGdiObject<HBRUSH>> brushes(256);
    std::vector<COwnedDC> dcs(16);
    bool made = true;
    for (auto& brush : brushes)
    {
        brush = COwnedGdiObject<HBRUSH>(::CreateSolidBrush(Red));
        made = made && brush;
    }
    for (auto& dc : dcs)
    {
        dc = COwnedDC(::CreateCompatibleDC(NULL));
        made = made && dc;
    }
    return made;
}

DWORD WINAPI MakeObjectsUntilStopped(void* parameter)
{
    ObjectTries& objects = *(ObjectTries*)parameter;
    do
    {
        if (!MakesObjects())
            ++objects.failures;
        ++objects.tries;
        ::SetEvent(objects.started);
    } while (::InterlockedCompareExchange(&objects.stop, 0, 0) == 0);
    return 0;
}
} // namespace

// A table of 65,535 slots, each given a brush that is kept (a picture of
// 917 KB): while it draws, another thread makes brushes and DCs, and every
// try succeeds.
TEST(MemoryBoundPictureTest, ObjectsKeptByThePictureLeaveOtherThreadsTheirOwn)
{
    const WORD slots = 65535;
    const Bytes wmf = PlacedWmf(WmfRecords(slots, {META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0}}), slots);
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(wmf.data(), (DWORD)wmf.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(Width, Height);
    ObjectTries objects;
    const HANDLE thread = ::CreateThread(NULL, 0, MakeObjectsUntilStopped, &objects, 0, NULL);
    ASSERT_NE(thread, (HANDLE)NULL);
    ::WaitForSingleObject(objects.started, INFINITE);
    const CRect all(0, 0, Width, Height);
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    ::InterlockedExchange(&objects.stop, 1);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    ::CloseHandle(objects.started);
    EXPECT_EQ(objects.failures, 0) << "of " << objects.tries << " tries";
}
