// A metafile's own clip records cannot take its drawing outside its place:
// a clip region copied from none or from a region larger than the picture,
// none selected, or changed between a saved state and its restore, drawn
// into the middle of a larger surface, first and on a repaint and through a
// DC of its own mapping. The guard reads the clip that holds the picture
// where the DC keeps it, in its meta region.
#include "output/pictures/DeviceClip.h"
#include "output/pictures/DeviceMapping.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace
{
const COLORREF Ground = RGB(0, 128, 96);
const int Width = 800, Height = 600;
// The picture's place, 400 x 300 in the middle of the surface.
const CRect Place(200, 150, 600, 450);

const DWORD Far = 5000;

Bytes EmfWith(const EmfRecords& records)
{
    return EmfOfRecords(FrameOfPixels(80, 60), records, 1);
}

// A clip record of the mode and one rectangle from -Far to Far.
Fields FarRegion(DWORD mode)
{
    const RECT reach = {-(LONG)Far, -(LONG)Far, (LONG)Far, (LONG)Far};
    return RegionRecord({}, {mode}, RegionData({reach, {reach}}));
}

const Fields FarBox = {(DWORD) - (int)Far, (DWORD) - (int)Far, Far, Far};

struct PlacedPicture
{
    std::string name;
    std::function<Bytes()> make;
};

const PlacedPicture Pictures[] = {
    {"ClipCopiedFromNone",
     [] {
         return EmfWith({{EMR_EXTSELECTCLIPRGN, {0, RGN_COPY}}, {EMR_RECTANGLE, FarBox}});
     }},
    {"ClipCopiedFromRegionLargerThanThePicture",
     [] {
         return EmfWith({{EMR_EXTSELECTCLIPRGN, FarRegion(RGN_COPY)}, {EMR_RECTANGLE, FarBox}});
     }},
    {"ClipChangedBetweenSaveAndRestore",
     [] {
         return EmfWith({{EMR_SAVEDC, {}},
                         {EMR_EXTSELECTCLIPRGN, FarRegion(RGN_OR)},
                         {EMR_SETMETARGN, {}},
                         {EMR_RECTANGLE, FarBox},
                         {EMR_RESTOREDC, {(DWORD)-1}},
                         {EMR_RESTOREDC, {(DWORD)-1}},
                         {EMR_EXTSELECTCLIPRGN, {0, RGN_COPY}},
                         {EMR_RECTANGLE, FarBox}});
     }},
    {"PlacedWithNoClipRegionSelected",
     [] {
         const WORD beyond = (WORD)Far, minus = (WORD) - (int)Far;
         return WmfOfRecords(64, 48, {{META_SELECTCLIPREGION, {0}}, {META_RECTANGLE, {beyond, beyond, minus, minus}}});
     }},
};

void PrintTo(const PlacedPicture& picture, std::ostream* out)
{
    *out << picture.name;
}

class PictureInPlaceTest : public ::testing::TestWithParam<PlacedPicture>
{
};

// A rectangle as left, top, right, bottom.
std::string Corners(const CRect& rect)
{
    return std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", " +
           std::to_string(rect.bottom);
}
} // namespace

// The picture covers its place and nothing else, first and on a repaint,
// and where the DC maps two logical units to a pixel (a print preview's
// mapping).
TEST_P(PictureInPlaceTest, PaintsOnlyItsPlace)
{
    const Bytes bytes = GetParam().make();
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)));
    const CRect all(0, 0, Width, Height);
    for (const char* draw : {"first", "repaint"})
    {
        CCanvas canvas(Width, Height, Ground);
        picture.Draw(canvas.DC(), Place, all, CPoint(0, 0));
        EXPECT_EQ(Corners(canvas.ExtentOfOther(Ground)), Corners(Place)) << draw;
    }
    CCanvas mapped(Width, Height, Ground);
    const HDC dc = mapped.DC()->m_hDC;
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 2, 2, NULL);
    ::SetViewportExtEx(dc, 1, 1, NULL);
    const CRect doubled(2 * Place.left, 2 * Place.top, 2 * Place.right, 2 * Place.bottom);
    picture.Draw(mapped.DC(), doubled, CRect(0, 0, 2 * Width, 2 * Height), CPoint(0, 0));
    EXPECT_EQ(Corners(mapped.ExtentOfOther(Ground)), Corners(Place)) << "mapped";
}

INSTANTIATE_TEST_SUITE_P(Kinds, PictureInPlaceTest, ::testing::ValuesIn(Pictures),
                         [](const ::testing::TestParamInfo<PlacedPicture>& info) {
                             return info.param.name;
                         });

// A clip that a picture made its meta region (as the place is) still
// counts: its rectangles, and its box in what a record can cover.
TEST(PictureInPlaceTest, ClipHeldInTheMetaRegionIsRead)
{
    CCanvas canvas(Width, Height, Ground);
    const HDC dc = canvas.DC()->m_hDC;
    const COwnedGdiObject<HRGN> stripes(::CreateRectRgn(0, 0, 0, 0));
    for (int i = 0; i < 50; ++i)
    {
        const COwnedGdiObject<HRGN> stripe(::CreateRectRgn(Place.left, Place.top + 2 * i, Place.right,
                                                           Place.top + 2 * i + 1));
        ::CombineRgn(stripes, stripes, stripe, RGN_OR);
    }
    ::SelectClipRgn(dc, stripes);
    ::SetMetaRgn(dc);
    EXPECT_EQ(CDeviceClip::Rectangles(dc), 50);
    const CDeviceMapping mapping(dc);
    EXPECT_EQ(CDeviceClip(dc, mapping).Area(), 400.0 * 99);
    ::IntersectClipRect(dc, 0, 0, Width, Height);
    EXPECT_EQ(CDeviceClip::Rectangles(dc), 51) << "with a clip region besides";
}
