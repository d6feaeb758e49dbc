#include "output/pictures/MetafileCheck.h"

#include "foundation/files/LittleEndian.h"

#include <cstring>

namespace
{
const DWORD MetaHeaderBytes = 18;

// The parameters of one record as 16-bit words.
struct Record
{
    const BYTE* params;
    DWORD count;

    WORD operator[](DWORD i) const { return ReadLittleEndianWord(params + 2 * i); }
};

// Parameters that the player reads from fixed places of each record kind.
DWORD FixedParameters(WORD function)
{
    switch (function)
    {
    case META_SETBKCOLOR:
    case META_SETTEXTCOLOR:
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_OFFSETWINDOWORG:
    case META_OFFSETVIEWPORTORG:
    case META_LINETO:
    case META_MOVETO:
    case META_SETTEXTJUSTIFICATION:
    case META_SETMAPPERFLAGS:
    case META_OFFSETCLIPRGN:
        return 2;
    case META_SETPIXEL:
    case META_FLOODFILL:
        return 4;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
    case META_RECTANGLE:
    case META_ELLIPSE:
    case META_EXCLUDECLIPRECT:
    case META_INTERSECTCLIPRECT:
        return 4;
    case META_EXTFLOODFILL:
        return 5;
    case META_ROUNDRECT:
    case META_PATBLT:
        return 6;
    case META_ARC:
    case META_CHORD:
    case META_PIE:
        return 8;
    case META_CREATEPENINDIRECT:
        return 5;
    case META_CREATEBRUSHINDIRECT:
        return 4;
    case META_CREATEFONTINDIRECT:
        return 9;
    case META_SETBKMODE:
    case META_SETMAPMODE:
    case META_SETROP2:
    case META_SETRELABS:
    case META_SETPOLYFILLMODE:
    case META_SETSTRETCHBLTMODE:
    case META_SETTEXTCHAREXTRA:
    case META_SETTEXTALIGN:
    case META_RESTOREDC:
    case META_SELECTOBJECT:
    case META_DELETEOBJECT:
    case META_SELECTPALETTE:
    case META_SELECTCLIPREGION:
    case META_INVERTREGION:
    case META_PAINTREGION:
    case META_RESIZEPALETTE:
        return 1;
    case META_FILLREGION:
        return 2;
    case META_FRAMEREGION:
        return 4;
    default:
        return 0;
    }
}

// A BITMAPINFO and its pixels from word 'first' to the record's end. Its
// colour table holds colours, or with DIB_PAL_COLORS 16-bit indexes into the
// selected palette.
BOOL IsDibSound(const Record& r, DWORD first, DWORD usage = DIB_RGB_COLORS)
{
    const bool paletteIndexes = usage == DIB_PAL_COLORS;
    if (first > r.count)
        return FALSE;
    const unsigned long long bytes = 2ull * (r.count - first);
    const BYTE* dib = r.params + 2 * first;
    if (bytes < sizeof(BITMAPCOREHEADER))
        return FALSE;
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
            return FALSE;
        BITMAPINFOHEADER info;
        std::memcpy(&info, dib, sizeof(info));
        if (info.biWidth <= 0 || info.biHeight == 0 || info.biHeight < -0x7FFFFFFF || info.biPlanes != 1)
            return FALSE;
        width = (unsigned long long)info.biWidth;
        height = (unsigned long long)(info.biHeight < 0 ? -(long long)info.biHeight : info.biHeight);
        bits = info.biBitCount;
        unsigned long long entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? (1ull << bits) : 0;
        if (entries > 256)
            return FALSE;
        colours =
            (paletteIndexes ? 2 : 4) * entries + (info.biCompression == BI_BITFIELDS && headerSize == 40 ? 12 : 0);
        image = ((width * bits + 31) / 32) * 4 * height;
        if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS)
            image = info.biSizeImage;
        colours += headerSize;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return FALSE;
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
BOOL IsStoredBitmap16Sound(const Record& r, DWORD first, DWORD gap = 0)
{
    const DWORD bits = first + 5 + gap;
    if (bits > r.count)
        return FALSE;
    const unsigned long long image = (unsigned long long)r[first + 3] * r[first + 2] * (r[first + 4] & 0xFF);
    return image <= 2ull * (r.count - bits);
}

// A blit's bitmap as this platform's player reads it from word 'first' of
// what follows in the metafile ('rest'): width, height, bytes a row,
// planes, bits a pixel, a word each, then the bits; it reads them whatever
// the record's size says.
BOOL IsPlayedBitmap16Sound(const Record& rest, DWORD first)
{
    if (first + 5 > rest.count)
        return FALSE;
    return Bitmap16Bytes(rest[first], rest[first + 1], rest[first + 3], rest[first + 4]) <=
           2ull * (rest.count - first - 5);
}

BOOL IsRegionSound(const Record& r)
{
    // next, type, count (two words), size, scan count, largest scan, bounds
    // (four words): the scans begin at word 11
    if (r.count < 11)
        return FALSE;
    DWORD at = 11;
    for (DWORD scan = 0; scan < r[5]; ++scan)
    {
        if (at + 3 > r.count)
            return FALSE;
        const DWORD coordinates = r[at];
        if (coordinates % 2 != 0 || at + 3 + coordinates + 1 > r.count)
            return FALSE;
        at += 3 + coordinates + 1;
    }
    return TRUE;
}

// 'rest' is the record's parameters on to the metafile's end.
BOOL IsRecordSound(WORD function, const Record& r, const Record& rest, DWORD objects)
{
    if (r.count < FixedParameters(function))
        return FALSE;
    switch (function)
    {
    case META_SELECTOBJECT:
    case META_DELETEOBJECT:
    case META_SELECTPALETTE:
        return r[0] < objects;
    case META_SELECTCLIPREGION:
        return r[0] == 0 || r[0] < objects;
    case META_INVERTREGION:
    case META_PAINTREGION:
        return r[0] < objects;
    case META_FILLREGION:
        return r[0] < objects && r[1] < objects;
    // The format stores the region and the brush first, this platform's
    // recorder and player last (the frame's size first); the player's
    // reading is checked as it draws (PlayMetafileGuarded).
    case META_FRAMEREGION:
        return (r[0] < objects && r[1] < objects) || (r[2] < objects && r[3] < objects);
    case META_POLYGON:
    case META_POLYLINE:
        return r.count >= 1 && 1 + 2ull * r[0] <= r.count;
    case META_POLYPOLYGON: {
        if (r.count < 1 || 1ull + r[0] > r.count)
            return FALSE;
        unsigned long long points = 0;
        for (DWORD i = 0; i < r[0]; ++i)
            points += r[1 + i];
        return 1ull + r[0] + 2 * points <= r.count;
    }
    case META_TEXTOUT:
        return r.count >= 1 && 1ull + (r[0] + 1) / 2 + 2 <= r.count;
    case META_EXTTEXTOUT: {
        if (r.count < 4)
            return FALSE;
        const unsigned long long rect = (r[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
        return 4 + rect + (r[2] + 1ull) / 2 <= r.count;
    }
    case META_CREATEPALETTE:
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE:
        return r.count >= 2 && 2 + 2ull * r[1] <= r.count;
    case META_ESCAPE:
        return r.count >= 2 && 2 + (r[1] + 1ull) / 2 <= r.count;
    case META_CREATEREGION:
        return IsRegionSound(r);
    case META_DIBCREATEPATTERNBRUSH:
        // The pattern is a device-independent bitmap whatever the style
        // (BS_PATTERN included): the player reads it as one, with a table
        // of colours for BS_PATTERN whatever the usage says.
        return r.count >= 2 && IsDibSound(r, 2, r[0] == BS_PATTERN ? DIB_RGB_COLORS : r[1]);
    case META_CREATEPATTERNBRUSH:
        return IsStoredBitmap16Sound(r, 0, 9);
    case META_DIBBITBLT:
        return r.count == 9 || (r.count >= 8 && IsDibSound(r, 8));
    case META_DIBSTRETCHBLT:
        return r.count == 11 || (r.count >= 10 && IsDibSound(r, 10));
    case META_STRETCHDIB:
        return r.count >= 11 && IsDibSound(r, 11, r[2]);
    case META_SETDIBTODEV:
        return r.count >= 9 && IsDibSound(r, 9, r[0]);
    case META_BITBLT:
        return (r.count == 9 || IsStoredBitmap16Sound(r, 8)) && IsPlayedBitmap16Sound(rest, 7);
    case META_STRETCHBLT:
        return (r.count == 11 || IsStoredBitmap16Sound(r, 10)) && IsPlayedBitmap16Sound(rest, 10);
    default:
        return TRUE;
    }
}
} // namespace

BOOL IsMetafileSound(const BYTE* metafile, DWORD size)
{
    if (size < MetaHeaderBytes)
        return FALSE;
    METAHEADER header;
    std::memcpy(&header, metafile, MetaHeaderBytes);
    DWORD offset = MetaHeaderBytes;
    while (offset < size)
    {
        if (size - offset < 6)
            return FALSE;
        const BYTE* record = metafile + offset;
        const DWORD words = ReadLittleEndianDword(record);
        if (words < 3 || words > (size - offset) / 2)
            return FALSE;
        const WORD function = ReadLittleEndianWord(record + 4);
        if (function == 0)
            return TRUE;
        const Record parameters = {record + 6, words - 3};
        const Record rest = {record + 6, (size - offset - 6) / 2};
        if (!IsRecordSound(function, parameters, rest, header.mtNoObjects))
            return FALSE;
        offset += words * 2;
    }
    return TRUE;
}
