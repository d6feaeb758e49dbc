// A metafile drawn into a DC of its own mapping, as a print preview zooms,
// covers the device pixels the destination maps to, as the platform's player
// draws it there.
#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// An ellipse over 200 x 150 pixels and a square in its bottom right corner.
void Drawing(HDC dc)
{
    COwnedGdiObject<HBRUSH> green(::CreateSolidBrush(RGB(0, 150, 0)));
    CSelectedObject selected(dc, green);
    ::Ellipse(dc, 0, 0, 200, 150);
    ::Rectangle(dc, 180, 130, 200, 150);
}

// Two device pixels a logical unit.
void Zoom(HDC dc)
{
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 1, 1, NULL);
    ::SetViewportExtEx(dc, 2, 2, NULL);
}

void Draw(const Bytes& bytes, CCanvas& canvas, const CRect& destination)
{
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)));
    picture.Draw(canvas.DC(), destination, destination, CPoint(0, 0));
}
} // namespace

// Into 200 x 150 units zoomed twice, each kind of metafile draws what it
// draws into 400 x 300 pixels unzoomed (the player's own pixels for an
// enhanced metafile): the clip and a placed metafile's viewport are on the
// device.
TEST(MappedDrawingTest, AMetafileDrawnThroughAZoomCoversTheDevicePixelsOfItsDestination)
{
    const Bytes emf = MakeEmf(FrameOfPixels(200, 150), Drawing);
    const Bytes wmf = MakePlaceableWmf(200, 150, 96, Drawing);
    for (const Bytes* bytes : {&emf, &wmf})
    {
        SCOPED_TRACE(bytes == &emf ? "enhanced" : "placed");
        CCanvas zoomed(400, 300), plain(400, 300);
        Zoom(zoomed.DC()->m_hDC);
        Draw(*bytes, zoomed, CRect(0, 0, 200, 150));
        if (bytes == &emf)
        {
            Zoom(plain.DC()->m_hDC);
            const COwnedEnhMetafile metafile(::SetEnhMetaFileBits((UINT)emf.size(), emf.data()));
            const RECT units = {0, 0, 200, 150};
            ::PlayEnhMetaFile(plain.DC()->m_hDC, metafile, &units);
        }
        else
            Draw(*bytes, plain, CRect(0, 0, 400, 300));
        EXPECT_EQ(zoomed.At(390, 290), RGB(0, 150, 0)) << "the bottom right corner is not drawn";
        EXPECT_TRUE(SamePixels(zoomed, plain));
    }
}
