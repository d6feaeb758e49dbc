// Damaged pictures of every kind, made by cutting, overwriting and inflating
// the size fields of good ones, are refused or loaded and drawn into
// 800 x 600, without a crash, a hang, an exception or a read past their data
// (each damaged file ends at an inaccessible page); each drawing has a time
// limit. Now and then the same damage is sealed and loaded from a sealed
// picture file.
#include "foundation/files/SealedFile.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SelectedPalette.h"
#include "output/pictures/Picture.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <random>

namespace
{
struct DamageCase
{
    const char* name;
    std::function<Bytes()> make;
    std::vector<size_t> sizeFields; // offsets of 32-bit sizes and counts
    int runs;
};

// Processor time one drawing of a damaged picture may take: sound ones take
// a few milliseconds, and a metafile's drawing stops after about a second
// when its records are costly.
const unsigned DrawingLimitMilliseconds = 2000;

void PaintSome(HDC dc)
{
    COwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 3, RGB(200, 0, 0)));
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(0, 0, 200)));
    CSelectedObject selectedPen(dc, pen);
    CSelectedObject selectedBrush(dc, brush);
    ::SetTextColor(dc, RGB(0, 120, 0));
    ::Rectangle(dc, 5, 5, 60, 40);
    POINT points[] = {{0, 0}, {90, 10}, {40, 70}, {10, 50}};
    ::Polygon(dc, points, 4);
    ::Ellipse(dc, 20, 20, 80, 60);
    ::TextOutA(dc, 10, 10, "Kestrova", 8);
}

// Records whose length follows from counts they hold: polygons, a gradient,
// a comment and a palette.
void PaintCountedRecords(HDC dc)
{
    POINT points[] = {{0, 0}, {50, 10}, {20, 40}, {60, 60}, {70, 20}, {90, 50}};
    INT counts[] = {3, 3};
    ::PolyPolygon(dc, points, counts, 2);
    TRIVERTEX vertices[2] = {{0, 0, 0xFF00, 0, 0, 0}, {40, 30, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT rect = {0, 1};
    ::GdiGradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    ::GdiComment(dc, 8, (const BYTE*)"Kestrova");
    struct
    {
        LOGPALETTE palette;
        PALETTEENTRY more[3];
    } block = {{0x300, 4, {{255, 0, 0, 0}}}, {{0, 255, 0, 0}, {0, 0, 255, 0}, {9, 9, 9, 0}}};
    COwnedGdiObject<HPALETTE> palette(::CreatePalette(&block.palette));
    CSelectedPalette selected(dc, palette, FALSE, FALSE);
}

// Scalings of the window and the viewport, curves in a wide pen and letters
// made a path and filled: records whose cost follows the state that the
// records before them set.
void PaintScaledCurvesAndLetters(HDC dc)
{
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 100, 100, NULL);
    ::SetViewportExtEx(dc, 100, 100, NULL);
    ::ScaleWindowExtEx(dc, 4, 3, 4, 3, NULL);
    ::ScaleViewportExtEx(dc, 3, 2, 3, 2, NULL);
    COwnedGdiObject<HPEN> wide(::CreatePen(PS_SOLID, 12, RGB(0, 120, 0)));
    CSelectedObject pen(dc, wide);
    ::Ellipse(dc, 10, 10, 80, 60);
    ::Arc(dc, 0, 0, 90, 70, 90, 35, 0, 35);
    const POINT curve[] = {{5, 5}, {40, 80}, {60, -20}, {90, 50}};
    ::PolyBezier(dc, curve, 4);
    COwnedGdiObject<HFONT> font(::CreateFontA(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    CSelectedObject selectedFont(dc, font);
    ::BeginPath(dc);
    ::TextOutA(dc, 5, 20, "Kestrova", 8);
    ::EndPath(dc);
    ::FillPath(dc);
}

COLORREF Gradient(int x, int y)
{
    return RGB(x * 5, y * 7, (x + y) * 3);
}

class DamagedPictureTest : public ::testing::TestWithParam<DamageCase>
{
};

Bytes Damage(const Bytes& good, const std::vector<size_t>& sizeFields, std::mt19937& random)
{
    Bytes bytes = good;
    switch (random() % 4)
    {
    case 0: // cut
        bytes.resize(random() % bytes.size());
        break;
    case 1: // overwrite a few bytes
        for (int count = 1 + random() % 8; count > 0; --count)
            bytes[random() % bytes.size()] = (BYTE)random();
        break;
    case 2: // overwrite a few bytes near the start, where the headers are
        for (int count = 1 + random() % 4; count > 0; --count)
            bytes[random() % std::min<size_t>(bytes.size(), 128)] = (BYTE)random();
        break;
    default: // an absurd size or count
    {
        static const DWORD absurd[] = {0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0x10000, 0xFFFF, 0, 1, 3};
        size_t at = sizeFields.empty() ? 0 : sizeFields[random() % sizeFields.size()];
        DWORD value = absurd[random() % 8];
        for (int i = 0; i < 4 && at + i < bytes.size(); ++i)
            bytes[at + i] = (BYTE)(value >> (8 * i));
        break;
    }
    }
    return bytes;
}
}

TEST_P(DamagedPictureTest, RefusedOrDrawnWithoutFault)
{
    const DamageCase& c = GetParam();
    const Bytes good = c.make();
    CPicture check;
    ASSERT_TRUE(check.LoadFromMemory(good.data(), (DWORD)good.size(), MakePictureLoadOptions(96, 96))) << c.name;

    std::mt19937 random(12345);
    CScratchFolder folder("damaged_pictures");
    const std::string sealedPath = folder / "damaged.vqf";
    CCanvas canvas(800, 600);
    int loaded = 0;
    for (int run = 0; run < c.runs; ++run)
    {
        CGuardedBytes damaged(Damage(good, c.sizeFields, random));
        PictureLoadOptions options = MakePictureLoadOptions(96, 96);
        options.lightening = run % 8 == 0 ? 0.25 : 0.0;
        options.inkColour = RGB(0, 0, 255);
        options.makeMask = run % 4 == 0;
        CPicture picture;
        if (picture.LoadFromMemory(damaged.Data(), damaged.Size(), options))
        {
            ++loaded;
            const std::string what = std::string(c.name) + " damaged in run " + std::to_string(run);
            EXPECT_LT(DrawingMilliseconds(picture, canvas, what), DrawingLimitMilliseconds) << what;
            picture.GetScaledSize(96, 96);
            picture.Describe();
        }
        else
            EXPECT_FALSE(picture.HasPicture());
        // Now and then the same damage sealed, loaded from its file.
        if (run % 64 == 0)
        {
            ASSERT_TRUE(WriteBytes(sealedPath, SealPicture(Bytes(damaged.Data(), damaged.Data() + damaged.Size()))));
            CPicture sealed;
            const std::string what = std::string(c.name) + " sealed in run " + std::to_string(run);
            if (sealed.Load(sealedPath.c_str(), options))
            {
                EXPECT_LT(DrawingMilliseconds(sealed, canvas, what), DrawingLimitMilliseconds) << what;
            }
            EXPECT_EQ(picture.HasPicture(), sealed.HasPicture());
        }
    }
    RecordProperty("loaded", loaded);
}

namespace
{
const std::vector<COLORREF> Grey16 = [] {
    std::vector<COLORREF> table;
    for (int i = 0; i < 16; ++i)
        table.push_back(RGB(i * 17, i * 17, i * 17));
    return table;
}();

const RECT EmfFrame = {0, 0, 2000, 1600};

// Header and size fields of each kind, where absurd values are written.
const std::vector<size_t> BmpFields = {2, 10, 14, 18, 22, 28, 30, 34, 46, 50};
const std::vector<size_t> WmfFields = {6, 10, 14, 22, 28, 32, 34, 40, 46};
const std::vector<size_t> EmfFields = {4, 8, 24, 32, 48, 52, 56, 60, 64, 72, 76, 80, 84, 88, 92};

// Palette indexes of the bitmaps of 1, 4 and 8 bits.
COLORREF Checkers(int x, int y)
{
    return (COLORREF)((x ^ y) & 1);
}

COLORREF Grey16Stripes(int x, int y)
{
    return (COLORREF)((x + 2 * y) % 16);
}

COLORREF ThreeStripes(int x, int y)
{
    return (COLORREF)((x + y) % 3);
}

void PaintRegionAndBitmapRecords(HDC dc)
{
    PaintRegionRecords(dc);
    PaintBitmapRecords(dc);
}

DamageCase BmpCase(const char* name, int bitCount, const std::vector<COLORREF>& table, PixelColour pixel, int runs,
                   bool topDown = false)
{
    return {name,
            [=] {
                return MakeBmp(30, 20, bitCount, table, pixel, topDown);
            },
            BmpFields, runs};
}

DamageCase JpegCase(const char* name, JpegKind kind, int runs)
{
    return {name,
            [=] {
                return MakeJpeg(40, 24, kind, Gradient, 80);
            },
            {},
            runs};
}

DamageCase WmfCase(const char* name, void (*paint)(HDC), int runs)
{
    return {name,
            [=] {
                return MakePlaceableWmf(100, 80, 96, paint);
            },
            WmfFields, runs};
}

// The shapes with a colour space made, selected and deleted (the
// platform's recorder leaves colour spaces out).
Bytes ShapesAndColourSpaces()
{
    LOGCOLORSPACEA space = {};
    space.lcsSignature = 0x50534F43; // "PSOC"
    space.lcsVersion = 0x400;
    space.lcsSize = sizeof(space);
    space.lcsCSType = 0x73524742; // "sRGB"
    space.lcsIntent = LCS_GM_IMAGES;
    Fields create = {1};
    Append(create, &space, sizeof(space));
    return WithEmfRecords(MakeEmf(EmfFrame, PaintShapeRecords),
                          {{EMR_CREATECOLORSPACE, create}, {EMR_SETCOLORSPACE, {1}}, {EMR_DELETECOLORSPACE, {1}}}, 2);
}

DamageCase EmfCase(const char* name, void (*paint)(HDC), int runs)
{
    return {name,
            [=] {
                return MakeEmf(EmfFrame, paint);
            },
            EmfFields, runs};
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DamagedPictureTest,
    ::testing::Values(BmpCase("bmp1", 1, {RGB(0, 0, 0), RGB(255, 255, 255)}, Checkers, 1000),
                      BmpCase("bmp4", 4, Grey16, Grey16Stripes, 1000),
                      BmpCase("bmp8", 8, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(9, 99, 199)}, ThreeStripes, 1500),
                      BmpCase("bmp16", 16, {}, Gradient, 1000),
                      BmpCase("bmp24", 24, {}, Gradient, 1500, true),
                      BmpCase("bmp32", 32, {}, Gradient, 1000),
                      JpegCase("jpeg", JpegBaseline, 1500),
                      JpegCase("progressive", JpegProgressive, 1500),
                      JpegCase("grey", JpegGrey, 800),
                      JpegCase("cmyk", JpegCmyk, 800),
                      WmfCase("wmf", PaintSome, 1500),
                      WmfCase("wmf_records", PaintRegionRecords, 1000),
                      WmfCase("wmf_bitmaps", PaintBitmapRecords, 1500),
                      WmfCase("wmf_scaled_curves", PaintScaledCurvesAndLetters, 1500),
                      EmfCase("emf", PaintSome, 2000),
                      EmfCase("emf_records", PaintRegionAndBitmapRecords, 2000),
                      DamageCase{"emf_shapes", ShapesAndColourSpaces, EmfFields, 2000},
                      EmfCase("emf_transforms", PaintTransformRecords, 1500),
                      EmfCase("emf_mapped", PaintMappedRecords, 1500),
                      EmfCase("emf_scaled_curves_letters", PaintScaledCurvesAndLetters, 1500)),
    [](const ::testing::TestParamInfo<DamageCase>& info) {
        return std::string(info.param.name);
    });

TEST(DamagedSealedPictureTest, DamagedSealedFilesAreNotPictures)
{
    std::string sealed = std::string(KESTROVA_BINARY_DIR) + "/test-pictures/logo.vqf";
    CScratchFolder folder("damaged_sealed");
    ASSERT_TRUE(::CopyFileA(sealed.c_str(), (folder / "good.vqf").c_str(), FALSE));
    Bytes good;
    {
        std::string text = folder.ReadFile("good.vqf");
        good.assign(text.begin(), text.end());
    }
    ASSERT_GT(good.size(), (size_t)SealedHeaderSize);
    std::mt19937 random(777);
    std::string path = folder / "damaged.vqf";
    for (int run = 0; run < 1000; ++run)
    {
        Bytes damaged = Damage(good, {0, 4, 8}, random);
        ASSERT_TRUE(WriteBytes(path, damaged));
        CPicture picture;
        BOOL loaded = picture.Load(path.c_str(), MakePictureLoadOptions(96, 96));
        EXPECT_EQ(picture.HasPicture(), loaded);
    }
}

// Records that would make the platform's player read or write outside the
// metafile or its handle table are refused when the metafile is loaded.
TEST(DamagedEnhMetafileTest, RecordsThatReachOutsideAreRefused)
{
    RECT frame = {0, 0, 2000, 1600};
    const Bytes good = MakeEmf(frame, [](HDC dc) {
        PaintSome(dc);
        PaintCountedRecords(dc);
    });
    struct
    {
        DWORD type;
        size_t offset;
        DWORD value;
    } damages[] = {
        {EMR_SELECTOBJECT, 8, 200},        // object index past the handle table
        {EMR_CREATEPEN, 8, 0x7FFF},        // new object past the handle table
        {EMR_POLYGON16, 24, 0x10000},      // more points than the record holds
        {EMR_EXTTEXTOUTW, 44, 0x100000},   // more characters than the record holds
        {EMR_EXTTEXTOUTW, 48, 0xFFFFFFF0}, // characters outside the record
        {EMR_EOF, 4, 0x10000},             // end record longer than the metafile
        {EMR_POLYPOLYGON16, 24, 0x10000},  // more polygons than the record holds
        {EMR_POLYPOLYGON16, 32, 0x10000},  // a polygon of more points than the record holds
        {EMR_GRADIENTFILL, 24, 0x10000},   // more vertices than the record holds
        {EMR_GRADIENTFILL, 28, 0x10000},   // more rectangles than the record holds
        {EMR_GRADIENTFILL, offsetof(EMRGRADIENTFILL, Ver) + 2 * sizeof(TRIVERTEX), 7}, // a vertex that is not there
        {EMR_GDICOMMENT, 8, 0x10000},        // a comment longer than the record
        {EMR_CREATEPALETTE, 12, 0xFFFF0300}, // more entries than the record holds
    };
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(good.data(), (DWORD)good.size(), MakePictureLoadOptions(96, 96)));
    for (auto& d : damages)
    {
        Bytes bytes = good;
        size_t at = FindEmfRecord(bytes, d.type);
        ASSERT_NE(at, 0u) << d.type;
        std::memcpy(&bytes[at + d.offset], &d.value, 4);
        CGuardedBytes guarded(bytes);
        EXPECT_FALSE(picture.LoadFromMemory(guarded.Data(), guarded.Size(), MakePictureLoadOptions(96, 96)))
            << "record " << d.type << " at " << d.offset;
    }
}
