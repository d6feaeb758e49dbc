#include "output/pictures/WmfRecordChecks.h"

#include <cstring>

namespace
{
// A BITMAPINFO and its pixels from word 'first' to the record's end. Its
// colour table holds colours, or with DIB_PAL_COLORS 16-bit indexes into the
// selected palette.
bool IsDibSound(const WmfParameters& r, DWORD first, DWORD usage = DIB_RGB_COLORS)
{
    const bool paletteIndexes = usage == DIB_PAL_COLORS;
    if (first > r.count)
        return false;
    const unsigned long long bytes = 2ull * (r.count - first);
    const BYTE* dib = r.bytes + 2 * first;
    if (bytes < sizeof(BITMAPCOREHEADER))
        return false;
    DWORD headerSize;
    std::memcpy(&headerSize, dib, 4);
    unsigned long long width, height, bits, colours, image;
    if (headerSize == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        std::memcpy(&core, dib, sizeof(core));
        width = core.bcWidth;
        height = core.bcHeight;
        bits = (unsigned long long)core.bcBitCount * core.bcPlanes;
        colours = bits <= 8 ? ((paletteIndexes ? 2ull : 3ull) << bits) : 0;
        image = ((width * bits + 31) / 32) * 4 * height;
    }
    else
    {
        if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > bytes)
            return false;
        BITMAPINFOHEADER info;
        std::memcpy(&info, dib, sizeof(info));
        if (info.biWidth <= 0 || info.biHeight == 0 || info.biHeight < -0x7FFFFFFF || info.biPlanes != 1)
            return false;
        width = (unsigned long long)info.biWidth;
        height = (unsigned long long)(info.biHeight < 0 ? -(long long)info.biHeight : info.biHeight);
        bits = info.biBitCount;
        unsigned long long entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? (1ull << bits) : 0;
        if (entries > 256)
            return false;
        colours =
            (paletteIndexes ? 2 : 4) * entries + (info.biCompression == BI_BITFIELDS && headerSize == 40 ? 12 : 0);
        image = ((width * bits + 31) / 32) * 4 * height;
        if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS)
            image = info.biSizeImage;
        colours += headerSize;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (headerSize == sizeof(BITMAPCOREHEADER))
        colours += headerSize;
    return colours <= bytes && image <= bytes - colours;
}

// The bits a bitmap of the given size takes, its rows whole words as the
// player makes them; 0 for a bitmap the player refuses to make (planes
// other than one, more than 32 bits a pixel).
unsigned long long Bitmap16Bytes(WORD width, WORD height, WORD planes, WORD bitsPerPixel)
{
    if (planes != 1 || bitsPerPixel > 32)
        return 0;
    const unsigned long long rounded = bitsPerPixel <= 1    ? 1
                                       : bitsPerPixel <= 4  ? 4
                                       : bitsPerPixel <= 8  ? 8
                                       : bitsPerPixel <= 16 ? 16
                                       : bitsPerPixel <= 24 ? 24
                                                            : 32;
    return (width * rounded + 15) / 16 * 2 * height;
}

// A bitmap as the format stores it from word 'first' (type, width, height,
// bytes a row, planes and bits a pixel in one word, then 'gap' words, then
// the bits), inside the record.
bool IsStoredBitmap16Sound(const WmfParameters& r, DWORD first, DWORD gap = 0)
{
    const DWORD bits = first + 5 + gap;
    if (bits > r.count)
        return false;
    const unsigned long long image = (unsigned long long)r[first + 3] * r[first + 2] * (r[first + 4] & 0xFF);
    return image <= 2ull * (r.count - bits);
}

// A blit's bitmap as this platform's player reads it from word 'first' of
// what follows in the metafile ('rest'): width, height, bytes a row,
// planes, bits a pixel, a word each, then the bits; it reads them whatever
// the record's size says.
bool IsPlayedBitmap16Sound(const WmfParameters& rest, DWORD first)
{
    if (first + 5 > rest.count)
        return false;
    return Bitmap16Bytes(rest[first], rest[first + 1], rest[first + 3], rest[first + 4]) <=
           2ull * (rest.count - first - 5);
}
} // namespace

bool NamesWmfObjects(const WmfCheckedRecord& r, DWORD first, DWORD count)
{
    for (DWORD i = first; i < first + count; ++i)
        if (r.p[i] >= r.objects)
            return false;
    return true;
}

// Object 0 where it names no region: the clip goes.
bool NamesWmfClipRegion(const WmfCheckedRecord& r)
{
    return r.p[0] == 0 || NamesWmfObjects(r, 0, 1);
}

// The format stores the region and the brush first, this platform's
// recorder and player last (the frame's size first); the player's reading is
// checked as it draws (PlayMetafileGuarded).
bool FramesWmfRegion(const WmfCheckedRecord& r)
{
    return NamesWmfObjects(r, 0, 2) || NamesWmfObjects(r, 2, 2);
}

bool HasWmfItems(const WmfCheckedRecord& r, DWORD countAt, DWORD bytesEach, DWORD after)
{
    return countAt + 1 + after + (bytesEach * (unsigned long long)r.p[countAt] + 1) / 2 <= r.p.count;
}

bool HasWmfPolygons(const WmfCheckedRecord& r)
{
    if (1ull + r.p[0] > r.p.count)
        return false;
    unsigned long long points = 0;
    for (DWORD i = 0; i < r.p[0]; ++i)
        points += r.p[1 + i];
    return 1ull + r.p[0] + 2 * points <= r.p.count;
}

bool HasWmfExtText(const WmfCheckedRecord& r)
{
    const WmfText text = r.p.Text(true);
    return text.at + (text.count + 1ull) / 2 <= r.p.count;
}

// The scans follow next, type, count (two words), size, scan count, largest
// scan and bounds (four words).
bool HasWmfRegion(const WmfCheckedRecord& r)
{
    DWORD at = 11;
    for (DWORD scan = 0; scan < r.p[5]; ++scan)
    {
        if (at + 3 > r.p.count)
            return false;
        const DWORD coordinates = r.p[at];
        if (coordinates % 2 != 0 || at + 3 + coordinates + 1 > r.p.count)
            return false;
        at += 3 + coordinates + 1;
    }
    return true;
}

// The pattern is a device-independent bitmap whatever the style (BS_PATTERN
// included): the player reads it as one, with a table of colours for
// BS_PATTERN whatever the usage says.
bool HasWmfPatternDib(const WmfCheckedRecord& r)
{
    return IsDibSound(r.p, 2, r.p[0] == BS_PATTERN ? DIB_RGB_COLORS : r.p[1]);
}

bool HasWmfPatternBitmap(const WmfCheckedRecord& r)
{
    return IsStoredBitmap16Sound(r.p, 0, 9);
}

bool HasWmfDib(const WmfCheckedRecord& r, DWORD first, DWORD usageAt)
{
    return IsDibSound(r.p, first, r.p[usageAt]);
}

bool HasWmfBlitDib(const WmfCheckedRecord& r, DWORD first)
{
    return r.p.count == first + 1 || IsDibSound(r.p, first);
}

bool HasWmfBitmap16(const WmfCheckedRecord& r, DWORD stored, DWORD played)
{
    return (r.p.count == stored + 1 || IsStoredBitmap16Sound(r.p, stored)) && IsPlayedBitmap16Sound(r.rest, played);
}
