#include "output/pictures/EnhMetafileCheck.h"

#include "foundation/files/LittleEndian.h"

#include <cstddef>
#include <cstring>

namespace
{
struct Record
{
    const BYTE* data;
    DWORD size;

    DWORD At(DWORD offset) const
    {
        if (offset + 4 > size)
            return 0xFFFFFFFF;
        DWORD value;
        std::memcpy(&value, data + offset, 4);
        return value;
    }
    WORD WordAt(DWORD offset) const
    {
        return offset + 2 > size ? 0xFFFF : (WORD)(data[offset] | (data[offset + 1] << 8));
    }
    // A block of 'count' items of 'item' bytes at 'offset' lies inside.
    bool Holds(unsigned long long offset, unsigned long long count, unsigned long long item = 1) const
    {
        return offset <= size && count * item <= size - offset;
    }
};

// The fixed part of each record kind, as the player reads it.
DWORD MinimumSize(DWORD type)
{
    switch (type)
    {
    case EMR_HEADER:
        return 88;
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16:
        return 28;
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16:
        return 32;
    case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTEXTEX:
    case EMR_SETVIEWPORTORGEX:
    case EMR_SETBRUSHORGEX:
    case EMR_OFFSETCLIPRGN:
    case EMR_MOVETOEX:
    case EMR_LINETO:
        return 16;
    case EMR_EOF:
    case EMR_SETPIXELV:
        return 20;
    case EMR_SETMAPPERFLAGS:
    case EMR_SETMAPMODE:
    case EMR_SETBKMODE:
    case EMR_SETPOLYFILLMODE:
    case EMR_SETROP2:
    case EMR_SETSTRETCHBLTMODE:
    case EMR_SETTEXTALIGN:
    case EMR_SETTEXTCOLOR:
    case EMR_SETBKCOLOR:
    case EMR_RESTOREDC:
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
    case EMR_SELECTPALETTE:
    case EMR_SETARCDIRECTION:
    case EMR_SETMITERLIMIT:
    case EMR_SELECTCLIPPATH:
    case EMR_GDICOMMENT:
    case EMR_SETICMMODE:
    case EMR_SETCOLORSPACE:
    case EMR_DELETECOLORSPACE:
    case EMR_SETLAYOUT:
        return 12;
    case EMR_SETCOLORADJUSTMENT:
        return sizeof(EMRSETCOLORADJUSTMENT);
    case EMR_EXCLUDECLIPRECT:
    case EMR_INTERSECTCLIPRECT:
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX:
    case EMR_ELLIPSE:
    case EMR_RECTANGLE:
    case EMR_FILLPATH:
    case EMR_STROKEANDFILLPATH:
    case EMR_STROKEPATH:
    case EMR_COLORCORRECTPALETTE:
        return 24;
    case EMR_SETWORLDTRANSFORM:
        return sizeof(EMRSETWORLDTRANSFORM);
    case EMR_MODIFYWORLDTRANSFORM:
        return sizeof(EMRMODIFYWORLDTRANSFORM);
    case EMR_CREATEPEN:
        return sizeof(EMRCREATEPEN);
    case EMR_CREATEBRUSHINDIRECT:
        return sizeof(EMRCREATEBRUSHINDIRECT);
    case EMR_ANGLEARC:
        return sizeof(EMRANGLEARC);
    case EMR_ROUNDRECT:
        return sizeof(EMRROUNDRECT);
    case EMR_ARC:
    case EMR_CHORD:
    case EMR_PIE:
    case EMR_ARCTO:
        return sizeof(EMRARC);
    case EMR_CREATEPALETTE:
        return 16;
    case EMR_SETPALETTEENTRIES:
        return 20;
    case EMR_RESIZEPALETTE:
        return sizeof(EMRRESIZEPALETTE);
    case EMR_EXTFLOODFILL:
        return sizeof(EMREXTFLOODFILL);
    case EMR_FILLRGN:
        return 32;
    case EMR_FRAMERGN:
        return 40;
    case EMR_INVERTRGN:
    case EMR_PAINTRGN:
        return 28;
    case EMR_EXTSELECTCLIPRGN:
        return 16;
    case EMR_BITBLT:
        return sizeof(EMRBITBLT);
    case EMR_STRETCHBLT:
        return sizeof(EMRSTRETCHBLT);
    case EMR_MASKBLT:
        return sizeof(EMRMASKBLT);
    case EMR_PLGBLT:
        return sizeof(EMRPLGBLT);
    case EMR_SETDIBITSTODEVICE:
        return sizeof(EMRSETDIBITSTODEVICE);
    case EMR_STRETCHDIBITS:
        return sizeof(EMRSTRETCHDIBITS);
    case EMR_EXTCREATEFONTINDIRECTW:
        return 12 + sizeof(LOGFONTW);
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        return sizeof(EMREXTTEXTOUTA);
    case EMR_CREATEMONOBRUSH:
        return sizeof(EMRCREATEMONOBRUSH);
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return sizeof(EMRCREATEDIBPATTERNBRUSHPT);
    case EMR_EXTCREATEPEN:
        return offsetof(EMREXTCREATEPEN, elp.elpStyleEntry);
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW:
        return offsetof(EMRPOLYTEXTOUTA, aemrtext);
    case EMR_CREATECOLORSPACE:
        return sizeof(EMRCREATECOLORSPACE);
    case EMR_CREATECOLORSPACEW:
        return offsetof(EMRCREATECOLORSPACEW, Data);
    case EMR_PIXELFORMAT:
        return sizeof(EMRPIXELFORMAT);
    case EMR_SETICMPROFILEA:
    case EMR_SETICMPROFILEW:
    case EMR_COLORMATCHTOTARGETW:
        return 20;
    case EMR_ALPHABLEND:
        return sizeof(EMRALPHABLEND);
    case EMR_TRANSPARENTBLT:
        return sizeof(EMRTRANSPARENTBLT);
    case EMR_GRADIENTFILL:
        return offsetof(EMRGRADIENTFILL, Ver);
    default:
        return 8;
    }
}

bool IsObjectIndex(DWORD index, DWORD handles, bool stockAllowed)
{
    if (stockAllowed && (index & 0x80000000) != 0)
        return true;
    return index >= 1 && index < handles;
}

// A bitmap's usage that has no colour table at all (DIB_PAL_INDICES).
const DWORD PaletteIndices = 2;

// When the player reads a record's bitmap: always, or only when its header
// offset is not 0 (a blit without a source, a pen without a pattern).
enum BitmapUse
{
    BitmapAlwaysRead,
    BitmapReadWhenPlaced,
};

// A BITMAPINFO of cbBmi bytes and pixels of cbBits bytes, at their offsets.
// The player reads the header at offBmi whatever cbBmi says, so a record
// whose bitmap is read must hold a whole one; 'withTable' is false for
// palette-index bitmaps, which have no colour table.
bool IsBitmapSound(const Record& r, DWORD offsetsAt, BitmapUse use = BitmapAlwaysRead, bool withTable = true)
{
    const DWORD offBmi = r.At(offsetsAt), cbBmi = r.At(offsetsAt + 4);
    const DWORD offBits = r.At(offsetsAt + 8), cbBits = r.At(offsetsAt + 12);
    if (use == BitmapReadWhenPlaced && offBmi == 0)
        return true;
    if (!r.Holds(offBmi, cbBmi) || !r.Holds(offBits, cbBits) || cbBmi < sizeof(BITMAPCOREHEADER))
        return false;
    const BYTE* info = r.data + offBmi;
    DWORD headerSize;
    std::memcpy(&headerSize, info, 4);
    if (headerSize == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        std::memcpy(&core, info, sizeof(core));
        unsigned long long bits = core.bcBitCount;
        unsigned long long table = bits <= 8 && withTable ? 3ull << bits : 0;
        unsigned long long image = ((core.bcWidth * bits + 31) / 32) * 4 * core.bcHeight;
        return core.bcPlanes == 1 && headerSize + table <= cbBmi && image <= cbBits;
    }
    if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > cbBmi)
        return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, info, sizeof(header));
    const unsigned long long bits = header.biBitCount;
    if (header.biPlanes != 1 || header.biWidth <= 0 || header.biHeight == 0 || header.biHeight < -0x7FFFFFFF ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    unsigned long long entries = header.biClrUsed != 0 ? header.biClrUsed : bits <= 8 ? 1ull << bits : 0;
    if (entries > 256)
        return false;
    if (!withTable)
        entries = 0;
    unsigned long long table = 4 * entries + (header.biCompression == BI_BITFIELDS && headerSize == 40 ? 12 : 0);
    unsigned long long height = header.biHeight < 0 ? -(long long)header.biHeight : header.biHeight;
    unsigned long long image = ((header.biWidth * bits + 31) / 32) * 4 * height;
    if (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS)
        image = header.biSizeImage;
    return headerSize + table <= cbBmi && image <= cbBits;
}

bool IsRegionSound(const Record& r, DWORD sizeAt, DWORD dataAt)
{
    const DWORD size = r.At(sizeAt);
    if (size == 0)
        return true;
    if (!r.Holds(dataAt, size) || size < sizeof(RGNDATAHEADER))
        return false;
    RGNDATAHEADER header;
    std::memcpy(&header, r.data + dataAt, sizeof(header));
    return header.dwSize >= sizeof(RGNDATAHEADER) && header.dwSize <= size &&
           (unsigned long long)header.nCount * sizeof(RECT) <= size - header.dwSize;
}

// An EMRTEXT at 'at': its characters and spacing inside the record.
bool IsTextSound(const Record& r, DWORD at, DWORD charSize)
{
    if (!r.Holds(at, sizeof(EMRTEXT)))
        return false;
    const DWORD count = r.At(at + offsetof(EMRTEXT, nChars));
    const DWORD options = r.At(at + offsetof(EMRTEXT, fOptions));
    const DWORD offDx = r.At(at + offsetof(EMRTEXT, offDx));
    if (count == 0)
        return true;
    if (!r.Holds(r.At(at + offsetof(EMRTEXT, offString)), count, charSize))
        return false;
    return offDx == 0 || r.Holds(offDx, count, (options & ETO_PDY) != 0 ? 8 : 4);
}

bool IsPolyPolySound(const Record& r, unsigned long long pointSize)
{
    const DWORD polygons = r.At(24), points = r.At(28);
    if (!r.Holds(32, polygons, 4) || !r.Holds(32 + 4ull * polygons, points, pointSize))
        return false;
    unsigned long long total = 0;
    for (DWORD i = 0; i < polygons; ++i)
        total += r.At(32 + 4 * i);
    return total <= points;
}

bool IsRecordSound(DWORD type, const Record& r, DWORD handles)
{
    switch (type)
    {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
        return r.Holds(28, r.At(24), 8);
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
        return r.Holds(28, r.At(24), 4);
    case EMR_POLYDRAW:
        return r.Holds(28, r.At(24), 9);
    case EMR_POLYDRAW16:
        return r.Holds(28, r.At(24), 5);
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
        return IsPolyPolySound(r, 8);
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16:
        return IsPolyPolySound(r, 4);
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
    case EMR_SELECTPALETTE:
    case EMR_SETCOLORSPACE:
    case EMR_DELETECOLORSPACE:
        return IsObjectIndex(r.At(8), handles, true);
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATECOLORSPACE:
    case EMR_CREATECOLORSPACEW:
    case EMR_RESIZEPALETTE:
        return IsObjectIndex(r.At(8), handles, false);
    case EMR_CREATEPALETTE:
        return IsObjectIndex(r.At(8), handles, false) && r.Holds(16, r.WordAt(14), 4);
    case EMR_SETPALETTEENTRIES:
        return IsObjectIndex(r.At(8), handles, false) && r.Holds(20, r.At(16), 4);
    case EMR_CREATEMONOBRUSH:
        return IsObjectIndex(r.At(8), handles, false) &&
               IsBitmapSound(r, offsetof(EMRCREATEMONOBRUSH, offBmi), BitmapAlwaysRead,
                             r.At(offsetof(EMRCREATEMONOBRUSH, iUsage)) != PaletteIndices);
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return IsObjectIndex(r.At(8), handles, false) && IsBitmapSound(r, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi));
    case EMR_EXTCREATEPEN: {
        // Only a pen with a bitmap pattern has its bitmap read.
        const DWORD style = r.At(offsetof(EMREXTCREATEPEN, elp.elpBrushStyle));
        const BitmapUse use =
            style == BS_DIBPATTERN || style == BS_DIBPATTERNPT ? BitmapAlwaysRead : BitmapReadWhenPlaced;
        return IsObjectIndex(r.At(8), handles, false) && IsBitmapSound(r, offsetof(EMREXTCREATEPEN, offBmi), use) &&
               r.Holds(offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), r.At(offsetof(EMREXTCREATEPEN, elp.elpNumEntries)),
                       4);
    }
    case EMR_GDICOMMENT:
        return r.Holds(12, r.At(8));
    case EMR_FILLRGN:
        return IsObjectIndex(r.At(28), handles, true) && IsRegionSound(r, 24, 32);
    case EMR_FRAMERGN:
        return IsObjectIndex(r.At(28), handles, true) && IsRegionSound(r, 24, 40);
    case EMR_INVERTRGN:
    case EMR_PAINTRGN:
        return IsRegionSound(r, 24, 28);
    case EMR_EXTSELECTCLIPRGN:
        return IsRegionSound(r, 8, 16);
    case EMR_BITBLT:
        return IsBitmapSound(r, offsetof(EMRBITBLT, offBmiSrc), BitmapReadWhenPlaced);
    case EMR_STRETCHBLT:
        return IsBitmapSound(r, offsetof(EMRSTRETCHBLT, offBmiSrc), BitmapReadWhenPlaced);
    case EMR_MASKBLT:
        return IsBitmapSound(r, offsetof(EMRMASKBLT, offBmiSrc), BitmapReadWhenPlaced) &&
               IsBitmapSound(r, offsetof(EMRMASKBLT, offBmiMask));
    case EMR_PLGBLT:
        return IsBitmapSound(r, offsetof(EMRPLGBLT, offBmiSrc), BitmapReadWhenPlaced) &&
               IsBitmapSound(r, offsetof(EMRPLGBLT, offBmiMask));
    case EMR_SETDIBITSTODEVICE:
        return IsBitmapSound(r, offsetof(EMRSETDIBITSTODEVICE, offBmiSrc));
    case EMR_STRETCHDIBITS:
        return IsBitmapSound(r, offsetof(EMRSTRETCHDIBITS, offBmiSrc));
    case EMR_ALPHABLEND:
        return IsBitmapSound(r, offsetof(EMRALPHABLEND, offBmiSrc), BitmapReadWhenPlaced);
    case EMR_TRANSPARENTBLT:
        return IsBitmapSound(r, offsetof(EMRTRANSPARENTBLT, offBmiSrc), BitmapReadWhenPlaced);
    case EMR_EXTTEXTOUTA:
        return IsTextSound(r, offsetof(EMREXTTEXTOUTA, emrtext), 1);
    case EMR_EXTTEXTOUTW:
        return IsTextSound(r, offsetof(EMREXTTEXTOUTW, emrtext), 2);
    case EMR_POLYTEXTOUTA:
    case EMR_POLYTEXTOUTW: {
        const DWORD count = r.At(offsetof(EMRPOLYTEXTOUTA, cStrings));
        const DWORD first = offsetof(EMRPOLYTEXTOUTA, aemrtext);
        if (!r.Holds(first, count, sizeof(EMRTEXT)))
            return false;
        for (DWORD i = 0; i < count; ++i)
            if (!IsTextSound(r, first + i * sizeof(EMRTEXT), type == EMR_POLYTEXTOUTA ? 1 : 2))
                return false;
        return true;
    }
    case EMR_SETICMPROFILEA:
    case EMR_SETICMPROFILEW:
    case EMR_COLORMATCHTOTARGETW:
        return r.Holds(20, (unsigned long long)r.At(12) + r.At(16));
    case EMR_GRADIENTFILL: {
        const DWORD vertices = r.At(24), shapes = r.At(28), mode = r.At(32);
        const DWORD first = offsetof(EMRGRADIENTFILL, Ver);
        const unsigned long long shapeSize = mode == GRADIENT_FILL_TRIANGLE ? 12 : 8;
        if (!r.Holds(first, vertices, sizeof(TRIVERTEX)) ||
            !r.Holds(first + (unsigned long long)vertices * sizeof(TRIVERTEX), shapes, shapeSize))
            return false;
        const DWORD shapesAt = first + vertices * sizeof(TRIVERTEX);
        for (unsigned long long i = 0; i < shapes * shapeSize / 4; ++i)
            if (r.At(shapesAt + (DWORD)(4 * i)) >= vertices)
                return false;
        return true;
    }
    case 108: // small text records are not played here
        return false;
    default:
        return true;
    }
}

// The header's sizes within what a picture can mean: a frame within 100 m
// of the origin, a reference device of at most 100,000 pixels and 100 m a
// side with between 0.1 and 1,000 pixels to the millimetre, and a handle
// table no larger than a process may hold. Beyond these the player's scaling
// overflows or drawing takes for ever.
bool IsHeaderSound(const ENHMETAHEADER& header)
{
    const long long frameLimit = 10000000, deviceLimit = 100000, millimetreLimit = 100000;
    const RECTL& frame = header.rclFrame;
    const long long corners[] = {frame.left, frame.top, frame.right, frame.bottom};
    for (long long corner : corners)
        if (corner < -frameLimit || corner > frameLimit)
            return false;
    const long long device[] = {header.szlDevice.cx, header.szlDevice.cy};
    const long long millimetres[] = {header.szlMillimeters.cx, header.szlMillimeters.cy};
    for (int i = 0; i < 2; ++i)
        if (device[i] < 1 || device[i] > deviceLimit || millimetres[i] < 1 || millimetres[i] > millimetreLimit ||
            device[i] * 10 < millimetres[i] || device[i] > millimetres[i] * 1000)
            return false;
    return header.nHandles >= 1 && header.nHandles <= 10000;
}
}

BOOL IsEnhMetafileSound(const BYTE* data, DWORD length)
{
    if (length < 88)
        return FALSE;
    ENHMETAHEADER header;
    std::memset(&header, 0, sizeof(header));
    std::memcpy(&header, data, 88);
    if (header.iType != EMR_HEADER || header.nSize < 88 || !IsHeaderSound(header))
        return FALSE;
    // The player walks every record up to the length, end records included,
    // so every record is checked, and they must fill the length exactly.
    bool ended = false;
    DWORD offset = 0;
    while (offset < length)
    {
        if (length - offset < 8)
            return FALSE;
        Record record = {data + offset, 0};
        const DWORD type = ReadLittleEndianDword(record.data);
        std::memcpy(&record.size, data + offset + 4, 4);
        if (record.size < 8 || record.size % 4 != 0 || record.size > length - offset)
            return FALSE;
        if ((offset == 0) != (type == EMR_HEADER) || record.size < MinimumSize(type))
            return FALSE;
        if (type == EMR_EOF)
        {
            // The palette that the header counts is stored in the end record.
            const DWORD entries = header.nPalEntries;
            if (entries != 0 && (entries > 256 || !record.Holds(record.At(12), entries, 4)))
                return FALSE;
            ended = true;
        }
        else if (!IsRecordSound(type, record, header.nHandles))
            return FALSE;
        offset += record.size;
    }
    return ended;
}
