#include "output/pictures/EnhRecordChecks.h"

#include <cstring>

namespace
{
// The player takes the top bit for a stock object only where a record
// selects one; elsewhere it looks the whole value up in its handle table.
bool IsObjectIndex(DWORD index, DWORD handles, bool stockAllowed)
{
    if (stockAllowed && (index & ENHMETA_STOCK_OBJECT) != 0)
        return (index & ~ENHMETA_STOCK_OBJECT) <= STOCK_LAST;
    return index >= 1 && index < handles;
}
} // namespace

// A BITMAPINFO of cbBmi bytes and pixels of cbBits bytes, at their offsets.
// The player reads the header at offBmi whatever cbBmi says, so a record
// whose bitmap is read must hold a whole one.
bool HasBitmap(const EnhCheckedRecord& r, EnhCheckState&, DWORD offsetsAt, BitmapUse use, bool withTable)
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

bool HasRegion(const EnhCheckedRecord& r, EnhCheckState&, DWORD sizeAt, DWORD dataAt, bool noneAllowed)
{
    const DWORD size = r.At(sizeAt);
    if (size == 0)
        return noneAllowed;
    if (!r.Holds(dataAt, size) || size < sizeof(RGNDATAHEADER))
        return false;
    RGNDATAHEADER header;
    std::memcpy(&header, r.data + dataAt, sizeof(header));
    return header.dwSize >= sizeof(RGNDATAHEADER) && header.dwSize <= size &&
           (unsigned long long)header.nCount * sizeof(RECT) <= size - header.dwSize;
}

bool PaintsRegion(const EnhCheckedRecord& r, EnhCheckState& state, DWORD dataAt, bool brush)
{
    return (!brush || IsObjectIndex(r.At(28), state.header.nHandles, false)) && HasRegion(r, state, 24, dataAt, false);
}

bool HasPolyPoints(const EnhCheckedRecord& r, EnhCheckState&, DWORD pointSize)
{
    const DWORD polygons = r.At(24), points = r.At(28);
    if (!r.Holds(32, polygons, 4) || !r.Holds(32 + 4ull * polygons, points, pointSize))
        return false;
    unsigned long long total = 0;
    for (DWORD i = 0; i < polygons; ++i)
        total += r.At(32 + 4 * i);
    return total <= points;
}

// Each EMRTEXT's characters and spacing inside the record.
bool HasTexts(const EnhCheckedRecord& r, EnhCheckState&, bool poly, bool wide)
{
    const EnhTexts texts = TextsOf(r, poly);
    if (!r.Holds(texts.at, texts.count, sizeof(EMRTEXT)))
        return false;
    for (DWORD text = texts.at; text < texts.End(); text += sizeof(EMRTEXT))
    {
        const DWORD characters = r.At(text + offsetof(EMRTEXT, nChars));
        const DWORD offDx = r.At(text + offsetof(EMRTEXT, offDx));
        const DWORD spacing = (r.At(text + offsetof(EMRTEXT, fOptions)) & ETO_PDY) != 0 ? 8 : 4;
        if (characters != 0 && (!r.Holds(r.At(text + offsetof(EMRTEXT, offString)), characters, wide ? 2 : 1) ||
                                (offDx != 0 && !r.Holds(offDx, characters, spacing))))
            return false;
    }
    return true;
}

bool BlitsSourceAndMask(const EnhCheckedRecord& r, EnhCheckState& state, DWORD sourceAt, DWORD maskAt)
{
    return HasBitmap(r, state, sourceAt, BitmapReadWhenPlaced, true) &&
           HasBitmap(r, state, maskAt, BitmapAlwaysRead, true);
}

// Selects an object, or names one of the table; a stock object only where
// one is selected.
bool SelectsObject(const EnhCheckedRecord& r, EnhCheckState& state)
{
    return IsObjectIndex(r.At(8), state.header.nHandles, true);
}

bool NamesObject(const EnhCheckedRecord& r, EnhCheckState& state)
{
    return IsObjectIndex(r.At(8), state.header.nHandles, false);
}

bool NamesPaletteEntries(const EnhCheckedRecord& r, EnhCheckState& state, DWORD countAt, DWORD shift)
{
    return NamesObject(r, state) && r.Holds(countAt + 4, r.At(countAt) >> shift, 4);
}

// Both brushes keep their usage and bitmap at the same places.
bool MakesBrush(const EnhCheckedRecord& r, EnhCheckState& state, bool mono)
{
    const DWORD paletteIndices = 2; // DIB_PAL_INDICES: no colour table at all
    const bool table = !mono || r.At(offsetof(EMRCREATEMONOBRUSH, iUsage)) != paletteIndices;
    return NamesObject(r, state) && HasBitmap(r, state, offsetof(EMRCREATEMONOBRUSH, offBmi), BitmapAlwaysRead, table);
}

// The player reads a pen's bitmap only for a pattern brush; a solid pen's
// offsets may point anywhere (recorders point them at the record's end).
bool MakesExtendedPen(const EnhCheckedRecord& r, EnhCheckState& state)
{
    return NamesObject(r, state) &&
           (!IsPatternPen(r) || HasBitmap(r, state, offsetof(EMREXTCREATEPEN, offBmi), BitmapAlwaysRead, true)) &&
           r.Holds(offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), r.At(offsetof(EMREXTCREATEPEN, elp.elpNumEntries)), 4);
}

// A colour profile's name and data.
bool HasProfile(const EnhCheckedRecord& r, EnhCheckState&)
{
    return r.Holds(20, (unsigned long long)r.At(12) + r.At(16));
}

bool HasGradient(const EnhCheckedRecord& r, EnhCheckState&)
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
bool OpensPicture(const EnhCheckedRecord& r, EnhCheckState& state)
{
    return r.data == state.first;
}

// The palette that the header counts is stored in the end record.
bool EndsPicture(const EnhCheckedRecord& r, EnhCheckState& state)
{
    const DWORD entries = state.header.nPalEntries;
    state.ended = true;
    return entries == 0 || (entries <= 256 && r.Holds(r.At(12), entries, 4));
}

// A small text: its clipping rectangle unless the options leave it out, then
// its characters, of one byte each or two.
bool HasSmallText(const EnhCheckedRecord& r, EnhCheckState&)
{
    const EnhSmallText text = SmallTextOf(r);
    return r.Holds(text.at, text.count, text.wide ? 2 : 1);
}
