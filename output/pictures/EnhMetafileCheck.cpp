#include "output/pictures/EnhMetafileCheck.h"

#include "foundation/files/LittleEndian.h"

#include <array>
#include <cmath>
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

// The player takes the top bit for a stock object only where a record
// selects one; elsewhere it looks the whole value up in its handle table.
bool IsObjectIndex(DWORD index, DWORD handles, bool stockAllowed)
{
    if (stockAllowed && (index & ENHMETA_STOCK_OBJECT) != 0)
        return (index & ~ENHMETA_STOCK_OBJECT) <= STOCK_LAST;
    return index >= 1 && index < handles;
}

// What the records met so far let the next one hold: objects inside the
// handle table, and the header only at the start.
struct CheckState
{
    const BYTE* first; // the header record
    const ENHMETAHEADER& header;
    DWORD handles;
    bool ended;
};

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
    // A bitmap of palette indexes (a monochrome brush's) is made from its
    // rows whatever its compression says.
    if (withTable && header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS)
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

// The checks of what a record names beyond its fixed part: counts of
// points, texts and palette entries, object indexes, embedded bitmaps and
// regions. Each answers whether the record holds all that the player reads.
typedef bool (*RecordCheck)(const Record& r, CheckState& state);

template <DWORD PointSize>
bool HasPoints(const Record& r, CheckState&)
{
    return r.Holds(28, r.At(24), PointSize);
}

template <DWORD PointSize>
bool HasPolyPoints(const Record& r, CheckState&)
{
    return IsPolyPolySound(r, PointSize);
}

// Selects an object, or names one of the table; a stock object only where
// one is selected.
bool SelectsObject(const Record& r, CheckState& state)
{
    return IsObjectIndex(r.At(8), state.handles, true);
}

bool NamesObject(const Record& r, CheckState& state)
{
    return IsObjectIndex(r.At(8), state.handles, false);
}

bool MakesPalette(const Record& r, CheckState& state)
{
    return NamesObject(r, state) && r.Holds(16, r.WordAt(14), 4);
}

bool SetsPaletteEntries(const Record& r, CheckState& state)
{
    return NamesObject(r, state) && r.Holds(20, r.At(16), 4);
}

bool MakesMonoBrush(const Record& r, CheckState& state)
{
    return NamesObject(r, state) && IsBitmapSound(r, offsetof(EMRCREATEMONOBRUSH, offBmi), BitmapAlwaysRead,
                                                  r.At(offsetof(EMRCREATEMONOBRUSH, iUsage)) != PaletteIndices);
}

bool MakesPatternBrush(const Record& r, CheckState& state)
{
    return NamesObject(r, state) && IsBitmapSound(r, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi));
}

// The player reads a pen's bitmap only for a pattern brush; a solid pen's
// offsets may point anywhere (recorders point them at the record's end).
bool MakesExtendedPen(const Record& r, CheckState& state)
{
    const DWORD style = r.At(offsetof(EMREXTCREATEPEN, elp.elpBrushStyle));
    const bool pattern = style == BS_DIBPATTERN || style == BS_DIBPATTERNPT;
    return NamesObject(r, state) && (!pattern || IsBitmapSound(r, offsetof(EMREXTCREATEPEN, offBmi))) &&
           r.Holds(offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), r.At(offsetof(EMREXTCREATEPEN, elp.elpNumEntries)), 4);
}

bool HasComment(const Record& r, CheckState&)
{
    return r.Holds(12, r.At(8));
}

// A region of the byte size at 'SizeAt' stored at 'DataAt'.
template <DWORD SizeAt, DWORD DataAt>
bool HasRegion(const Record& r, CheckState&)
{
    return IsRegionSound(r, SizeAt, DataAt);
}

// A region filled or framed with the brush whose index is at byte 28.
template <DWORD DataAt>
bool PaintsRegion(const Record& r, CheckState& state)
{
    return IsObjectIndex(r.At(28), state.handles, false) && IsRegionSound(r, 24, DataAt);
}

template <DWORD OffsetsAt>
bool HasBitmap(const Record& r, CheckState&)
{
    return IsBitmapSound(r, OffsetsAt);
}

// A blit whose source bitmap may be left out.
template <DWORD SourceAt>
bool BlitsSource(const Record& r, CheckState&)
{
    return IsBitmapSound(r, SourceAt, BitmapReadWhenPlaced);
}

template <DWORD SourceAt, DWORD MaskAt>
bool BlitsSourceAndMask(const Record& r, CheckState&)
{
    return IsBitmapSound(r, SourceAt, BitmapReadWhenPlaced) && IsBitmapSound(r, MaskAt);
}

template <DWORD CharSize>
bool HasText(const Record& r, CheckState&)
{
    return IsTextSound(r, offsetof(EMREXTTEXTOUTA, emrtext), CharSize);
}

template <DWORD CharSize>
bool HasTexts(const Record& r, CheckState&)
{
    const DWORD count = r.At(offsetof(EMRPOLYTEXTOUTA, cStrings));
    const DWORD first = offsetof(EMRPOLYTEXTOUTA, aemrtext);
    if (!r.Holds(first, count, sizeof(EMRTEXT)))
        return false;
    for (DWORD i = 0; i < count; ++i)
        if (!IsTextSound(r, first + i * sizeof(EMRTEXT), CharSize))
            return false;
    return true;
}

// A colour profile's name and data.
bool HasProfile(const Record& r, CheckState&)
{
    return r.Holds(20, (unsigned long long)r.At(12) + r.At(16));
}

bool HasGradient(const Record& r, CheckState&)
{
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

// The header opens the picture and comes only there.
bool OpensPicture(const Record& r, CheckState& state)
{
    return r.data == state.first;
}

// The palette that the header counts is stored in the end record.
bool EndsPicture(const Record& r, CheckState& state)
{
    const DWORD entries = state.header.nPalEntries;
    state.ended = true;
    return entries == 0 || (entries <= 256 && r.Holds(r.At(12), entries, 4));
}

// The kind of a small text record.
const DWORD SmallTextRecord = 108;

// A small text: its clipping rectangle unless the options leave it out, then
// its characters, of one byte each or two.
bool HasSmallText(const Record& r, CheckState&)
{
    const DWORD NoRectangle = 0x100, SmallCharacters = 0x200;
    const DWORD options = r.At(20);
    const DWORD at = 36 + ((options & NoRectangle) != 0 ? 0 : 16);
    return r.Holds(at, r.At(16), (options & SmallCharacters) != 0 ? 1 : 2);
}
// What the player reads of each record kind: the fixed part, and a check of
// what it reads beyond it (none: the fixed part is all).
struct RecordRule
{
    DWORD type;
    DWORD minimumSize;
    RecordCheck check;
};

constexpr RecordRule RecordRules[] = {
    {EMR_HEADER, 88, OpensPicture},
    {EMR_POLYBEZIER, 28, HasPoints<8>},
    {EMR_POLYGON, 28, HasPoints<8>},
    {EMR_POLYLINE, 28, HasPoints<8>},
    {EMR_POLYBEZIERTO, 28, HasPoints<8>},
    {EMR_POLYLINETO, 28, HasPoints<8>},
    {EMR_POLYPOLYLINE, 32, HasPolyPoints<8>},
    {EMR_POLYPOLYGON, 32, HasPolyPoints<8>},
    {EMR_SETWINDOWEXTEX, 16, NULL},
    {EMR_SETWINDOWORGEX, 16, NULL},
    {EMR_SETVIEWPORTEXTEX, 16, NULL},
    {EMR_SETVIEWPORTORGEX, 16, NULL},
    {EMR_SETBRUSHORGEX, 16, NULL},
    {EMR_EOF, 20, EndsPicture},
    {EMR_SETPIXELV, 20, NULL},
    {EMR_SETMAPPERFLAGS, 12, NULL},
    {EMR_SETMAPMODE, 12, NULL},
    {EMR_SETBKMODE, 12, NULL},
    {EMR_SETPOLYFILLMODE, 12, NULL},
    {EMR_SETROP2, 12, NULL},
    {EMR_SETSTRETCHBLTMODE, 12, NULL},
    {EMR_SETTEXTALIGN, 12, NULL},
    {EMR_SETCOLORADJUSTMENT, sizeof(EMRSETCOLORADJUSTMENT), NULL},
    {EMR_SETTEXTCOLOR, 12, NULL},
    {EMR_SETBKCOLOR, 12, NULL},
    {EMR_OFFSETCLIPRGN, 16, NULL},
    {EMR_MOVETOEX, 16, NULL},
    {EMR_EXCLUDECLIPRECT, 24, NULL},
    {EMR_INTERSECTCLIPRECT, 24, NULL},
    {EMR_SCALEVIEWPORTEXTEX, 24, NULL},
    {EMR_SCALEWINDOWEXTEX, 24, NULL},
    {EMR_SAVEDC, 8, NULL},
    {EMR_RESTOREDC, 12, NULL},
    {EMR_SETWORLDTRANSFORM, sizeof(EMRSETWORLDTRANSFORM), NULL},
    {EMR_MODIFYWORLDTRANSFORM, sizeof(EMRMODIFYWORLDTRANSFORM), NULL},
    {EMR_SELECTOBJECT, 12, SelectsObject},
    {EMR_CREATEPEN, sizeof(EMRCREATEPEN), NamesObject},
    {EMR_CREATEBRUSHINDIRECT, sizeof(EMRCREATEBRUSHINDIRECT), NamesObject},
    {EMR_DELETEOBJECT, 12, NamesObject},
    {EMR_ANGLEARC, sizeof(EMRANGLEARC), NULL},
    {EMR_ELLIPSE, 24, NULL},
    {EMR_RECTANGLE, 24, NULL},
    {EMR_ROUNDRECT, sizeof(EMRROUNDRECT), NULL},
    {EMR_ARC, sizeof(EMRARC), NULL},
    {EMR_CHORD, sizeof(EMRARC), NULL},
    {EMR_PIE, sizeof(EMRARC), NULL},
    {EMR_SELECTPALETTE, 12, SelectsObject},
    {EMR_CREATEPALETTE, 16, MakesPalette},
    {EMR_SETPALETTEENTRIES, 20, SetsPaletteEntries},
    {EMR_RESIZEPALETTE, sizeof(EMRRESIZEPALETTE), NamesObject},
    {EMR_EXTFLOODFILL, sizeof(EMREXTFLOODFILL), NULL},
    {EMR_LINETO, 16, NULL},
    {EMR_ARCTO, sizeof(EMRARC), NULL},
    {EMR_POLYDRAW, 28, HasPoints<9>},
    {EMR_SETARCDIRECTION, 12, NULL},
    {EMR_SETMITERLIMIT, 12, NULL},
    {EMR_FILLPATH, 24, NULL},
    {EMR_STROKEANDFILLPATH, 24, NULL},
    {EMR_STROKEPATH, 24, NULL},
    {EMR_SELECTCLIPPATH, 12, NULL},
    {EMR_GDICOMMENT, 12, HasComment},
    {EMR_FILLRGN, 32, PaintsRegion<32>},
    {EMR_FRAMERGN, 40, PaintsRegion<40>},
    {EMR_INVERTRGN, 28, HasRegion<24, 28>},
    {EMR_PAINTRGN, 28, HasRegion<24, 28>},
    {EMR_EXTSELECTCLIPRGN, 16, HasRegion<8, 16>},
    {EMR_BITBLT, sizeof(EMRBITBLT), BlitsSource<offsetof(EMRBITBLT, offBmiSrc)>},
    {EMR_STRETCHBLT, sizeof(EMRSTRETCHBLT), BlitsSource<offsetof(EMRSTRETCHBLT, offBmiSrc)>},
    {EMR_MASKBLT, sizeof(EMRMASKBLT),
     BlitsSourceAndMask<offsetof(EMRMASKBLT, offBmiSrc), offsetof(EMRMASKBLT, offBmiMask)>},
    {EMR_PLGBLT, sizeof(EMRPLGBLT),
     BlitsSourceAndMask<offsetof(EMRPLGBLT, offBmiSrc), offsetof(EMRPLGBLT, offBmiMask)>},
    {EMR_SETDIBITSTODEVICE, sizeof(EMRSETDIBITSTODEVICE), HasBitmap<offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)>},
    {EMR_STRETCHDIBITS, sizeof(EMRSTRETCHDIBITS), HasBitmap<offsetof(EMRSTRETCHDIBITS, offBmiSrc)>},
    {EMR_EXTCREATEFONTINDIRECTW, 12 + sizeof(LOGFONTW), NamesObject},
    {EMR_EXTTEXTOUTA, sizeof(EMREXTTEXTOUTA), HasText<1>},
    {EMR_EXTTEXTOUTW, sizeof(EMREXTTEXTOUTA), HasText<2>},
    {EMR_POLYBEZIER16, 28, HasPoints<4>},
    {EMR_POLYGON16, 28, HasPoints<4>},
    {EMR_POLYLINE16, 28, HasPoints<4>},
    {EMR_POLYBEZIERTO16, 28, HasPoints<4>},
    {EMR_POLYLINETO16, 28, HasPoints<4>},
    {EMR_POLYPOLYLINE16, 32, HasPolyPoints<4>},
    {EMR_POLYPOLYGON16, 32, HasPolyPoints<4>},
    {EMR_POLYDRAW16, 28, HasPoints<5>},
    {EMR_CREATEMONOBRUSH, sizeof(EMRCREATEMONOBRUSH), MakesMonoBrush},
    {EMR_CREATEDIBPATTERNBRUSHPT, sizeof(EMRCREATEDIBPATTERNBRUSHPT), MakesPatternBrush},
    {EMR_EXTCREATEPEN, offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), MakesExtendedPen},
    {EMR_POLYTEXTOUTA, offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<1>},
    {EMR_POLYTEXTOUTW, offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<2>},
    {EMR_SETICMMODE, 12, NULL},
    {EMR_CREATECOLORSPACE, sizeof(EMRCREATECOLORSPACE), NamesObject},
    {EMR_SETCOLORSPACE, 12, NamesObject},
    {EMR_DELETECOLORSPACE, 12, NamesObject},
    {EMR_PIXELFORMAT, sizeof(EMRPIXELFORMAT), NULL},
    {SmallTextRecord, 36, HasSmallText},
    {EMR_COLORCORRECTPALETTE, 24, NULL},
    {EMR_SETICMPROFILEA, 20, HasProfile},
    {EMR_SETICMPROFILEW, 20, HasProfile},
    {EMR_ALPHABLEND, sizeof(EMRALPHABLEND), BlitsSource<offsetof(EMRALPHABLEND, offBmiSrc)>},
    {EMR_SETLAYOUT, 12, NULL},
    {EMR_TRANSPARENTBLT, sizeof(EMRTRANSPARENTBLT), BlitsSource<offsetof(EMRTRANSPARENTBLT, offBmiSrc)>},
    {EMR_GRADIENTFILL, offsetof(EMRGRADIENTFILL, Ver), HasGradient},
    {EMR_COLORMATCHTOTARGETW, 20, HasProfile},
    {EMR_CREATECOLORSPACEW, offsetof(EMRCREATECOLORSPACEW, Data), NamesObject},
};

// The rules by record type, so that finding one is an index; a kind not
// listed has the least size and nothing further checked.
constexpr std::array<RecordRule, EMR_MAX + 1> RulesByType()
{
    std::array<RecordRule, EMR_MAX + 1> rules = {};
    for (DWORD type = 0; type <= EMR_MAX; ++type)
        rules[type] = RecordRule{type, 8, NULL};
    for (const RecordRule& rule : RecordRules)
        rules[rule.type] = rule;
    return rules;
}
constexpr std::array<RecordRule, EMR_MAX + 1> RuleOfType = RulesByType();
const RecordRule UnlistedRule = {0, 8, NULL};

// The header's sizes within what a picture can mean: a frame within 100 m
// of the origin and at least half a pixel of the reference device across
// and down (whichever way round), a reference device of at most 100,000
// pixels and 100 m a side with between 0.1 and 1,000 pixels to the
// millimetre, and a handle table no larger than a process may hold. The
// player stretches the frame onto the picture's place: a frame of no size
// makes that stretch endless. Recorders write the bounds of what they draw,
// rounded down to hundredths of a millimetre: two pixels make a frame of
// 0.98 pixels, a line one pixel wide one of none.
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
    // The reference device's pixels to a hundredth of a millimetre.
    const double across = header.szlDevice.cx / (100.0 * header.szlMillimeters.cx);
    const double down = header.szlDevice.cy / (100.0 * header.szlMillimeters.cy);
    const double halfPixel = 0.5;
    return std::fabs((double)frame.right - frame.left) * across >= halfPixel &&
           std::fabs((double)frame.bottom - frame.top) * down >= halfPixel && header.nHandles >= 1 &&
           header.nHandles <= 10000;
}
} // namespace

DWORD EnhMetafilePlayedLength(const BYTE* data, DWORD length)
{
    if (length < 88)
        return 0;
    ENHMETAHEADER header;
    std::memset(&header, 0, sizeof(header));
    std::memcpy(&header, data, 88);
    if (header.iType != EMR_HEADER || header.nSize < 88 || !IsHeaderSound(header))
        return 0;
    CheckState state = {data, header, header.nHandles, false};
    DWORD offset = 0;
    while (offset < length)
    {
        if (length - offset < 8)
            return 0;
        Record record = {data + offset, 0};
        const DWORD type = ReadLittleEndianDword(record.data);
        std::memcpy(&record.size, data + offset + 4, 4);
        if (record.size < 8 || record.size % 4 != 0 || record.size > length - offset)
            return 0;
        const RecordRule& rule = type <= EMR_MAX ? RuleOfType[type] : UnlistedRule;
        if (record.size < rule.minimumSize || (rule.check != NULL && !rule.check(record, state)))
            return 0;
        offset += record.size;
        // What follows the end record is never played.
        if (state.ended)
            return offset;
    }
    return 0;
}

BOOL IsEnhMetafileSound(const BYTE* data, DWORD length)
{
    return EnhMetafilePlayedLength(data, length) != 0;
}
