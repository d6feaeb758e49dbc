#include "foundation/files/BitmapResource.h"
#include "foundation/files/ErrorText.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"

#include <gtest/gtest.h>

#include <string.h>
#include <vector>

namespace
{
    // A packed 4-bit DIB of 4 x 1 pixels using colour-table entries 0 to 3.
    std::vector<BYTE> MakeDib(const DWORD colours[4])
    {
        std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + 16 * 4 + 4, 0);
        BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)&dib[0];
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = 4;
        header->biHeight = 1;
        header->biPlanes = 1;
        header->biBitCount = 4;
        header->biCompression = BI_RGB;
        memcpy(&dib[sizeof(BITMAPINFOHEADER)], colours, 4 * sizeof(DWORD));
        BYTE* bits = &dib[sizeof(BITMAPINFOHEADER) + 64];
        bits[0] = 0x01;
        bits[1] = 0x23;
        return dib;
    }

    COLORREF PixelOf(HBITMAP bitmap, int x)
    {
        COwnedDC dc(::CreateCompatibleDC(NULL));
        CSelectedObject selected(dc, bitmap);
        return ::GetPixel(dc, x, 0);
    }
}

TEST(BitmapResourceTest, MappedColoursTakeTheSystemColours)
{
    LoadSystemColours();
    const DWORD black = 0x000000, grey = 0x808080, white = 0xFFFFFF, other = 0x0000FF;
    const DWORD colours[4] = {black, grey, white, other};
    std::vector<BYTE> dib = MakeDib(colours);
    const SystemColourMapEntry map[] = {
        {black, COLOR_BTNTEXT}, {grey, COLOR_BTNSHADOW}, {white, COLOR_BTNHIGHLIGHT}, {black, COLOR_HIGHLIGHT},
    };
    COwnedGdiObject<HBITMAP> bitmap(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size(), map, 4));
    ASSERT_NE(bitmap.Get(), (HBITMAP)NULL);
    HDC screen = ::GetDC(NULL);
    COLORREF expected[4] = {::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNSHADOW),
                            ::GetSysColor(COLOR_BTNHIGHLIGHT), RGB(0, 0, 255)};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PixelOf(bitmap, x), ::GetNearestColor(screen, expected[x])) << x;
    ::ReleaseDC(NULL, screen);
}

TEST(BitmapResourceTest, HeadersThatDoNotFitAreRefused)
{
    const DWORD colours[4] = {0, 0, 0, 0};
    std::vector<BYTE> dib = MakeDib(colours);
    BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)&dib[0];
    EXPECT_EQ(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size() - 1, NULL, 0), (HBITMAP)NULL);
    EXPECT_EQ(CreateColourMappedBitmap(&dib[0], 20, NULL, 0), (HBITMAP)NULL);
    header->biHeight = 1000;
    EXPECT_EQ(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size(), NULL, 0), (HBITMAP)NULL);
    header->biHeight = 1;
    header->biBitCount = 8;
    EXPECT_EQ(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size(), NULL, 0), (HBITMAP)NULL);
    header->biBitCount = 4;
    header->biSize = 12;
    EXPECT_EQ(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size(), NULL, 0), (HBITMAP)NULL);
    header->biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_NE(COwnedGdiObject<HBITMAP>(CreateColourMappedBitmap(&dib[0], (DWORD)dib.size(), NULL, 0)).Get(),
              (HBITMAP)NULL);
    EXPECT_EQ(LoadBitmapResource(4321, NULL, 0), (HBITMAP)NULL);
}

TEST(ErrorTextTest, TheFormattedTextIsThrown)
{
    try
    {
        ThrowErrorText("jpeg load failed: %s (%d)", "bad marker", 3);
        FAIL() << "nothing thrown";
    }
    catch (const CString& text)
    {
        EXPECT_STREQ(text, "jpeg load failed: bad marker (3)");
    }
}
