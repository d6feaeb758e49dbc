// Damaged pictures of every kind, made by cutting, overwriting and inflating
// the size fields of good ones, are refused or loaded and drawn, without a
// crash, a hang, an exception or a read past their data (each damaged file
// ends at an inaccessible page); now and then the same damage is sealed and
// loaded from a sealed picture file.
#include "foundation/files/SealedFile.h"
#include "output/pictures/Picture.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

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
    bool draw = true; // draw what loads (the platform's player may take a
                      // damaged enhanced metafile's geometry for ever: those
                      // are only loaded)
};

void PaintSome(HDC dc)
{
    HPEN pen = ::CreatePen(PS_SOLID, 3, RGB(200, 0, 0));
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 200));
    ::SelectObject(dc, pen);
    ::SelectObject(dc, brush);
    ::SetTextColor(dc, RGB(0, 120, 0));
    ::Rectangle(dc, 5, 5, 60, 40);
    POINT points[] = {{0, 0}, {90, 10}, {40, 70}, {10, 50}};
    ::Polygon(dc, points, 4);
    ::Ellipse(dc, 20, 20, 80, 60);
    ::TextOutA(dc, 10, 10, "Kestrova", 8);
    ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
    ::DeleteObject(pen);
    ::DeleteObject(brush);
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
    CCanvas canvas(48, 48);
    CRect all(0, 0, 48, 48);
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
            if (c.draw)
                picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
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
            if (sealed.Load(sealedPath.c_str(), options) && c.draw)
                sealed.Draw(canvas.DC(), all, all, CPoint(0, 0));
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
} // namespace

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DamagedPictureTest,
    ::testing::Values(DamageCase{"bmp1",
                                 [] {
                                     return MakeBmp(30, 20, 1, {RGB(0, 0, 0), RGB(255, 255, 255)}, [](int x, int y) {
                                         return (COLORREF)((x ^ y) & 1);
                                     });
                                 },
                                 BmpFields, 1000},
                      DamageCase{"bmp4",
                                 [] {
                                     return MakeBmp(30, 20, 4, Grey16, [](int x, int y) {
                                         return (COLORREF)((x + 2 * y) % 16);
                                     });
                                 },
                                 BmpFields, 1000},
                      DamageCase{"bmp8",
                                 [] {
                                     return MakeBmp(30, 20, 8, {RGB(0, 0, 0), RGB(255, 255, 255), RGB(9, 99, 199)},
                                                    [](int x, int y) {
                                                        return (COLORREF)((x + y) % 3);
                                                    });
                                 },
                                 BmpFields, 1500},
                      DamageCase{"bmp16",
                                 [] {
                                     return MakeBmp(30, 20, 16, {}, Gradient);
                                 },
                                 BmpFields, 1000},
                      DamageCase{"bmp24",
                                 [] {
                                     return MakeBmp(30, 20, 24, {}, Gradient, true);
                                 },
                                 BmpFields, 1500},
                      DamageCase{"bmp32",
                                 [] {
                                     return MakeBmp(30, 20, 32, {}, Gradient);
                                 },
                                 BmpFields, 1000},
                      DamageCase{"jpeg",
                                 [] {
                                     return MakeJpeg(40, 24, JpegBaseline, Gradient, 80);
                                 },
                                 {},
                                 1500},
                      DamageCase{"progressive",
                                 [] {
                                     return MakeJpeg(40, 24, JpegProgressive, Gradient, 80);
                                 },
                                 {},
                                 1500},
                      DamageCase{"grey",
                                 [] {
                                     return MakeJpeg(40, 24, JpegGrey, Gradient, 80);
                                 },
                                 {},
                                 800},
                      DamageCase{"cmyk",
                                 [] {
                                     return MakeJpeg(40, 24, JpegCmyk, Gradient, 80);
                                 },
                                 {},
                                 800},
                      DamageCase{"wmf",
                                 [] {
                                     return MakePlaceableWmf(100, 80, 96, PaintSome);
                                 },
                                 WmfFields, 1500},
                      DamageCase{"wmf_records",
                                 [] {
                                     return MakePlaceableWmf(100, 80, 96, PaintRegionRecords);
                                 },
                                 WmfFields, 1000},
                      DamageCase{"emf",
                                 [] {
                                     return MakeEmf(EmfFrame, PaintSome);
                                 },
                                 EmfFields, 2000, false},
                      DamageCase{"emf_records",
                                 [] {
                                     return MakeEmf(EmfFrame, [](HDC dc) {
                                         PaintRegionRecords(dc);
                                         PaintBitmapRecords(dc);
                                     });
                                 },
                                 EmfFields, 2000, false}),
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
    const Bytes good = MakeEmf(frame, PaintSome);
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
