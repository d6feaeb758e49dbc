// The composite picture: Windows metafiles (placeable only), enhanced
// metafiles, sealed vector pictures and bitmaps are recognised by content,
// report their natural size and draw; the logo draws whole, centred and in
// its proportions; placing and tiling in an area.
#include "output/pictures/Picture.h"
#include "output/pictures/MetafilePicture.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/PictureSettings.h"
#include "output/pictures/PictureTableDrawing.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace
{
const COLORREF Red = RGB(255, 0, 0), White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Green = RGB(0, 160, 0),
               Blue = RGB(0, 0, 255);
const CPoint Origin(0, 0);

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    COwnedGdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    CSelectedObject selectedBrush(dc, brush);
    CSelectedObject selectedPen(dc, ::GetStockObject(NULL_PEN));
    ::Rectangle(dc, left, top, right + 1, bottom + 1);
}

// A 200 x 100 unit metafile: a box filling it in 'colour'.
Bytes BoxWmf(COLORREF colour, int unitsPerInch = 100)
{
    return MakePlaceableWmf(200, 100, unitsPerInch, [=](HDC dc) {
        FillBox(dc, 0, 0, 200, 100, colour);
    });
}

BOOL LoadBytes(CPicture& picture, const Bytes& bytes, PictureLoadOptions options = MakePictureLoadOptions(96, 96))
{
    return picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), options);
}
}

TEST(MetafilePictureTest, PlaceableMetafileKeepsItsProportionsCentred)
{
    CPicture picture;
    ASSERT_TRUE(LoadBytes(picture, BoxWmf(Red)));
    EXPECT_FALSE(picture.IsBitmap());
    EXPECT_DOUBLE_EQ(picture.GetWidthInInches(), 2.0);
    EXPECT_DOUBLE_EQ(picture.GetHeightInInches(), 1.0);
    EXPECT_EQ(picture.GetScaledSize(50, 50), CSize(100, 50));
    EXPECT_STREQ(picture.Describe(), "vector graphics");
    EXPECT_GT(picture.GetMemorySize(), 18u);

    // A square destination leaves equal margins above and below.
    CCanvas canvas(100, 100);
    CRect all(0, 0, 100, 100);
    ASSERT_TRUE(picture.Draw(canvas.DC(), all, all, Origin));
    CRect drawn = canvas.ExtentOfOther(White);
    EXPECT_NEAR(drawn.left, 0, 1);
    EXPECT_NEAR(drawn.right, 100, 1);
    EXPECT_NEAR(drawn.top, 25, 1);
    EXPECT_NEAR(drawn.bottom, 75, 1);
    EXPECT_EQ(canvas.At(50, 50), Red);
}

TEST(MetafilePictureTest, MetafileWithoutPlaceableHeaderIsRefused)
{
    Bytes plain = MakePlainWmf([](HDC dc) {
        FillBox(dc, 0, 0, 10, 10, Red);
    });
    CPicture picture;
    EXPECT_FALSE(LoadBytes(picture, plain));
    EXPECT_FALSE(picture.HasPicture());
}

// Some writers count the placeable header in the size in words: such a file
// ends where its records do and draws as the file with the size right; a
// file shorter than its size is still refused.
TEST(MetafilePictureTest, SizeCountingThePlaceableHeaderLoadsButShortFilesAreRefused)
{
    const Bytes sound = BoxWmf(Red);
    const size_t sizeAt = sizeof(PlaceableMetaHeader) + offsetof(METAHEADER, mtSize);
    DWORD words;
    std::memcpy(&words, &sound[sizeAt], 4);
    const auto sized = [&](DWORD size, size_t cut) {
        Bytes bytes(sound.begin(), sound.end() - cut);
        std::memcpy(&bytes[sizeAt], &size, 4);
        return bytes;
    };
    CPicture expected, counted, refused;
    ASSERT_TRUE(LoadBytes(expected, sound));
    ASSERT_TRUE(LoadBytes(counted, sized(words + 11, 0)));
    CCanvas drawnSound(100, 100), drawnCounted(100, 100);
    const CRect all(0, 0, 100, 100);
    expected.Draw(drawnSound.DC(), all, all, Origin);
    counted.Draw(drawnCounted.DC(), all, all, Origin);
    ASSERT_GT(drawnSound.Count(Red), 0);
    EXPECT_TRUE(SamePixels(drawnSound, drawnCounted)) << "pixels differ";
    EXPECT_FALSE(LoadBytes(refused, sized(words + 1, 0))) << "two bytes short";
    EXPECT_FALSE(LoadBytes(refused, sized(words + 11, 2))) << "the counted file cut";
}

TEST(MetafilePictureTest, InkColourRecolorsOnlyBlackAndWhiteDrawings)
{
    struct
    {
        Bytes wmf;
        BOOL twoTone;
        COLORREF expected;
    } cases[] = {
        {BoxWmf(Black), TRUE, Blue},
        {MakePlaceableWmf(200, 100, 100,
                          [](HDC dc) {
                              FillBox(dc, 0, 0, 100, 100, Black);
                              FillBox(dc, 100, 0, 200, 100, Green);
                          }),
         FALSE, Black},
        {MakePlaceableWmf(200, 100, 100,
                          [](HDC dc) {
                              FillBox(dc, 0, 0, 200, 100, Black);
                              COwnedDC memory(::CreateCompatibleDC(NULL));
                              COwnedGdiObject<HBITMAP> bitmap(::CreateBitmap(2, 2, 1, 1, NULL));
                              CSelectedObject selected(memory, bitmap);
                              ::StretchBlt(dc, 150, 50, 10, 10, memory, 0, 0, 2, 2, SRCCOPY);
                          }),
         FALSE, Black},
    };
    for (auto& c : cases)
    {
        PictureLoadOptions options = MakePictureLoadOptions(96, 96);
        options.inkColour = Blue;
        CPicture picture;
        ASSERT_TRUE(LoadBytes(picture, c.wmf, options));
        EXPECT_EQ(picture.IsTwoTone(), c.twoTone);
        EXPECT_TRUE(picture.TakesLightening());
        CCanvas canvas(200, 100);
        CRect all(0, 0, 200, 100);
        picture.Draw(canvas.DC(), all, all, Origin);
        EXPECT_EQ(canvas.At(20, 50), c.expected);
    }
}

TEST(MetafilePictureTest, LighteningMovesMetafileColoursTowardsWhite)
{
    PictureLoadOptions options = MakePictureLoadOptions(96, 96);
    options.lightening = 0.5;
    CPicture picture;
    ASSERT_TRUE(LoadBytes(picture, BoxWmf(RGB(0, 100, 200)), options));
    CCanvas canvas(200, 100);
    CRect all(0, 0, 200, 100);
    picture.Draw(canvas.DC(), all, all, Origin);
    EXPECT_EQ(canvas.At(100, 50), RGB(127, 177, 227));
}

TEST(EnhMetafilePictureTest, NaturalSizeFromTheFrameAndStretchedToItsDestination)
{
    RECT frame = {0, 0, 5080, 2540}; // two inches by one, in hundredths of a millimetre
    Bytes emf = MakeEmf(frame, [](HDC dc) {
        FillBox(dc, 0, 0, 400, 200, Green);
    });
    CPicture picture;
    ASSERT_TRUE(LoadBytes(picture, emf));
    EXPECT_FALSE(picture.TakesLightening());
    EXPECT_NEAR(picture.GetWidthInInches(), 2.0, 1e-9);
    EXPECT_NEAR(picture.GetHeightInInches(), 1.0, 1e-9);
    EXPECT_EQ(picture.GetMemorySize(), (DWORD)emf.size());
    EXPECT_STREQ(picture.Describe(), "vector graphics");

    CCanvas canvas(100, 100);
    CRect all(0, 0, 100, 100);
    ASSERT_TRUE(picture.Draw(canvas.DC(), all, all, Origin));
    EXPECT_EQ(canvas.At(50, 5), Green);
    EXPECT_EQ(canvas.At(50, 95), Green);
}

TEST(PictureLoadTest, FilesAreRecognisedByContentNotByName)
{
    CScratchFolder folder("picture_kinds");
    RECT frame = {0, 0, 2540, 2540};
    struct
    {
        const char* name;
        Bytes bytes;
        bool bitmap;
    } files[] = {
        {"box.jpg", BoxWmf(Red), false},
        {"frame.bmp",
         MakeEmf(frame,
                 [](HDC dc) {
                     FillBox(dc, 0, 0, 10, 10, Red);
                 }),
         false},
        {"photo.wmf",
         MakeJpeg(16, 16, JpegBaseline,
                  [](int, int) {
                      return Red;
                  }),
         true},
        {"plain",
         MakeBmp(4, 4, 24, {},
                 [](int, int) {
                     return Red;
                 }),
         true},
    };
    for (auto& file : files)
    {
        ASSERT_TRUE(WriteBytes(folder / file.name, file.bytes));
        CPicture picture;
        ASSERT_TRUE(picture.Load((folder / file.name).c_str(), MakePictureLoadOptions(96, 96))) << file.name;
        EXPECT_EQ(picture.IsBitmap(), file.bitmap) << file.name;
    }
    ASSERT_TRUE(WriteBytes(folder / "text.jpg", Bytes(300, 'x')));
    CPicture picture;
    EXPECT_FALSE(picture.Load((folder / "text.jpg").c_str(), MakePictureLoadOptions(96, 96)));
    EXPECT_FALSE(picture.Load((folder / "missing.bmp").c_str(), MakePictureLoadOptions(96, 96)));
}

TEST(PictureLoadTest, RelativeNamesAreFoundInTheDefaultPictureFolder)
{
    CScratchFolder folder("picture_search");
    ASSERT_TRUE(WriteBytes(folder / "found.wmf", BoxWmf(Red)));
    CString saved = DefaultPictureFolder;
    DefaultPictureFolder = folder.Path().c_str();
    CPicture picture;
    EXPECT_TRUE(picture.Load("found.wmf", MakePictureLoadOptions(96, 96)));
    EXPECT_EQ(GetPictureSearchPath().Find(';'), (int)folder.Path().size());
    DefaultPictureFolder = saved;
}

TEST(SealedPictureTest, ExtensionIsTakenAfterTheLastDotOfTheName)
{
    struct
    {
        const char* path;
        BOOL sealed;
    } names[] = {
        {"logo.vqf", TRUE},
        {"C:\\Art\\LOGO.VQF", TRUE},
        {"C:\\my.pictures\\logo.vqf", TRUE},
        {"logo.old.vqf", TRUE},
        {"logo.vqf.bak", FALSE},
        {"C:\\a.vqf\\logo", FALSE},
        {"vqf", FALSE},
        {"", FALSE},
    };
    for (auto& name : names)
        EXPECT_EQ(IsSealedPictureName(name.path), name.sealed) << name.path;
}

TEST(SealedPictureTest, SealedLogoLoadsFromADottedFolder)
{
    // The build seals the logo with the sealing tool.
    std::string sealed = std::string(KESTROVA_BINARY_DIR) + "/test-pictures/logo.vqf";
    CScratchFolder folder("sealed.pictures");
    ASSERT_TRUE(folder.MakeFolder("v1.2"));
    std::string copy = folder / "v1.2\\Logo.VQF";
    ASSERT_TRUE(::CopyFileA(sealed.c_str(), copy.c_str(), FALSE));
    CPicture picture, logo;
    ASSERT_TRUE(picture.Load(copy.c_str(), MakePictureLoadOptions(96, 96)));
    ASSERT_TRUE(logo.LoadBuiltInLogo());
    EXPECT_EQ(picture.GetMemorySize(), logo.GetMemorySize());
    EXPECT_DOUBLE_EQ(picture.GetWidthInInches(), logo.GetWidthInInches());

    // The same bytes without the seal are not a sealed picture.
    std::string unsealed = folder / "logo.vqf";
    ASSERT_TRUE(WriteBytes(unsealed, BoxWmf(Red)));
    EXPECT_FALSE(picture.Load(unsealed.c_str(), MakePictureLoadOptions(96, 96)));
}

TEST(LogoTest, DrawsWholeCentredAndInProportion)
{
    CPicture logo;
    ASSERT_TRUE(logo.LoadBuiltInLogo());
    EXPECT_FALSE(logo.IsBitmap());
    EXPECT_FALSE(logo.IsTwoTone());
    const double aspect = logo.GetWidthInInches() / logo.GetHeightInInches();
    EXPECT_NEAR(aspect, 4.0 / 3.0, 1e-9);

    // In a wide area and in a tall one the drawing keeps its proportions,
    // touches the area on one axis and is centred on the other.
    struct
    {
        CRect area;
    } areas[] = {{CRect(10, 10, 410, 160)}, {CRect(0, 0, 150, 400)}};
    for (auto& a : areas)
    {
        CCanvas canvas(420, 420, Black);
        POINT noOffset = {0, 0};
        ASSERT_TRUE(logo.DrawInRect(canvas.DC(), a.area, a.area, Origin, CSize(1200, 900), 0, 0, TRUE, noOffset));
        CRect drawn = canvas.ExtentOfOther(Black);
        EXPECT_NEAR((double)drawn.Width() / drawn.Height(), aspect, 0.05);
        EXPECT_NEAR(drawn.CenterPoint().x, a.area.CenterPoint().x, 2);
        EXPECT_NEAR(drawn.CenterPoint().y, a.area.CenterPoint().y, 2);
        EXPECT_TRUE(drawn.Width() >= a.area.Width() * 0.95 || drawn.Height() >= a.area.Height() * 0.95);
        EXPECT_TRUE(a.area.PtInRect(drawn.TopLeft()));
    }

    CCanvas shot(480, 360, RGB(240, 240, 240));
    CRect all(0, 0, 480, 360);
    logo.Draw(shot.DC(), all, all, Origin);
    shot.SaveScreenshot("logo");
}

TEST(LogoTest, PlacedAsTheAboutWindowPlacesIt)
{
    // The About window's table entry: bottom right, tiling 0, fit 1, tile
    // offset 0.0, scale 1.0, in a window painted by its picture table.
    CPicture logo;
    ASSERT_TRUE(logo.LoadBuiltInLogo());
    InstallPictureTableDrawing();
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "About", WS_POPUP, CRect(0, 0, 500, 300), NULL, 0));
    CWndPictureTable table;
    table.m_owner = &window;
    table.AddPicture(&logo, PLACE_BOTTOM_RIGHT, 0, 1, 0.0, 1.0);
    CCanvas canvas(500, 300, Black);
    ::IntersectClipRect(canvas.DC()->m_hDC, 0, 0, 500, 300);
    table.DrawBackground(canvas.DC());
    window.DestroyWindow();
    SetWndPictureDrawing(NULL);

    // Its natural size at the screen's resolution, in the bottom-right corner.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    CRect drawn = canvas.ExtentOfOther(face);
    const int ppi = 96; // the test display's resolution
    // (the badge is drawn a little inside the logo's bounding box)
    EXPECT_NEAR(drawn.Width(), 1.2 * ppi, 0.05 * 1.2 * ppi);
    EXPECT_NEAR(drawn.Height(), 0.9 * ppi, 0.06 * 0.9 * ppi);
    EXPECT_NEAR(drawn.right, 500, 3);
    EXPECT_NEAR(drawn.bottom, 300, 3);
}

TEST(DrawInRectTest, TilingDrawsWholeTilesOrEveryTileThatMeetsTheArea)
{
    Bytes bmp = MakeBmp(10, 10, 24, {}, [](int x, int y) {
        return x == 0 && y == 0 ? Blue : Red;
    });
    CPicture picture;
    ASSERT_TRUE(LoadBytes(picture, bmp));
    // Four and a half tiles wide, one tall: the first tile is centred at
    // 17..27, whole tiles lie at 7 and 27, partial ones at -3 and 37.
    struct
    {
        int tiling;
        int corners;
        COLORREF at40;
    } cases[] = {{0, 1, White}, {1, 3, White}, {2, 4, Red}};
    for (auto& c : cases)
    {
        CCanvas canvas(60, 10, White);
        CRect area(0, 0, 45, 10);
        POINT noOffset = {0, 0};
        picture.DrawInRect(canvas.DC(), area, area, Origin, CSize(10, 10), 0, c.tiling, FALSE, noOffset);
        EXPECT_EQ(canvas.Count(Blue), c.corners) << "tiling " << c.tiling;
        EXPECT_EQ(canvas.At(40, 5), c.at40) << "tiling " << c.tiling;
        EXPECT_EQ(canvas.At(46, 5), White);
    }

    // An empty size draws nothing.
    CCanvas canvas(20, 20);
    POINT noOffset = {0, 0};
    EXPECT_FALSE(picture.DrawInRect(canvas.DC(), CRect(0, 0, 20, 20), CRect(0, 0, 20, 20), Origin, CSize(0, 5), 0, 0,
                                    FALSE, noOffset));
}
