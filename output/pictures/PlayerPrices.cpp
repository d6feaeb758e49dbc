#include "output/pictures/PlayerPrices.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <vector>

namespace
{
const int KindCount = (int)PlayerPixel::Count;
static_assert(KindCount == 8, "each kind has its figure, reference size and override below");

// The built-in figures, measured into 800 x 600 and 4800 x 3600 on the
// machine the guard was first sized on: rectangles 0.3 ns a pixel, inverted
// 0.7 ns; a gradient's triangle 26 ns; a glyph composited 0.7 ns a pixel of
// its cell; a bitmap stretched by averaging 30 ns beside the pixel's own 2,
// stretched plainly from a record's bits over 800 x 600 8-10 ns, blitted
// through a mask 35 ns (a quarter to a half as much into a destination that
// the processor's caches hold, as the reference draws are).
const double BuiltInMicroseconds[KindCount] = {0.002, 0.002, 0.03, 0.002, 0.01, 0.032, 0.028, 0.002};

// The width of each kind's reference destination, three quarters as high,
// drawn whole and a quarter as large, so that what a draw costs however
// small is not taken for its pixels'. The dear kinds are drawn smaller (a
// bitmap stretched by averaging over 128 x 96 takes 0.4 ms on a fast
// machine, 9 ms on one twenty times slower); the player's cost of a pixel
// grows as the destination outgrows the processor's caches.
const int ReferenceWidth[KindCount] = {512, 384, 128, 192, 384, 128, 128, 384};
// The reference draws' target and source bitmaps.
const int Width = 512, Height = 384;
// Copies of a letter this many pixels high composited at one place.
const int LetterHeight = 96;
const int Tries = 3;

// Stretched from bits a quarter as wide and high, as the player stretches a
// metafile's bitmap (200 x 150 over 800 x 600 plainly: from a DC 2 ns a
// pixel, from a record's bits 8-10 ns).
void Stretched(HDC dc, int mode, int width, int height)
{
    static const std::vector<BYTE> bits = [] {
        // Every pixel different from its neighbours, so that averaging has work.
        std::vector<BYTE> made((size_t)Width * Height * 3 / 16);
        for (size_t i = 0; i < made.size(); ++i)
            made[i] = (BYTE)(i * 37 + i / 601);
        return made;
    }();
    const BITMAPINFOHEADER header = {sizeof(header), width / 4, height / 4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::SetStretchBltMode(dc, mode);
    ::StretchDIBits(dc, 0, 0, width, height, 0, 0, width / 4, height / 4, bits.data(), (const BITMAPINFO*)&header,
                    DIB_RGB_COLORS, SRCCOPY);
}

// A reference draw of one kind into 'dc' from 'source' (as large), so many
// pixels across and down.
void DrawReference(PlayerPixel kind, HDC dc, HDC source, int width, int height)
{
    switch (kind)
    {
    case PlayerPixel::Fill:
        ::PatBlt(dc, 0, 0, width, height, PATINVERT);
        break;
    case PlayerPixel::Blit:
        ::BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        break;
    case PlayerPixel::MaskedBlit: {
        // The player reads the whole mask bitmap first: 2 ms for one of
        // 512 x 384 used for 64 x 48.
        COwnedGdiObject<HBITMAP> mask(::CreateBitmap(width, height, 1, 1, NULL));
        ::MaskBlt(dc, 0, 0, width, height, source, 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, SRCINVERT));
        break;
    }
    case PlayerPixel::AlphaBlit: {
        const BLENDFUNCTION half = {AC_SRC_OVER, 0, 128, 0};
        ::GdiAlphaBlend(dc, 0, 0, width, height, source, 0, 0, width, height, half);
        break;
    }
    case PlayerPixel::PlainStretch:
    case PlayerPixel::HalftoneStretch:
        Stretched(dc, kind == PlayerPixel::HalftoneStretch ? HALFTONE : COLORONCOLOR, width, height);
        break;
    case PlayerPixel::GradientTriangle: {
        TRIVERTEX corners[] = {{0, 0, 0xff00, 0, 0, 0},
                               {width, 0, 0, 0xff00, 0, 0},
                               {width, height, 0, 0, 0xff00, 0},
                               {0, height, 0xff00, 0xff00, 0, 0}};
        GRADIENT_TRIANGLE halves[] = {{0, 1, 2}, {0, 2, 3}};
        ::GdiGradientFill(dc, corners, 4, halves, 2, GRADIENT_FILL_TRIANGLE);
        break;
    }
    default: {
        // As many copies of a letter as cells of LetterHeight would fill the box.
        const int letters = width * height / (LetterHeight * LetterHeight);
        COwnedGdiObject<HFONT> font(
            ::CreateFontW(-LetterHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        CSelectedObject selected(dc, font);
        const std::vector<WCHAR> text((size_t)letters, L'W');
        const std::vector<INT> advances((size_t)letters, 0);
        ::ExtTextOutW(dc, 10, 10, 0, NULL, text.data(), (UINT)letters, advances.data());
    }
    }
}

double Seconds()
{
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

// Microseconds of the draw, the least of a few tries by the clock. Under
// this platform a thread's own time moves in steps of 10 ms, too coarse for
// draws of a millisecond; the clock is fine, and a try that other programs
// interrupted only lasts longer, so the least is the player's own speed (the
// first try, with its caches cold, is the slowest).
double LeastMicroseconds(HDC dc, HDC source, PlayerPixel kind, int width, int height)
{
    double least = std::numeric_limits<double>::infinity();
    for (int i = 0; i < Tries; ++i)
    {
        const double start = Seconds();
        DrawReference(kind, dc, source, width, height);
        ::GdiFlush();
        least = std::min(least, (Seconds() - start) * 1e6);
    }
    return least;
}

// Microseconds a pixel of the kind: what the pixels of the whole reference
// draw beyond those of the quarter cost.
double PerPixel(HDC dc, HDC source, PlayerPixel kind)
{
    const int width = ReferenceWidth[(int)kind], height = width * 3 / 4;
    const double whole = LeastMicroseconds(dc, source, kind, width, height);
    const double quarter = LeastMicroseconds(dc, source, kind, width / 2, height / 2);
    return std::max(whole - quarter, 0.0) / (width * height * 3 / 4.0);
}

struct Measurements
{
    double microseconds[KindCount];
    double milliseconds;
};

const Measurements& MeasuredOnce()
{
    static const Measurements once = [] {
        const double start = Seconds();
        Measurements measured = {};
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(info.bmiHeader), Width, Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = NULL;
        COwnedDC dc(::CreateCompatibleDC(NULL)), source(::CreateCompatibleDC(NULL));
        COwnedGdiObject<HBITMAP> target(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0));
        info.bmiHeader.biBitCount = 24;
        void* sourceBits = NULL;
        COwnedGdiObject<HBITMAP> picture(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &sourceBits, NULL, 0));
        if (!dc || !source || !target || !picture)
            return measured;
        // Every pixel different from its neighbours, so that averaging has work.
        for (size_t i = 0; i < (size_t)Width * Height * 3; ++i)
            ((BYTE*)sourceBits)[i] = (BYTE)(i * 37 + i / 1536);
        CSelectedObject selectedTarget(dc, target), selectedPicture(source, picture);
        for (int kind = 0; kind < KindCount; ++kind)
            measured.microseconds[kind] = PerPixel(dc, source, (PlayerPixel)kind);
        measured.milliseconds = (Seconds() - start) * 1000;
        return measured;
    }();
    return once;
}

// A test's measurement in place of this machine's; negative: none.
std::atomic<double> overrides[KindCount] = {{-1}, {-1}, {-1}, {-1}, {-1}, {-1}, {-1}, {-1}};
} // namespace

double CPlayerPrices::BuiltIn(PlayerPixel kind)
{
    return BuiltInMicroseconds[(int)kind];
}

double CPlayerPrices::Measured(PlayerPixel kind)
{
    const double given = overrides[(int)kind];
    return given >= 0 ? given : MeasuredOnce().microseconds[(int)kind];
}

double CPlayerPrices::Of(PlayerPixel kind)
{
    return std::max(BuiltIn(kind), Measured(kind));
}

double CPlayerPrices::MeasuringMilliseconds()
{
    return MeasuredOnce().milliseconds;
}

CPlayerPrices::CScopedMeasurement::CScopedMeasurement(PlayerPixel kind, double microseconds)
    : m_kind(kind), m_outer(overrides[(int)kind])
{
    overrides[(int)kind] = microseconds;
}

CPlayerPrices::CScopedMeasurement::~CScopedMeasurement()
{
    overrides[(int)m_kind] = m_outer;
}
