// The guard's price of each kind of record that costs the player by the
// pixel, against the platform's player on the machine running the test:
// a picture of the record over 800 x 600, drawn bare, takes at most twice
// what the guard estimates for it.
#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/EnhRecordFields.h"
#include "output/pictures/EnhRecordWork.h"

#include "TestPictures.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{
const int Width = 800, Height = 600;

// Draws with a bitmap of the page's size selected into a memory DC.
void WithBitmap(const std::function<void(HDC source)>& draw)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), Width, Height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = NULL;
    COwnedGdiObject<HBITMAP> bitmap(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0));
    for (size_t i = 0; bits != NULL && i < (size_t)Width * Height * 3; ++i)
        ((BYTE*)bits)[i] = (BYTE)(i * 37 + i / 2400);
    COwnedDC source(::CreateCompatibleDC(NULL));
    CSelectedObject selected(source, bitmap);
    draw(source);
}

void Stretched(HDC dc, int mode)
{
    WithBitmap([dc, mode](HDC source) {
        ::SetStretchBltMode(dc, mode);
        ::StretchBlt(dc, 0, 0, Width, Height, source, 0, 0, 200, 150, SRCCOPY);
    });
}

struct PricedKind
{
    const char* name;
    std::function<void(HDC)> draw;
};

std::vector<PricedKind> PricedKinds()
{
    return {
        {"Fill",
         [](HDC dc) {
             ::Rectangle(dc, 0, 0, Width, Height);
         }},
        {"Blit",
         [](HDC dc) {
             WithBitmap([dc](HDC source) {
                 ::BitBlt(dc, 0, 0, Width, Height, source, 0, 0, SRCCOPY);
             });
         }},
        {"MaskedBlit",
         [](HDC dc) {
             COwnedGdiObject<HBITMAP> mask(::CreateBitmap(Width, Height, 1, 1, NULL));
             WithBitmap([dc, &mask](HDC source) {
                 ::MaskBlt(dc, 0, 0, Width, Height, source, 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, SRCINVERT));
             });
         }},
        {"AlphaBlit",
         [](HDC dc) {
             WithBitmap([dc](HDC source) {
                 const BLENDFUNCTION half = {AC_SRC_OVER, 0, 128, 0};
                 ::GdiAlphaBlend(dc, 0, 0, Width, Height, source, 0, 0, Width, Height, half);
             });
         }},
        {"PlainStretch",
         [](HDC dc) {
             Stretched(dc, COLORONCOLOR);
         }},
        {"HalftoneStretch",
         [](HDC dc) {
             Stretched(dc, HALFTONE);
         }},
        {"GradientTriangles",
         [](HDC dc) {
             TRIVERTEX corners[] = {{0, 0, 0xff00, 0, 0, 0},
                                    {Width, 0, 0, 0xff00, 0, 0},
                                    {Width, Height, 0, 0, 0xff00, 0},
                                    {0, Height, 0xff00, 0xff00, 0, 0}};
             GRADIENT_TRIANGLE halves[] = {{0, 1, 2}, {0, 2, 3}};
             ::GdiGradientFill(dc, corners, 4, halves, 2, GRADIENT_FILL_TRIANGLE);
         }},
        {"GlyphCopies",
         [](HDC dc) {
             CopiesOfALetter(dc, 200, 300);
         }},
    };
}

// Plays each record, summing the guard's estimates for them as the DC is
// when the player reaches them.
int CALLBACK EstimateRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int handles, LPARAM data)
{
    CDrawingState drawing(dc);
    const EnhRecordFields fields = {(const BYTE*)record};
    *(double*)data +=
        EnhRecordWork(dc, drawing, fields, EnhRecordKindOf(record->iType), false, CDeviceClip::Rectangles(dc));
    ::PlayEnhMetaFileRecord(dc, table, record, (UINT)handles);
    return TRUE;
}

class PlayerPriceTest : public ::testing::TestWithParam<PricedKind>
{
};
} // namespace

TEST_P(PlayerPriceTest, BarePlayerTakesAtMostTwiceTheEstimate)
{
    const Bytes emf = MakeEmf(FrameOfPixels(Width, Height), GetParam().draw);
    const COwnedEnhMetafile metafile(::SetEnhMetaFileBits((UINT)emf.size(), emf.data()));
    CCanvas canvas(Width, Height);
    const HDC dc = canvas.DC()->m_hDC;
    const RECT all = {0, 0, Width, Height};
    double estimate = 0;
    ::EnumEnhMetaFile(dc, metafile, EstimateRecord, &estimate, &all);
    const double bare = BareMicroseconds(emf, Width, Height);
    EXPECT_LE(bare, 2 * estimate) << GetParam().name << ": the player took " << bare << " us a draw, estimated "
                                  << estimate << " us";
}

INSTANTIATE_TEST_SUITE_P(Kinds, PlayerPriceTest, ::testing::ValuesIn(PricedKinds()),
                         [](const ::testing::TestParamInfo<PricedKind>& info) {
                             return info.param.name;
                         });
