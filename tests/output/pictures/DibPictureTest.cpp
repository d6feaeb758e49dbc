// Bitmap pictures: BMP of every depth and JPEG of every kind load with their
// natural size and draw their pixels; lightening, ink colour and the mask of
// two-colour bitmaps change what is drawn; malformed headers are refused.
#include "foundation/windows/OwnedHandle.h"
#include "output/pictures/DibPicture.h"
#include "output/pictures/JpegDecoder.h"
#include "output/pictures/Picture.h"

#include "TestPictures.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), White = RGB(255, 255, 255), Black = RGB(0, 0, 0),
               Green = RGB(0, 160, 0), Yellow = RGB(255, 255, 0);

// Left half red, right half blue; for palette depths indexes 0 and 1.
PixelColour Halves(int width, bool indexed)
{
    return [=](int x, int) {
        return x < width / 2 ? (indexed ? 0 : Red) : (indexed ? 1 : Blue);
    };
}

CPoint Origin()
{
    return CPoint(0, 0);
}

void DrawWhole(CDibPicture& picture, CCanvas& canvas)
{
    CRect all(0, 0, canvas.Width(), canvas.Height());
    ASSERT_TRUE(picture.Draw(canvas.DC(), all, all, Origin(), 0, NULL, NULL));
}

struct BmpCase
{
    int bitCount;
    bool topDown;
    const char* description;
};

class BmpDepthTest : public ::testing::TestWithParam<BmpCase>
{
};
}

TEST_P(BmpDepthTest, LoadsSizesAndDrawsItsPixels)
{
    const BmpCase c = GetParam();
    const bool indexed = c.bitCount <= 8;
    Bytes bmp = MakeBmp(40, 20, c.bitCount, {Red, Blue}, Halves(40, indexed), c.topDown);
    CDibPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bmp.data(), (DWORD)bmp.size(), MakePictureLoadOptions(80, 40)));
    EXPECT_EQ(picture.GetScaledSize(160, 80), CSize(80, 40));
    EXPECT_DOUBLE_EQ(picture.GetWidthInInches(), 0.5);
    EXPECT_DOUBLE_EQ(picture.GetHeightInInches(), 0.5);
    EXPECT_STREQ(picture.Describe(), c.description);
    EXPECT_GT(picture.GetMemorySize(), 40u * 20u * c.bitCount / 8);

    // Drawn at twice its size the halves stay apart; the rows keep their order.
    CCanvas canvas(80, 40);
    DrawWhole(picture, canvas);
    EXPECT_EQ(canvas.At(2, 2), Red);
    EXPECT_EQ(canvas.At(37, 37), Red);
    EXPECT_EQ(canvas.At(77, 2), Blue);
    EXPECT_EQ(canvas.At(43, 37), Blue);
}

INSTANTIATE_TEST_SUITE_P(
    EveryDepth, BmpDepthTest,
    ::testing::Values(BmpCase{1, false, "monochrome bitmap"}, BmpCase{4, false, "16 colour bitmap"},
                      BmpCase{8, false, "256 colour bitmap"}, BmpCase{16, false, "64k colour bitmap"},
                      BmpCase{24, false, "full colour bitmap"}, BmpCase{32, false, "full colour bitmap"},
                      BmpCase{24, true, "full colour bitmap"}, BmpCase{8, true, "256 colour bitmap"}));

TEST(BmpHeaderTest, MalformedHeadersAreRefused)
{
    Bytes good = MakeBmp(8, 8, 8, {Red, Blue}, [](int, int) {
        return (COLORREF)0;
    });
    auto refused = [](Bytes bytes) {
        CDibPicture picture;
        return !picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)) &&
               !picture.IsLoaded();
    };
    auto with = [&](size_t offset, std::vector<BYTE> values) {
        Bytes bytes = good;
        std::copy(values.begin(), values.end(), bytes.begin() + offset);
        return bytes;
    };
    EXPECT_TRUE(refused(with(14, {12, 0, 0, 0})));            // core header of 12 bytes
    EXPECT_TRUE(refused(with(28, {2, 0})));                   // 2 bits per pixel
    EXPECT_TRUE(refused(with(46, {0xFF, 0xFF, 0xFF, 0xFF}))); // colour count that overflows
    EXPECT_TRUE(refused(with(46, {0x00, 0x01, 0, 0})));       // 256 colours claimed, 2 stored
    EXPECT_TRUE(refused(with(30, {BI_BITFIELDS, 0, 0, 0})));  // masks with 8 bits per pixel
    EXPECT_TRUE(refused(with(14, {0xFF, 0xFF, 0xFF, 0x7F}))); // header larger than the file
    EXPECT_TRUE(refused(with(18, {0xFF, 0xFF, 0xFF, 0x7F}))); // absurd width
    EXPECT_TRUE(refused(with(0, {'M', 'B'})));
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 17)));
    Bytes bitFields = MakeBmp(4, 4, 32, {}, [](int, int) {
        return Red;
    });
    bitFields[30] = BI_BITFIELDS; // masks claimed but the header is followed by pixels only
    bitFields.resize(14 + 40 + 8);
    EXPECT_TRUE(refused(bitFields));

    // Pixels that start past the end of the data: the picture loads, nothing is copied.
    Bytes late = with(10, {0xF0, 0xFF, 0, 0});
    CDibPicture picture;
    EXPECT_TRUE(picture.LoadFromMemory(late.data(), (DWORD)late.size(), MakePictureLoadOptions(96, 96)));
}

TEST(BitmapColourTest, LighteningAndInkChangeTheColourTable)
{
    Bytes bmp = MakeBmp(4, 4, 8, {Black, RGB(100, 0, 200)}, [](int x, int) {
        return (COLORREF)(x < 2 ? 0 : 1);
    });
    struct
    {
        COLORREF ink;
        double lightening;
        COLORREF left, right;
    } cases[] = {
        {NoInkColour, 0.0, Black, RGB(100, 0, 200)},
        {NoInkColour, 1.0, Black, RGB(100, 0, 200)}, // 1.0 changes nothing
        {Red, 0.0, Red, RGB(100, 0, 200)},
        {NoInkColour, 0.5, RGB(127, 127, 127), RGB(177, 127, 227)},
        {RGB(0, 0, 100), 0.5, RGB(127, 127, 177), RGB(177, 127, 227)},
    };
    for (const auto& c : cases)
    {
        PictureLoadOptions options = MakePictureLoadOptions(96, 96);
        options.inkColour = c.ink;
        options.lightening = c.lightening;
        CDibPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(bmp.data(), (DWORD)bmp.size(), options));
        CCanvas canvas(4, 4);
        DrawWhole(picture, canvas);
        EXPECT_EQ(canvas.At(0, 0), c.left) << c.lightening;
        EXPECT_EQ(canvas.At(3, 3), c.right) << c.lightening;
    }
}

TEST(BitmapColourTest, LighteningMovesTrueColourPixelsTowardsWhite)
{
    for (int bitCount : {16, 24, 32})
    {
        Bytes bmp = MakeBmp(4, 4, bitCount, {}, [](int, int) {
            return RGB(0, 128, 248);
        });
        PictureLoadOptions options = MakePictureLoadOptions(96, 96);
        options.lightening = 0.5;
        CDibPicture picture;
        ASSERT_TRUE(picture.LoadFromMemory(bmp.data(), (DWORD)bmp.size(), options));
        CCanvas canvas(4, 4);
        DrawWhole(picture, canvas);
        EXPECT_TRUE(Near(canvas.At(1, 1), RGB(127, 191, 251), bitCount == 16 ? 8 : 1))
            << bitCount << " bits: " << std::hex << canvas.At(1, 1);
    }
}

TEST(BitmapMaskTest, WhiteOfATwoColourBitmapIsTransparentAndTheRestTakesTheInk)
{
    Bytes withWhite = MakeBmp(8, 8, 1, {Black, White}, [](int x, int) {
        return (COLORREF)(x < 4 ? 0 : 1);
    });
    PictureLoadOptions options = MakePictureLoadOptions(96, 96);
    options.makeMask = TRUE;
    options.inkColour = Red;
    CDibPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(withWhite.data(), (DWORD)withWhite.size(), options));
    EXPECT_TRUE(picture.HasMask());
    CCanvas canvas(8, 8, Green);
    DrawWhole(picture, canvas);
    EXPECT_EQ(canvas.At(1, 1), Red);
    EXPECT_EQ(canvas.At(6, 6), Green);

    Bytes noWhite = MakeBmp(8, 8, 1, {Black, Blue}, [](int x, int) {
        return (COLORREF)(x < 4 ? 0 : 1);
    });
    ASSERT_TRUE(picture.LoadFromMemory(noWhite.data(), (DWORD)noWhite.size(), options));
    EXPECT_FALSE(picture.HasMask());
}

TEST(BitmapDrawTest, ClippingOriginAndEmptyIntersection)
{
    Bytes bmp = MakeBmp(10, 10, 24, {}, [](int, int) {
        return Red;
    });
    CDibPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bmp.data(), (DWORD)bmp.size(), MakePictureLoadOptions(96, 96)));
    CCanvas canvas(40, 40);
    CRect dest(10, 10, 30, 30);
    EXPECT_TRUE(picture.Draw(canvas.DC(), dest, CRect(0, 0, 5, 5), Origin(), 0, NULL, NULL));
    EXPECT_EQ(canvas.ExtentOfOther(White), CRect(40, 40, 0, 0));

    // Clipped to the right half, moved by the origin.
    EXPECT_TRUE(picture.Draw(canvas.DC(), dest, CRect(20, 0, 40, 40), CPoint(5, 5), 0, NULL, NULL));
    EXPECT_EQ(canvas.ExtentOfOther(White), CRect(15, 5, 25, 25));

    // A clip region of the DC's own survives the drawing.
    CCanvas clipped(40, 40);
    ::IntersectClipRect(clipped.DC()->m_hDC, 0, 0, 12, 40);
    picture.Draw(clipped.DC(), dest, CRect(0, 0, 40, 40), Origin(), 0, NULL, NULL);
    ::PatBlt(clipped.DC()->m_hDC, 0, 35, 40, 5, BLACKNESS);
    EXPECT_EQ(clipped.At(30, 37), White);

    CDibPicture empty;
    EXPECT_FALSE(empty.Draw(canvas.DC(), dest, dest, Origin(), 0, NULL, NULL));
}

namespace
{
struct JpegCase
{
    JpegKind kind;
    int bitCount;
};
class JpegKindTest : public ::testing::TestWithParam<JpegCase>
{
};

COLORREF Quarters(int x, int y)
{
    static const COLORREF colours[] = {RGB(220, 30, 30), RGB(30, 30, 220), RGB(30, 200, 30), RGB(240, 240, 60)};
    return colours[(x >= 32) + 2 * (y >= 16)];
}
}

TEST_P(JpegKindTest, DecodesBottomUpWithBlueFirst)
{
    const JpegCase c = GetParam();
    Bytes jpeg = MakeJpeg(64, 32, c.kind, Quarters);
    BYTE* bits = NULL;
    COwnedGdiObject<HBITMAP> section(DecodeJpegFromMemory(jpeg.data(), (DWORD)jpeg.size(), &bits));
    ASSERT_TRUE(section.Get() != NULL);
    DIBSECTION dib;
    ASSERT_EQ(::GetObjectA(section, sizeof(dib), &dib), (int)sizeof(dib));
    EXPECT_EQ(dib.dsBmih.biBitCount, c.bitCount);
    EXPECT_GT(dib.dsBmih.biHeight, 0);
    EXPECT_EQ(bits, dib.dsBm.bmBits);
    section.Reset();

    CDibPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(jpeg.data(), (DWORD)jpeg.size(), MakePictureLoadOptions(64, 64)));
    CCanvas canvas(64, 32);
    DrawWhole(picture, canvas);
    for (CPoint at : {CPoint(8, 8), CPoint(56, 8), CPoint(8, 24), CPoint(56, 24)})
    {
        COLORREF expected = Quarters(at.x, at.y);
        if (c.kind == JpegGrey)
            expected = RGB(GetRValue(expected), GetRValue(expected), GetRValue(expected));
        EXPECT_TRUE(Near(canvas.At(at.x, at.y), expected, 12))
            << at.x << "," << at.y << " " << std::hex << canvas.At(at.x, at.y);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, JpegKindTest,
                         ::testing::Values(JpegCase{JpegBaseline, 24}, JpegCase{JpegProgressive, 24},
                                           JpegCase{JpegGrey, 8}, JpegCase{JpegCmyk, 24}));

TEST(JpegDataTest, DataThatEndsEarlyIsClosedAndEmptyDataFails)
{
    Bytes jpeg = MakeJpeg(64, 64, JpegBaseline, [](int x, int y) {
        return RGB(x * 4, y * 4, (x * y) % 256);
    });
    size_t scan = 0;
    for (size_t i = 0; i + 1 < jpeg.size() && scan == 0; ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA)
            scan = i;
    ASSERT_GT(scan, 0u);
    // Cut halfway through the compressed scan: the top rows keep their colours.
    BYTE* bits = NULL;
    HBITMAP cut = DecodeJpegFromMemory(jpeg.data(), (DWORD)(scan + jpeg.size()) / 2, &bits);
    ASSERT_TRUE(cut != NULL);
    CDibPicture picture;
    ASSERT_TRUE(picture.Attach(cut, NoInkColour, bits, 0.0, FALSE));
    CCanvas canvas(64, 64);
    DrawWhole(picture, canvas);
    EXPECT_TRUE(Near(canvas.At(40, 2), RGB(160, 8, 80), 16)) << std::hex << canvas.At(40, 2);
    EXPECT_TRUE(DecodeJpegFromMemory(jpeg.data(), 0, &bits) == NULL);
    EXPECT_TRUE(bits == NULL);
    EXPECT_TRUE(DecodeJpegFile("Z:\\no\\such\\picture.jpg", &bits) == NULL);
}

TEST(JpegDataTest, GreyTableAndDescription)
{
    Bytes grey = MakeJpeg(16, 16, JpegGrey, [](int x, int) {
        return RGB(x * 16, 0, 0);
    });
    CDibPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(grey.data(), (DWORD)grey.size(), MakePictureLoadOptions(96, 96)));
    ASSERT_EQ(picture.GetColourCount(), 256);
    EXPECT_EQ(picture.GetColours()[77].rgbRed, 77);
    EXPECT_EQ(picture.GetColours()[77].rgbBlue, 77);
    EXPECT_STREQ(picture.Describe(), "256 colour bitmap");
}
