// Metafiles that the platform's player would crash or hang on are refused
// when they are loaded (plain and sealed); metafiles that the platform itself
// records with regions and monochrome pattern brushes load and draw.
#include "output/pictures/Picture.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace
{
const RECT Frame = {0, 0, 2000, 1600};

void Put(Bytes& bytes, size_t at, DWORD value)
{
    std::memcpy(&bytes[at], &value, 4);
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
        {"window origin", [](HDC dc) { ::SetWindowOrgEx(dc, Far, Far, NULL); }},
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

// Records after the first end record are played too: one that creates an
// object far outside the handle table is refused, plain or sealed.
TEST(MetafileCheckTest, RecordsAfterTheEndRecordAreChecked)
{
    Bytes bytes = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_TRUE(LoadsSealed(bytes));
    EMRCREATEPEN pen = {};
    pen.emr.iType = EMR_CREATEPEN;
    pen.emr.nSize = sizeof(pen);
    pen.ihPen = 0x7FFF0000;
    const BYTE* record = (const BYTE*)&pen;
    bytes.insert(bytes.end(), record, record + sizeof(pen));
    Put(bytes, offsetof(ENHMETAHEADER, nBytes), (DWORD)bytes.size());
    Put(bytes, offsetof(ENHMETAHEADER, nRecords), *(const DWORD*)&bytes[offsetof(ENHMETAHEADER, nRecords)] + 1);
    EXPECT_FALSE(Loads(bytes));
    EXPECT_FALSE(LoadsSealed(bytes));
}

// Sizes no picture can mean make the player draw for ever.
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
DWORD FloatBits(float value)
{
    DWORD bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

const Fields Bounds = {0, 0, 49, 49};

Fields Join(const Fields& first, const Fields& then)
{
    Fields joined = first;
    joined.insert(joined.end(), then.begin(), then.end());
    return joined;
}

// A rectangular region of one rectangle (0, 0) to (49, 49).
const Fields OneRectRegion = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, 1, sizeof(RECT), 0, 0, 49, 49, 0, 0, 49, 49};

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
};

const DWORD BigScale = FloatBits(1000);

const Reproducer Reproducers[] = {
    {"table object deleted as a stock one", {{EMR_DELETEOBJECT, {1}}}, 0, 0, 0x94000001},
    {"colour space selected as a stock one", {{EMR_SETCOLORSPACE, {1}}}, 0, 0, 0x94000001},
    {"colour space deleted as a stock one", {{EMR_DELETECOLORSPACE, {1}}}, 0, 0, 0x94000001},
    {"region filled with a stock brush",
     {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}},
      {EMR_FILLRGN, Join(Join(Bounds, {sizeof(RGNDATAHEADER) + sizeof(RECT), 1}), OneRectRegion)}},
     1, 5, 0x80000001},
    {"region framed with a stock brush",
     {{EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, RGB(0, 0, 200), 0}},
      {EMR_FRAMERGN, Join(Join(Bounds, {sizeof(RGNDATAHEADER) + sizeof(RECT), 1, 2, 2}), OneRectRegion)}},
     1, 5, 0x80000001},
    {"stock object past the last", {{EMR_SELECTOBJECT, {ENHMETA_STOCK_OBJECT | BLACK_PEN}}}, 0, 0,
     ENHMETA_STOCK_OBJECT | (STOCK_LAST + 1)},
    {"arc box far down", {{EMR_ARC, {0, 0, 49, 49, 0, 0, 49, 49}}}, 0, 1, 0x5F000000},
    {"chord box far down", {{EMR_CHORD, {0, 0, 49, 49, 0, 0, 49, 49}}}, 0, 1, 600000000},
    {"pie box without height", {{EMR_PIE, {0, 0, 49, 49, 0, 0, 49, 49}}}, 0, 1, 49},
    {"round rectangle near the end of the numbers",
     {{EMR_ROUNDRECT, {0, 0, 49, 49, 10, 10}}}, 0, 2, 2000000000},
    {"rectangle edge far left", {{EMR_RECTANGLE, {5, 5, 60, 40}}}, 0, 0, (DWORD)-369000000},
    {"dashed pen a million wide",
     {{EMR_CREATEPEN, {1, PS_DASH, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0, 2, 1000000},
    {"pen 65,535 wide",
     {{EMR_CREATEPEN, {1, PS_SOLID, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0, 2, 65535},
    {"pen of negative width",
     {{EMR_CREATEPEN, {1, PS_SOLID, 2, 0, 0}}, {EMR_SELECTOBJECT, {1}}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0, 2, (DWORD)-60000},
    {"transform scaled by 1.27e30",
     {{EMR_MODIFYWORLDTRANSFORM, Join(Transform(2), {MWT_LEFTMULTIPLY})}, {EMR_RECTANGLE, {5, 5, 60, 40}}},
     0, 3, FloatBits(1.27e30f)},
    {"transform set to infinity",
     {{EMR_SETWORLDTRANSFORM, Transform(2)}, {EMR_RECTANGLE, {5, 5, 60, 40}}}, 0, 0,
     FloatBits(INFINITY)},
    {"transforms whose product is too large",
     {{EMR_MODIFYWORLDTRANSFORM, Join(Transform(1000), {MWT_LEFTMULTIPLY})},
      {EMR_MODIFYWORLDTRANSFORM, Join(Transform(1, 0), {MWT_RIGHTMULTIPLY})}},
     1, 1, BigScale},
    {"transforms multiplied after a restore of no saved state",
     {{EMR_SAVEDC, {}}, {EMR_RESTOREDC, {(DWORD)-1}}, {EMR_MODIFYWORLDTRANSFORM, Join(Transform(2), {MWT_LEFTMULTIPLY})},
      {EMR_RECTANGLE, {5, 5, 60, 40}}},
     1, 0, (DWORD)-2},
};
} // namespace

// Each record loads and draws in a short time as a recorder writes it; with
// the one field that the player crashes or hangs on, the picture is refused
// (and so never drawn).
TEST(MetafileCheckTest, RecordsThePlayerCrashesOrHangsOnAreRefused)
{
    const Bytes base = MakeEmf(Frame, [](HDC dc) {
        ::Rectangle(dc, 0, 0, 10, 10);
    });
    CCanvas canvas(48, 48);
    for (const Reproducer& reproducer : Reproducers)
    {
        SCOPED_TRACE(reproducer.what);
        EmfRecords records = reproducer.records;
        const Bytes sound = WithEmfRecords(base, records, 4);
        CPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(sound.data(), (DWORD)sound.size(), MakePictureLoadOptions(96, 96)));
        EXPECT_LT(DrawingMilliseconds(picture, canvas, reproducer.what), 1000u);
        records[reproducer.record].second[reproducer.field] = reproducer.damaged;
        const Bytes damaged = WithEmfRecords(base, records, 4);
        EXPECT_FALSE(Loads(damaged));
        EXPECT_FALSE(LoadsSealed(damaged));
    }
}

namespace
{
// A Windows metafile record: its function and its parameters as words.
typedef std::vector<WORD> Words;

// A placeable Windows metafile with the record put before its end record.
Bytes WithWmfRecord(WORD function, const Words& parameters)
{
    // A brush leaves a place in the handle table for the new one.
    Bytes wmf = MakePlaceableWmf(64, 48, 96, [](HDC dc) {
        COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(RGB(0, 0, 200)));
        CSelectedObject selected(dc, brush);
        ::Rectangle(dc, 0, 0, 30, 20);
    });
    Words record = {0, 0, function};
    record.insert(record.end(), parameters.begin(), parameters.end());
    const DWORD words = (DWORD)record.size();
    std::memcpy(record.data(), &words, 4);
    const BYTE* bytes = (const BYTE*)record.data();
    const size_t placeable = 22, endRecord = 6;
    wmf.insert(wmf.end() - endRecord, bytes, bytes + 2 * record.size());
    METAHEADER header;
    std::memcpy(&header, &wmf[placeable], sizeof(header));
    header.mtSize += words;
    header.mtMaxRecord = std::max<DWORD>(header.mtMaxRecord, words);
    std::memcpy(&wmf[placeable], &header, sizeof(header));
    return wmf;
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
