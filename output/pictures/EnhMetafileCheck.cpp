#include "output/pictures/EnhMetafileCheck.h"

#include "foundation/files/LittleEndian.h"

#include "output/pictures/FillTally.h"
#include "output/pictures/PlayerLimits.h"
#include "output/pictures/PointRun.h"
#include "output/pictures/RecordReach.h"
#include "output/pictures/RecordSpace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

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
    // A signed 32-bit value, 0 when outside.
    long long LongAt(DWORD offset) const { return offset + 4 > size ? 0 : (long long)(LONG)At(offset); }
    float FloatAt(DWORD offset) const
    {
        float value = 0;
        if (offset + 4 <= size)
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

CRecordReach::Box FrameReach(const ENHMETAHEADER& header);

// What the records met so far let the next one hold: objects inside the
// handle table, and coordinates (and pen widths) within the reach that the
// header allows, as the records map them now. The reach is measured again
// only when a record's geometry is checked after the mapping changed.
struct CheckState
{
    CheckState(const BYTE* first, const ENHMETAHEADER& header, double scaleLimit)
        : first(first), header(header), handles(header.nHandles),
          space(header.szlDevice, header.szlMillimeters, scaleLimit)
    {
    }

    const CRecordReach& Coordinates()
    {
        if (spaceChanged)
        {
            if (!boxKnown)
            {
                box = FrameReach(header);
                boxKnown = true;
            }
            reach = CRecordReach(space.Place(), box);
            spaceChanged = false;
        }
        return reach;
    }

    // A pen made in a place of the table (a styled one: dashed, dotted or
    // of the picture's own style, and geometric), or another object there.
    enum ObjectKind : BYTE
    {
        NotPen,
        PlainPen,
        StyledPen,
    };
    // What a place of the table holds: its kind, and a pen's logical width.
    struct ObjectNote
    {
        ObjectKind kind;
        float width;
    };
    // The notes are kept from the first pen on: before it, no place holds
    // a pen. The first places are kept in place, as most pictures have few.
    static const DWORD NotesInPlace = 64;
    ObjectNote& NoteAt(DWORD index)
    {
        return index < NotesInPlace ? notesInPlace[index] : notesOverflow[index - NotesInPlace];
    }
    void Make(DWORD index, ObjectKind kind, double width = 0)
    {
        if (kind != NotPen && !notesKept)
        {
            std::fill(std::begin(notesInPlace), std::end(notesInPlace), ObjectNote{NotPen, 0});
            if (handles > NotesInPlace)
                notesOverflow.assign(handles - NotesInPlace, ObjectNote{NotPen, 0});
            notesKept = true;
        }
        if (notesKept)
            NoteAt(index) = ObjectNote{kind, (float)std::fabs(width)};
    }
    void Select(DWORD index)
    {
        if ((index & ENHMETA_STOCK_OBJECT) != 0)
        {
            const DWORD stock = index & ~ENHMETA_STOCK_OBJECT;
            if (stock == WHITE_PEN || stock == BLACK_PEN || stock == NULL_PEN || stock == DC_PEN)
            {
                styledPen = false;
                penWidth = 0;
            }
        }
        else if (notesKept && NoteAt(index).kind != NotPen)
        {
            styledPen = NoteAt(index).kind == StyledPen;
            penWidth = NoteAt(index).width;
        }
    }

    // The selected pen, as the records map it now, is no wider than the
    // player draws quickly.
    bool PenFits() { return Coordinates().DrawsPenQuickly(penWidth); }

    // A stroke of the given span (against the reach): drawn now, or added
    // to the path that a later record strokes.
    bool Strokes(double span)
    {
        if (!PenFits())
            return false;
        if (inPath)
        {
            pathSpan += span;
            return true;
        }
        return !styledPen || span <= StrokeSpanLimit;
    }
    bool Measuring() const { return styledPen || inPath; }

    // The pen and the current position are saved and restored with the
    // space, the first few levels in place.
    void Save()
    {
        space.Save();
        const Saved now = {styledPen, penWidth, positionX, positionY, path};
        if (savedDepth < SavedInPlace)
            savedInPlace[savedDepth] = now;
        else
            savedOverflow.push_back(now);
        ++savedDepth;
    }
    bool Restore(long level)
    {
        spaceChanged = true;
        if (!space.Restore(level))
            return false;
        savedDepth -= (size_t)-level;
        const Saved& then =
            savedDepth < SavedInPlace ? savedInPlace[savedDepth] : savedOverflow[savedDepth - SavedInPlace];
        styledPen = then.styledPen;
        penWidth = then.penWidth;
        positionX = then.x;
        positionY = then.y;
        path = then.path;
        savedOverflow.resize(savedDepth > SavedInPlace ? savedDepth - SavedInPlace : 0);
        return true;
    }

    // The longest stroke of a styled geometric pen, against the reach:
    // 32 times the frame's longer side. The player builds every dash of a
    // stroke before it clips any, in time that grows about with the square
    // of the stroke's length: ten dashed arcs reaching 60 frames out take
    // it 12 s to draw into a picture control, ten reaching 3.5 frames out
    // (strokes of 28 frames) 40 ms. Recorders stroke within the frame,
    // whose outline is 4 of its sides long.
    static constexpr double StrokeSpanLimit = 0.5;

    const BYTE* first; // the header record
    const ENHMETAHEADER& header;
    bool ended = false;
    DWORD handles;
    CRecordSpace space;
    bool spaceChanged = true;
    bool boxKnown = false;
    CRecordReach::Box box = {0, 0, 0, 0};
    CRecordReach reach;
    bool notesKept = false;
    ObjectNote notesInPlace[NotesInPlace];
    std::vector<ObjectNote> notesOverflow;
    bool styledPen = false;
    // The selected pen's logical width (0 draws a pixel wide whatever the
    // mapping).
    double penWidth = 0;
    bool inPath = false;
    double pathSpan = 0;
    // The path's outline, which a record may fill, clip to or widen.
    CFillTally path;
    CFillBudget fills;
    // The current position, in logical units.
    double positionX = 0, positionY = 0;
    struct Saved
    {
        bool styledPen;
        double penWidth;
        double x, y;
        CFillTally path;
    };
    static const size_t SavedInPlace = 8;
    Saved savedInPlace[SavedInPlace];
    std::vector<Saved> savedOverflow;
    size_t savedDepth = 0;
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

// Selects an object: a stock object or one of the table.
bool SelectsObject(const Record& r, CheckState& state)
{
    if (!IsObjectIndex(r.At(8), state.handles, true))
        return false;
    state.Select(r.At(8));
    return true;
}

bool SelectsPalette(const Record& r, CheckState& state)
{
    return IsObjectIndex(r.At(8), state.handles, true);
}

// Deletes or uses an object of the table.
bool NamesObject(const Record& r, CheckState& state)
{
    return IsObjectIndex(r.At(8), state.handles, false);
}

// Deletes an object: its place holds none.
bool DeletesObject(const Record& r, CheckState& state)
{
    if (!NamesObject(r, state))
        return false;
    state.Make(r.At(8), CheckState::NotPen);
    return true;
}

// Makes an object in a place of the table.
bool MakesObject(const Record& r, CheckState& state)
{
    if (!IsObjectIndex(r.At(8), state.handles, false))
        return false;
    state.Make(r.At(8), CheckState::NotPen);
    return true;
}

// A pen that the player draws as one pixel or as a whole line.
bool MakesPen(const Record& r, CheckState& state)
{
    if (!MakesObject(r, state))
        return false;
    // A pen that draws nothing has no width that matters.
    const bool draws = (r.At(offsetof(EMRCREATEPEN, lopn.lopnStyle)) & PS_STYLE_MASK) != PS_NULL;
    state.Make(r.At(8), CheckState::PlainPen, draws ? (double)r.LongAt(offsetof(EMRCREATEPEN, lopn.lopnWidth)) : 0);
    return true;
}

bool MakesPalette(const Record& r, CheckState& state)
{
    return MakesObject(r, state) && r.Holds(16, r.WordAt(14), 4);
}

bool SetsPaletteEntries(const Record& r, CheckState& state)
{
    return MakesObject(r, state) && r.Holds(20, r.At(16), 4);
}

bool MakesMonoBrush(const Record& r, CheckState& state)
{
    return MakesObject(r, state) && IsBitmapSound(r, offsetof(EMRCREATEMONOBRUSH, offBmi), BitmapAlwaysRead,
                                                  r.At(offsetof(EMRCREATEMONOBRUSH, iUsage)) != PaletteIndices);
}

bool MakesPatternBrush(const Record& r, CheckState& state)
{
    return MakesObject(r, state) && IsBitmapSound(r, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi));
}

bool MakesExtendedPen(const Record& r, CheckState& state)
{
    // Only a pen with a bitmap pattern has its bitmap read.
    const DWORD style = r.At(offsetof(EMREXTCREATEPEN, elp.elpBrushStyle));
    const BitmapUse use = style == BS_DIBPATTERN || style == BS_DIBPATTERNPT ? BitmapAlwaysRead : BitmapReadWhenPlaced;
    if (!MakesObject(r, state) || !IsBitmapSound(r, offsetof(EMREXTCREATEPEN, offBmi), use) ||
        !r.Holds(offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), r.At(offsetof(EMREXTCREATEPEN, elp.elpNumEntries)), 4))
        return false;
    const DWORD penStyle = r.At(offsetof(EMREXTCREATEPEN, elp.elpPenStyle));
    const DWORD dashes = penStyle & PS_STYLE_MASK;
    const bool styled = (penStyle & PS_TYPE_MASK) == PS_GEOMETRIC && dashes != PS_SOLID && dashes != PS_NULL &&
                        dashes != PS_INSIDEFRAME;
    // A cosmetic pen draws a pixel wide, whatever width it names.
    const bool wide = (penStyle & PS_TYPE_MASK) == PS_GEOMETRIC && dashes != PS_NULL;
    const double width = wide ? (double)r.At(offsetof(EMREXTCREATEPEN, elp.elpWidth)) : 0;
    state.Make(r.At(8), styled ? CheckState::StyledPen : CheckState::PlainPen, width);
    return true;
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

bool NeverPlayed(const Record&, CheckState&)
{
    return false;
}

// The geometry that records carry, within what the header allows: beyond it
// the player's arithmetic overflows or it draws for ever. These run after
// the record's own check, so what they read lies inside the record.

// The point whose x is at 'at' and y after it, within the reach.
bool IsPoint(const Record& r, DWORD at, const CRecordReach& reach)
{
    return reach.HasPoint((double)r.LongAt(at), (double)r.LongAt(at + 4));
}

// The 32-bit points from byte 'from' up to byte 'to', one every 'stride'
// bytes (a point, or the point that starts a larger item).
bool ArePoints(const Record& r, DWORD from, DWORD to, const CRecordReach& reach, DWORD stride = 8)
{
    for (DWORD at = from; at + 8 <= to; at += stride)
        if (!IsPoint(r, at, reach))
            return false;
    return true;
}

// The points from byte From up to To: corners, arcs' boxes and radial
// points, pixels and lines' ends. An arc's box one unit high or wide, or
// none, is drawn in no time: only where it lies counts.
template <DWORD From, DWORD To>
bool HasFixedPointsWithin(const Record& r, CheckState& state)
{
    return ArePoints(r, From, To, state.Coordinates());
}

// A rounded rectangle's corners, and the size of its rounding.
bool HasRoundRectWithin(const Record& r, CheckState& state)
{
    const CRecordReach& reach = state.Coordinates();
    return ArePoints(r, 8, 24, reach) && reach.HasSize((double)r.LongAt(24), (double)r.LongAt(28));
}

// The corners of a rectangle given by its top left at 'at' and its size at
// 'sizeAt', each landing within the reach, whatever the transform turns
// them to.
bool IsBoxWithin(const Record& r, DWORD at, DWORD sizeAt, const CRecordReach& reach)
{
    const double x = (double)r.LongAt(at), y = (double)r.LongAt(at + 4);
    const double cx = (double)r.LongAt(sizeAt), cy = (double)r.LongAt(sizeAt + 4);
    return reach.HasPoint(x, y) && reach.HasPoint(x + cx, y) && reach.HasPoint(x, y + cy) &&
           reach.HasPoint(x + cx, y + cy);
}

// The width and height of the bitmap whose offset is at 'offsetsAt' (the
// record's own check has found a whole header there).
bool BitmapSize(const Record& r, DWORD offsetsAt, long long& width, long long& height)
{
    const DWORD offBmi = r.At(offsetsAt);
    if (offBmi == 0 || !r.Holds(offBmi, sizeof(BITMAPCOREHEADER)))
        return false;
    if (r.At(offBmi) == sizeof(BITMAPCOREHEADER))
    {
        width = r.WordAt(offBmi + offsetof(BITMAPCOREHEADER, bcWidth));
        height = r.WordAt(offBmi + offsetof(BITMAPCOREHEADER, bcHeight));
    }
    else
    {
        width = r.LongAt(offBmi + offsetof(BITMAPINFOHEADER, biWidth));
        height = std::llabs(r.LongAt(offBmi + offsetof(BITMAPINFOHEADER, biHeight)));
    }
    return true;
}

// A blit's source rectangle, its top left at 'at' and its size at 'sizeAt',
// in the pixels of the bitmap whose offset is at 'offsetsAt': each edge no
// farther from the bitmap than the bitmap's own width or height. A blit
// without a bitmap reads no source.
bool IsSourceWithin(const Record& r, DWORD at, DWORD sizeAt, DWORD offsetsAt)
{
    long long width, height;
    if (!BitmapSize(r, offsetsAt, width, height))
        return r.At(offsetsAt) == 0;
    const long long x = r.LongAt(at), y = r.LongAt(at + 4);
    const long long edges[][2] = {
        {x, width}, {x + r.LongAt(sizeAt), width}, {y, height}, {y + r.LongAt(sizeAt + 4), height}};
    for (const auto& edge : edges)
        if (edge[0] < -edge[1] || edge[0] > 2 * edge[1])
            return false;
    return true;
}

// A blit: its destination, its top left at Dest and its size at DestSize;
// its source, at Source with its size at SourceSize, in the bitmap at
// Bitmap; and, where there is one, its mask at Mask in the bitmap at
// MaskBitmap, as large as the source.
template <DWORD Dest, DWORD DestSize, DWORD Source, DWORD SourceSize, DWORD Bitmap, DWORD Mask = 0,
          DWORD MaskBitmap = 0>
bool HasBlitWithin(const Record& r, CheckState& state)
{
    return IsBoxWithin(r, Dest, DestSize, state.Coordinates()) && IsSourceWithin(r, Source, SourceSize, Bitmap) &&
           (MaskBitmap == 0 || IsSourceWithin(r, Mask, SourceSize, MaskBitmap));
}

// A parallelogram blit: three destination points, a source and a mask.
bool HasParallelogramBlitWithin(const Record& r, CheckState& state)
{
    return ArePoints(r, offsetof(EMRPLGBLT, aptlDest), offsetof(EMRPLGBLT, xSrc), state.Coordinates()) &&
           IsSourceWithin(r, offsetof(EMRPLGBLT, xSrc), offsetof(EMRPLGBLT, cxSrc), offsetof(EMRPLGBLT, offBmiSrc)) &&
           IsSourceWithin(r, offsetof(EMRPLGBLT, xMask), offsetof(EMRPLGBLT, cxSrc), offsetof(EMRPLGBLT, offBmiMask));
}

// 32-bit points counted at byte 24, from byte 28 on.
bool HasPointsWithin(const Record& r, CheckState& state)
{
    return ArePoints(r, 28, 28 + 8 * r.At(24), state.Coordinates());
}

// 32-bit points after the polygons' point counts.
bool HasPolyPointsWithin(const Record& r, CheckState& state)
{
    const DWORD first = 32 + 4 * r.At(24);
    return ArePoints(r, first, first + 8 * r.At(28), state.Coordinates());
}

// A centre and radius within the reach, and angles that are numbers.
bool HasAngleArcWithin(const Record& r, CheckState& state)
{
    const CRecordReach& reach = state.Coordinates();
    const double radius = r.At(16);
    return IsPoint(r, 8, reach) && reach.HasSize(radius, radius) && std::isfinite(r.FloatAt(20)) &&
           std::isfinite(r.FloatAt(24));
}

// A pen no wider than the picture's reach; the width is read as the record
// stores it, signed or not.
template <DWORD WidthAt, bool Signed>
bool HasPenWidth(const Record& r, CheckState& state)
{
    return state.Coordinates().HasPenWidth(Signed ? (double)r.LongAt(WidthAt) : (double)r.At(WidthAt));
}

// The reference point of a text at 'at', and its rectangle where the
// options have the player fill or clip to it.
bool IsTextPlaced(const Record& r, DWORD at, const CRecordReach& reach)
{
    const bool rectangleUsed = (r.At(at + offsetof(EMRTEXT, fOptions)) & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
    return IsPoint(r, at + offsetof(EMRTEXT, ptlReference), reach) &&
           (!rectangleUsed || ArePoints(r, at + offsetof(EMRTEXT, rcl), at + offsetof(EMRTEXT, offDx), reach));
}

bool HasTextWithin(const Record& r, CheckState& state)
{
    return IsTextPlaced(r, offsetof(EMREXTTEXTOUTA, emrtext), state.Coordinates());
}

bool HasTextsWithin(const Record& r, CheckState& state)
{
    const DWORD count = r.At(offsetof(EMRPOLYTEXTOUTA, cStrings));
    const CRecordReach& reach = state.Coordinates();
    for (DWORD i = 0; i < count; ++i)
        if (!IsTextPlaced(r, offsetof(EMRPOLYTEXTOUTA, aemrtext) + i * sizeof(EMRTEXT), reach))
            return false;
    return true;
}

bool HasGradientWithin(const Record& r, CheckState& state)
{
    const DWORD first = offsetof(EMRGRADIENTFILL, Ver);
    return ArePoints(r, first, first + r.At(24) * sizeof(TRIVERTEX), state.Coordinates(), sizeof(TRIVERTEX));
}

// The records that set, change, save and restore the world transform and
// the mapping move the space the coordinates after them are measured in.
// False when one makes the world transform unbounded or restores a state
// that was not saved.
bool SetsWorld(const Record& r, CheckState& state)
{
    XFORM matrix;
    std::memcpy(&matrix, r.data + offsetof(EMRSETWORLDTRANSFORM, xform), sizeof(matrix));
    state.spaceChanged = true;
    return state.space.SetWorld(matrix);
}

bool ModifiesWorld(const Record& r, CheckState& state)
{
    XFORM matrix;
    std::memcpy(&matrix, r.data + offsetof(EMRMODIFYWORLDTRANSFORM, xform), sizeof(matrix));
    state.spaceChanged = true;
    return state.space.ModifyWorld(matrix, r.At(offsetof(EMRMODIFYWORLDTRANSFORM, iMode)));
}

bool SetsMapMode(const Record& r, CheckState& state)
{
    state.spaceChanged = true;
    state.space.SetMapMode(r.At(8));
    return true;
}

// An extent or an origin: the pair at byte 8.
template <void (CRecordSpace::*Set)(LONG, LONG)>
bool SetsMapping(const Record& r, CheckState& state)
{
    state.spaceChanged = true;
    (state.space.*Set)((LONG)r.At(8), (LONG)r.At(12));
    return true;
}

template <void (CRecordSpace::*Scale)(LONG, LONG, LONG, LONG)>
bool ScalesMapping(const Record& r, CheckState& state)
{
    state.spaceChanged = true;
    (state.space.*Scale)((LONG)r.At(8), (LONG)r.At(12), (LONG)r.At(16), (LONG)r.At(20));
    return true;
}

bool SavesSpace(const Record&, CheckState& state)
{
    state.Save();
    return true;
}

bool RestoresSpace(const Record& r, CheckState& state)
{
    return state.Restore((LONG)r.At(8));
}

// The path is dropped, and a new one begun (InPath) or none (an abort).
template <bool InPath>
bool DropsPath(const Record&, CheckState& state)
{
    state.inPath = InPath;
    state.pathSpan = 0;
    state.path.Clear();
    return true;
}

bool EndsPath(const Record&, CheckState& state)
{
    state.inPath = false;
    return true;
}

// Strokes or widens the path with the pen.
bool StrokesPath(const Record&, CheckState& state)
{
    return state.PenFits() && (state.inPath || !state.styledPen || state.pathSpan <= CheckState::StrokeSpanLimit);
}

// How long the strokes of the pen are, measured against the reach as the
// records map them: each measure answers the span, and moves the current
// position where its record moves it. Curves count as the outline of their
// box, which is at least as long.

// The logical point whose x is at 'at', of 32 or 16 bits.
template <DWORD PointSize>
void PointAt(const Record& r, DWORD at, double& x, double& y)
{
    x = CoordinateAt<PointSize>(r.data + at);
    y = CoordinateAt<PointSize>(r.data + at + PointSize / 2);
}

// The lines through 'count' points from byte 'at': from the current
// position first when 'fromPosition', back to the first when 'closed'.
template <DWORD PointSize>
double PolylineSpan(const Record& r, DWORD at, DWORD count, const CRecordReach& reach, bool fromPosition, bool closed,
                    CheckState& state)
{
    if (count == 0)
        return 0;
    double firstX, firstY;
    PointAt<PointSize>(r, at, firstX, firstY);
    double span = fromPosition ? reach.Span(firstX - state.positionX, firstY - state.positionY) : 0;
    double x = firstX, y = firstY;
    for (DWORD i = 1; i < count; ++i)
    {
        double nextX, nextY;
        PointAt<PointSize>(r, at + i * PointSize, nextX, nextY);
        span += reach.Span(nextX - x, nextY - y);
        x = nextX;
        y = nextY;
    }
    if (closed)
        span += reach.Span(firstX - x, firstY - y);
    if (fromPosition)
    {
        state.positionX = x;
        state.positionY = y;
    }
    return span;
}

// Points counted at byte 24, from byte 28 on.
template <DWORD PointSize, bool FromPosition, bool Closed>
double MeasuresPolyline(const Record& r, CheckState& state)
{
    const DWORD count = r.At(24);
    if (!state.Measuring())
    {
        if (FromPosition && count != 0)
            PointAt<PointSize>(r, 28 + (count - 1) * PointSize, state.positionX, state.positionY);
        return 0;
    }
    return PolylineSpan<PointSize>(r, 28, count, state.Coordinates(), FromPosition, Closed, state);
}

// Polylines or polygons, their point counts from byte 32.
template <DWORD PointSize, bool Closed>
double MeasuresPolyPolyline(const Record& r, CheckState& state)
{
    if (!state.Measuring())
        return 0;
    const DWORD polygons = r.At(24);
    DWORD at = 32 + 4 * polygons;
    double span = 0;
    for (DWORD i = 0; i < polygons; ++i)
    {
        const DWORD count = r.At(32 + 4 * i);
        span += PolylineSpan<PointSize>(r, at, count, state.Coordinates(), false, Closed, state);
        at += count * PointSize;
    }
    return span;
}

bool MovesTo(const Record& r, CheckState& state)
{
    PointAt<8>(r, 8, state.positionX, state.positionY);
    return true;
}

double MeasuresLineTo(const Record& r, CheckState& state)
{
    double x, y;
    PointAt<8>(r, 8, x, y);
    const double span = state.Measuring() ? state.Coordinates().Span(x - state.positionX, y - state.positionY) : 0;
    state.positionX = x;
    state.positionY = y;
    return span;
}

// The outline of the box from byte 8 to byte 24, and for 'Lines' more
// lines across it (a pie's or a chord's).
double BoxSpan(const Record& r, const CRecordReach& reach, int lines)
{
    const double width = (double)r.LongAt(16) - r.LongAt(8), height = (double)r.LongAt(20) - r.LongAt(12);
    const double across = reach.Span(width, 0), down = reach.Span(0, height);
    return 2 * (across + down) + lines * reach.Span(width, height);
}

template <int Lines>
double MeasuresBox(const Record& r, CheckState& state)
{
    return state.Measuring() ? BoxSpan(r, state.Coordinates(), Lines) : 0;
}

// An arc from the current position: a line to its start, and the arc,
// which ends where its end radial meets the ellipse.
double MeasuresArcTo(const Record& r, CheckState& state)
{
    const double left = (double)r.LongAt(8), top = (double)r.LongAt(12);
    const double right = (double)r.LongAt(16), bottom = (double)r.LongAt(20);
    const double centreX = (left + right) / 2, centreY = (top + bottom) / 2;
    double span = 0;
    if (state.Measuring())
    {
        const CRecordReach& reach = state.Coordinates();
        span = BoxSpan(r, reach, 1) + reach.Span(centreX - state.positionX, centreY - state.positionY);
    }
    const double a = (right - left) / 2, b = (bottom - top) / 2;
    const double dx = (double)r.LongAt(32) - centreX, dy = (double)r.LongAt(36) - centreY;
    const double scale =
        a != 0 && b != 0 && (dx != 0 || dy != 0) ? 1 / std::sqrt(dx * dx / (a * a) + dy * dy / (b * b)) : 0;
    state.positionX = centreX + dx * scale;
    state.positionY = centreY + dy * scale;
    return span;
}

// A line from the current position to the circle's start and the arc.
double MeasuresAngleArc(const Record& r, CheckState& state)
{
    const double centreX = (double)r.LongAt(8), centreY = (double)r.LongAt(12), radius = r.At(16);
    double span = 0;
    if (state.Measuring())
    {
        const CRecordReach& reach = state.Coordinates();
        span = 4 * (reach.Span(radius, 0) + reach.Span(0, radius)) + reach.Span(radius, radius) +
               reach.Span(centreX - state.positionX, centreY - state.positionY);
    }
    const double end = (r.FloatAt(20) + r.FloatAt(24)) * 3.14159265358979323846 / 180;
    state.positionX = centreX + radius * std::cos(end);
    state.positionY = centreY - radius * std::sin(end);
    return span;
}

// What the records give the player to fill, measured down the device as
// the records map them: a polygon is filled at once; inside a path every
// record that draws adds its outline to the path, which a later record
// fills, clips to or widens. A curve crosses no more rows than the
// outline of its box (or of its control points), twice its height; text
// added to a path is not measured.

// The lines through 'count' points from byte 'at': a figure of their own,
// or on from the current position when 'fromPosition'.
template <DWORD PointSize>
void AddLines(const Record& r, DWORD at, DWORD count, bool fromPosition, bool closed, const CheckState& state,
              const CRecordReach& reach, CFillTally& outline)
{
    const double position = reach.Down(state.positionX, state.positionY);
    AddPointLines<PointSize>(r.data + at, count, reach.DownOf(), fromPosition ? &position : NULL, closed, outline);
}

// Points counted at byte 24, from byte 28 on: a polygon is filled now
// outside a path, and any of them adds to a path.
template <DWORD PointSize, bool FromPosition, bool Closed>
bool OutlinesPolyline(const Record& r, CheckState& state)
{
    if (!state.inPath && !Closed)
        return true;
    CFillTally polygon;
    CFillTally& outline = state.inPath ? state.path : polygon;
    AddLines<PointSize>(r, 28, r.At(24), FromPosition, Closed, state, state.Coordinates(), outline);
    return state.inPath || state.fills.Spend(polygon);
}

// Polylines or polygons, their point counts from byte 32: the polygons are
// filled together.
template <DWORD PointSize, bool Closed>
bool OutlinesPolyPolyline(const Record& r, CheckState& state)
{
    if (!state.inPath && !Closed)
        return true;
    CFillTally polygons;
    CFillTally& outline = state.inPath ? state.path : polygons;
    const CRecordReach& reach = state.Coordinates();
    const DWORD figures = r.At(24);
    DWORD at = 32 + 4 * figures;
    for (DWORD i = 0; i < figures; ++i)
    {
        const DWORD count = r.At(32 + 4 * i);
        AddLines<PointSize>(r, at, count, false, Closed, state, reach, outline);
        at += count * PointSize;
    }
    return state.inPath || state.fills.Spend(polygons);
}

bool OutlinesLineTo(const Record& r, CheckState& state)
{
    if (state.inPath)
        AddLines<8>(r, 8, 1, true, false, state, state.Coordinates(), state.path);
    return true;
}

// A move ends the figure; the next line starts one where it moved to.
bool OutlinesMoveTo(const Record&, CheckState& state)
{
    if (state.inPath)
        state.path.CloseFigure();
    return true;
}

// How far down the device the box of the given logical corners lies.
void BoxDown(const CRecordReach& reach, double left, double top, double right, double bottom, double& highest,
             double& lowest)
{
    const double downs[] = {reach.Down(left, top), reach.Down(right, top), reach.Down(left, bottom),
                            reach.Down(right, bottom)};
    highest = *std::min_element(std::begin(downs), std::end(downs));
    lowest = *std::max_element(std::begin(downs), std::end(downs));
}

// A closed figure of its own in a box from byte 8 to byte 24, crossing
// 'Heights' times the box's height in rows: an ellipse or a rectangle 2, an
// arc closed by its chord 3, a pie or a chord 4.
template <int Heights>
bool OutlinesBox(const Record& r, CheckState& state)
{
    if (!state.inPath)
        return true;
    double top, bottom;
    BoxDown(state.Coordinates(), (double)r.LongAt(8), (double)r.LongAt(12), (double)r.LongAt(16), (double)r.LongAt(20),
            top, bottom);
    state.path.CloseFigure();
    state.path.AddPart(top, bottom, Heights * (bottom - top), 4);
    return true;
}

// A line from the current position to an arc's start and the arc, on in
// the same figure, measured from its box's centre: the start and the end
// lie within half the box's height of it, so the line, the arc and the
// edges after it cross at most 3.5 heights more than lines through the
// centre would.
void AddArcFromPosition(CheckState& state, double left, double top, double right, double bottom)
{
    if (!state.inPath)
        return;
    const CRecordReach& reach = state.Coordinates();
    double highest, lowest;
    BoxDown(reach, left, top, right, bottom, highest, lowest);
    state.path.OpenAt(reach.Down(state.positionX, state.positionY));
    state.path.LineTo(reach.Down((left + right) / 2, (top + bottom) / 2));
    state.path.AddPart(highest, lowest, 3.5 * (lowest - highest), 4);
}

bool OutlinesArcTo(const Record& r, CheckState& state)
{
    AddArcFromPosition(state, (double)r.LongAt(8), (double)r.LongAt(12), (double)r.LongAt(16), (double)r.LongAt(20));
    return true;
}

bool OutlinesAngleArc(const Record& r, CheckState& state)
{
    const double x = (double)r.LongAt(8), y = (double)r.LongAt(12), radius = r.At(16);
    AddArcFromPosition(state, x - radius, y - radius, x + radius, y + radius);
    return true;
}

// Fills the path or makes it the clipping region.
bool FillsPath(const Record&, CheckState& state)
{
    return state.fills.Spend(state.path);
}

bool WidensPath(const Record&, CheckState& state)
{
    state.path.Widen(state.Coordinates().PenDown(state.penWidth));
    return true;
}

// What the player reads of each record kind: the fixed part, and what the
// check looks at beyond it (none: the fixed part is all). A kind not listed
// is read no further than its type and size.
struct RecordRule
{
    DWORD type;
    DWORD minimumSize;
    RecordCheck check;
    RecordCheck geometry;
    // How long the record's strokes are (null: it strokes nothing); it also
    // follows the current position where the record moves it.
    double (*stroke)(const Record& r, CheckState& state);
    // What the record fills, or adds to the path (null: nothing). It reads
    // the current position before the stroke's measure moves it.
    RecordCheck outline;
};

// Small text records are not played here.
const DWORD SmallTextRecord = 108;

constexpr RecordRule RecordRules[] = {
    {EMR_HEADER, 88, OpensPicture},
    {EMR_POLYBEZIER, 28, HasPoints<8>, HasPointsWithin, MeasuresPolyline<8, false, false>,
     OutlinesPolyline<8, false, false>},
    {EMR_POLYGON, 28, HasPoints<8>, HasPointsWithin, MeasuresPolyline<8, false, true>,
     OutlinesPolyline<8, false, true>},
    {EMR_POLYLINE, 28, HasPoints<8>, HasPointsWithin, MeasuresPolyline<8, false, false>,
     OutlinesPolyline<8, false, false>},
    {EMR_POLYBEZIERTO, 28, HasPoints<8>, HasPointsWithin, MeasuresPolyline<8, true, false>,
     OutlinesPolyline<8, true, false>},
    {EMR_POLYLINETO, 28, HasPoints<8>, HasPointsWithin, MeasuresPolyline<8, true, false>,
     OutlinesPolyline<8, true, false>},
    {EMR_POLYPOLYLINE, 32, HasPolyPoints<8>, HasPolyPointsWithin, MeasuresPolyPolyline<8, false>,
     OutlinesPolyPolyline<8, false>},
    {EMR_POLYPOLYGON, 32, HasPolyPoints<8>, HasPolyPointsWithin, MeasuresPolyPolyline<8, true>,
     OutlinesPolyPolyline<8, true>},
    {EMR_SETWINDOWEXTEX, 16, SetsMapping<&CRecordSpace::SetWindowExtent>},
    {EMR_SETWINDOWORGEX, 16, SetsMapping<&CRecordSpace::SetWindowOrigin>},
    {EMR_SETVIEWPORTEXTEX, 16, SetsMapping<&CRecordSpace::SetViewportExtent>},
    {EMR_SETVIEWPORTORGEX, 16, SetsMapping<&CRecordSpace::SetViewportOrigin>},
    {EMR_SETBRUSHORGEX, 16, NULL},
    {EMR_EOF, 20, EndsPicture},
    {EMR_SETPIXELV, 20, NULL, HasFixedPointsWithin<8, 16>},
    {EMR_SETMAPPERFLAGS, 12, NULL},
    {EMR_SETMAPMODE, 12, SetsMapMode},
    {EMR_SETBKMODE, 12, NULL},
    {EMR_SETPOLYFILLMODE, 12, NULL},
    {EMR_SETROP2, 12, NULL},
    {EMR_SETSTRETCHBLTMODE, 12, NULL},
    {EMR_SETTEXTALIGN, 12, NULL},
    {EMR_SETCOLORADJUSTMENT, sizeof(EMRSETCOLORADJUSTMENT), NULL},
    {EMR_SETTEXTCOLOR, 12, NULL},
    {EMR_SETBKCOLOR, 12, NULL},
    {EMR_OFFSETCLIPRGN, 16, NULL},
    {EMR_MOVETOEX, 16, MovesTo, HasFixedPointsWithin<8, 16>, NULL, OutlinesMoveTo},
    {EMR_EXCLUDECLIPRECT, 24, NULL},
    {EMR_INTERSECTCLIPRECT, 24, NULL},
    {EMR_SCALEVIEWPORTEXTEX, 24, ScalesMapping<&CRecordSpace::ScaleViewportExtent>},
    {EMR_SCALEWINDOWEXTEX, 24, ScalesMapping<&CRecordSpace::ScaleWindowExtent>},
    {EMR_SAVEDC, 8, SavesSpace},
    {EMR_RESTOREDC, 12, RestoresSpace},
    {EMR_SETWORLDTRANSFORM, sizeof(EMRSETWORLDTRANSFORM), SetsWorld},
    {EMR_MODIFYWORLDTRANSFORM, sizeof(EMRMODIFYWORLDTRANSFORM), ModifiesWorld},
    {EMR_SELECTOBJECT, 12, SelectsObject},
    {EMR_CREATEPEN, sizeof(EMRCREATEPEN), MakesPen, HasPenWidth<offsetof(EMRCREATEPEN, lopn.lopnWidth), true>},
    {EMR_CREATEBRUSHINDIRECT, sizeof(EMRCREATEBRUSHINDIRECT), MakesObject},
    {EMR_DELETEOBJECT, 12, DeletesObject},
    {EMR_ANGLEARC, sizeof(EMRANGLEARC), NULL, HasAngleArcWithin, MeasuresAngleArc, OutlinesAngleArc},
    {EMR_ELLIPSE, 24, NULL, HasFixedPointsWithin<8, 24>, MeasuresBox<0>, OutlinesBox<2>},
    {EMR_RECTANGLE, 24, NULL, HasFixedPointsWithin<8, 24>, MeasuresBox<0>, OutlinesBox<2>},
    {EMR_ROUNDRECT, sizeof(EMRROUNDRECT), NULL, HasRoundRectWithin, MeasuresBox<0>, OutlinesBox<2>},
    {EMR_ARC, sizeof(EMRARC), NULL, HasFixedPointsWithin<8, sizeof(EMRARC)>, MeasuresBox<0>, OutlinesBox<3>},
    {EMR_CHORD, sizeof(EMRARC), NULL, HasFixedPointsWithin<8, sizeof(EMRARC)>, MeasuresBox<2>, OutlinesBox<4>},
    {EMR_PIE, sizeof(EMRARC), NULL, HasFixedPointsWithin<8, sizeof(EMRARC)>, MeasuresBox<2>, OutlinesBox<4>},
    {EMR_SELECTPALETTE, 12, SelectsPalette},
    {EMR_CREATEPALETTE, 16, MakesPalette},
    {EMR_SETPALETTEENTRIES, 20, SetsPaletteEntries},
    {EMR_RESIZEPALETTE, sizeof(EMRRESIZEPALETTE), MakesObject},
    {EMR_EXTFLOODFILL, sizeof(EMREXTFLOODFILL), NULL, HasFixedPointsWithin<8, 16>},
    {EMR_LINETO, 16, NULL, HasFixedPointsWithin<8, 16>, MeasuresLineTo, OutlinesLineTo},
    {EMR_ARCTO, sizeof(EMRARC), NULL, HasFixedPointsWithin<8, sizeof(EMRARC)>, MeasuresArcTo, OutlinesArcTo},
    {EMR_POLYDRAW, 28, HasPoints<9>, HasPointsWithin, MeasuresPolyline<8, true, false>,
     OutlinesPolyline<8, true, false>},
    {EMR_SETARCDIRECTION, 12, NULL},
    {EMR_SETMITERLIMIT, 12, NULL},
    {EMR_FILLPATH, 24, NULL, NULL, NULL, FillsPath},
    {EMR_STROKEANDFILLPATH, 24, StrokesPath, NULL, NULL, FillsPath},
    {EMR_STROKEPATH, 24, StrokesPath},
    {EMR_SELECTCLIPPATH, 12, NULL, NULL, NULL, FillsPath},
    {EMR_BEGINPATH, 8, DropsPath<true>},
    {EMR_ENDPATH, 8, EndsPath},
    {EMR_ABORTPATH, 8, DropsPath<false>},
    {EMR_WIDENPATH, 8, StrokesPath, NULL, NULL, WidensPath},
    {EMR_GDICOMMENT, 12, HasComment},
    {EMR_FILLRGN, 32, PaintsRegion<32>},
    {EMR_FRAMERGN, 40, PaintsRegion<40>},
    {EMR_INVERTRGN, 28, HasRegion<24, 28>},
    {EMR_PAINTRGN, 28, HasRegion<24, 28>},
    {EMR_EXTSELECTCLIPRGN, 16, HasRegion<8, 16>},
    {EMR_BITBLT, sizeof(EMRBITBLT), BlitsSource<offsetof(EMRBITBLT, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRBITBLT, xDest), offsetof(EMRBITBLT, cxDest), offsetof(EMRBITBLT, xSrc),
                   offsetof(EMRBITBLT, cxDest), offsetof(EMRBITBLT, offBmiSrc)>},
    {EMR_STRETCHBLT, sizeof(EMRSTRETCHBLT), BlitsSource<offsetof(EMRSTRETCHBLT, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRSTRETCHBLT, xDest), offsetof(EMRSTRETCHBLT, cxDest), offsetof(EMRSTRETCHBLT, xSrc),
                   offsetof(EMRSTRETCHBLT, cxSrc), offsetof(EMRSTRETCHBLT, offBmiSrc)>},
    {EMR_MASKBLT, sizeof(EMRMASKBLT),
     BlitsSourceAndMask<offsetof(EMRMASKBLT, offBmiSrc), offsetof(EMRMASKBLT, offBmiMask)>,
     HasBlitWithin<offsetof(EMRMASKBLT, xDest), offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xSrc),
                   offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, offBmiSrc), offsetof(EMRMASKBLT, xMask),
                   offsetof(EMRMASKBLT, offBmiMask)>},
    {EMR_PLGBLT, sizeof(EMRPLGBLT), BlitsSourceAndMask<offsetof(EMRPLGBLT, offBmiSrc), offsetof(EMRPLGBLT, offBmiMask)>,
     HasParallelogramBlitWithin},
    {EMR_SETDIBITSTODEVICE, sizeof(EMRSETDIBITSTODEVICE), HasBitmap<offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRSETDIBITSTODEVICE, xDest), offsetof(EMRSETDIBITSTODEVICE, cxSrc),
                   offsetof(EMRSETDIBITSTODEVICE, xSrc), offsetof(EMRSETDIBITSTODEVICE, cxSrc),
                   offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)>},
    {EMR_STRETCHDIBITS, sizeof(EMRSTRETCHDIBITS), HasBitmap<offsetof(EMRSTRETCHDIBITS, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRSTRETCHDIBITS, xDest), offsetof(EMRSTRETCHDIBITS, cxDest),
                   offsetof(EMRSTRETCHDIBITS, xSrc), offsetof(EMRSTRETCHDIBITS, cxSrc),
                   offsetof(EMRSTRETCHDIBITS, offBmiSrc)>},
    {EMR_EXTCREATEFONTINDIRECTW, 12 + sizeof(LOGFONTW), MakesObject},
    {EMR_EXTTEXTOUTA, sizeof(EMREXTTEXTOUTA), HasText<1>, HasTextWithin},
    {EMR_EXTTEXTOUTW, sizeof(EMREXTTEXTOUTA), HasText<2>, HasTextWithin},
    {EMR_POLYBEZIER16, 28, HasPoints<4>, NULL, MeasuresPolyline<4, false, false>, OutlinesPolyline<4, false, false>},
    {EMR_POLYGON16, 28, HasPoints<4>, NULL, MeasuresPolyline<4, false, true>, OutlinesPolyline<4, false, true>},
    {EMR_POLYLINE16, 28, HasPoints<4>, NULL, MeasuresPolyline<4, false, false>, OutlinesPolyline<4, false, false>},
    {EMR_POLYBEZIERTO16, 28, HasPoints<4>, NULL, MeasuresPolyline<4, true, false>, OutlinesPolyline<4, true, false>},
    {EMR_POLYLINETO16, 28, HasPoints<4>, NULL, MeasuresPolyline<4, true, false>, OutlinesPolyline<4, true, false>},
    {EMR_POLYPOLYLINE16, 32, HasPolyPoints<4>, NULL, MeasuresPolyPolyline<4, false>, OutlinesPolyPolyline<4, false>},
    {EMR_POLYPOLYGON16, 32, HasPolyPoints<4>, NULL, MeasuresPolyPolyline<4, true>, OutlinesPolyPolyline<4, true>},
    {EMR_POLYDRAW16, 28, HasPoints<5>, NULL, MeasuresPolyline<4, true, false>, OutlinesPolyline<4, true, false>},
    {EMR_CREATEMONOBRUSH, sizeof(EMRCREATEMONOBRUSH), MakesMonoBrush},
    {EMR_CREATEDIBPATTERNBRUSHPT, sizeof(EMRCREATEDIBPATTERNBRUSHPT), MakesPatternBrush},
    {EMR_EXTCREATEPEN, offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), MakesExtendedPen,
     HasPenWidth<offsetof(EMREXTCREATEPEN, elp.elpWidth), false>},
    {EMR_POLYTEXTOUTA, offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<1>, HasTextsWithin},
    {EMR_POLYTEXTOUTW, offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<2>, HasTextsWithin},
    {EMR_SETICMMODE, 12, NULL},
    {EMR_CREATECOLORSPACE, sizeof(EMRCREATECOLORSPACE), MakesObject},
    {EMR_SETCOLORSPACE, 12, NamesObject},
    {EMR_DELETECOLORSPACE, 12, NamesObject},
    {EMR_PIXELFORMAT, sizeof(EMRPIXELFORMAT), NULL},
    {SmallTextRecord, 8, NeverPlayed},
    {EMR_COLORCORRECTPALETTE, 24, NULL},
    {EMR_SETICMPROFILEA, 20, HasProfile},
    {EMR_SETICMPROFILEW, 20, HasProfile},
    {EMR_ALPHABLEND, sizeof(EMRALPHABLEND), BlitsSource<offsetof(EMRALPHABLEND, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRALPHABLEND, xDest), offsetof(EMRALPHABLEND, cxDest), offsetof(EMRALPHABLEND, xSrc),
                   offsetof(EMRALPHABLEND, cxSrc), offsetof(EMRALPHABLEND, offBmiSrc)>},
    {EMR_SETLAYOUT, 12, NULL},
    {EMR_TRANSPARENTBLT, sizeof(EMRTRANSPARENTBLT), BlitsSource<offsetof(EMRTRANSPARENTBLT, offBmiSrc)>,
     HasBlitWithin<offsetof(EMRTRANSPARENTBLT, xDest), offsetof(EMRTRANSPARENTBLT, cxDest),
                   offsetof(EMRTRANSPARENTBLT, xSrc), offsetof(EMRTRANSPARENTBLT, cxSrc),
                   offsetof(EMRTRANSPARENTBLT, offBmiSrc)>},
    {EMR_GRADIENTFILL, offsetof(EMRGRADIENTFILL, Ver), HasGradient, HasGradientWithin},
    {EMR_COLORMATCHTOTARGETW, 20, HasProfile},
    {EMR_CREATECOLORSPACEW, offsetof(EMRCREATECOLORSPACEW, Data), MakesObject},
};

// The rules by record type, so that finding one is an index; a kind not
// listed has the least size and nothing further checked.
constexpr std::array<RecordRule, EMR_MAX + 1> RulesByType()
{
    std::array<RecordRule, EMR_MAX + 1> rules = {};
    for (DWORD type = 0; type <= EMR_MAX; ++type)
        rules[type] = RecordRule{type, 8, NULL, NULL, NULL};
    for (const RecordRule& rule : RecordRules)
        rules[rule.type] = rule;
    return rules;
}
constexpr std::array<RecordRule, EMR_MAX + 1> RuleOfType = RulesByType();
const RecordRule UnlistedRule = {0, 8, NULL, NULL, NULL};

// The reference device's pixels to a hundredth of a millimetre of the frame,
// across and down.
double PixelsPerHundredthAcross(const ENHMETAHEADER& header)
{
    return header.szlDevice.cx / (100.0 * header.szlMillimeters.cx);
}

double PixelsPerHundredthDown(const ENHMETAHEADER& header)
{
    return header.szlDevice.cy / (100.0 * header.szlMillimeters.cy);
}

// The header's sizes within what a picture can mean: a frame within 100 m
// of the origin and at least half a pixel of the reference device across
// and down (whichever way round), a reference device of at most 100,000
// pixels and 100 m a side with between 0.1 and 1,000 pixels to the
// millimetre, and a handle table no larger than a process may hold. Beyond
// these the player's scaling overflows or drawing takes for ever: the
// player stretches the frame onto the picture's place, so a frame thinner
// than a pixel stretches every record across thousands of pixels.
// Recorders write the bounds of what they draw, rounded down to hundredths
// of a millimetre: two pixels make a frame of 0.98 pixels, a line one pixel
// wide one of none.
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
    const double halfPixel = 0.5;
    return std::fabs((double)frame.right - frame.left) * PixelsPerHundredthAcross(header) >= halfPixel &&
           std::fabs((double)frame.bottom - frame.top) * PixelsPerHundredthDown(header) >= halfPixel &&
           header.nHandles >= 1 && header.nHandles <= 10000;
}

// The largest factor of a world transform, also of transforms made by
// multiplying others.
const double TransformScaleLimit = 100000;

// The box on the reference device within which the records draw.
CRecordReach::Box FrameReach(const ENHMETAHEADER& header)
{
    const RECTL& frame = header.rclFrame;
    const double across = PixelsPerHundredthAcross(header), down = PixelsPerHundredthDown(header);
    return CRecordReach::Box{((double)frame.left + frame.right) / 2 * across,
                             ((double)frame.top + frame.bottom) / 2 * down,
                             ReachPerFrame * std::fabs((double)frame.right - frame.left) * across,
                             ReachPerFrame * std::fabs((double)frame.bottom - frame.top) * down};
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
    CheckState state(data, header, TransformScaleLimit);
    // The player walks every record up to the length, end records included,
    // so every record is checked, and they must fill the length exactly.
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
        const RecordRule& rule = type <= EMR_MAX ? RuleOfType[type] : UnlistedRule;
        if (record.size < rule.minimumSize || (rule.check != NULL && !rule.check(record, state)) ||
            (rule.geometry != NULL && !rule.geometry(record, state)) ||
            (rule.outline != NULL && !rule.outline(record, state)) ||
            (rule.stroke != NULL && !state.Strokes(rule.stroke(record, state))))
            return FALSE;
        offset += record.size;
    }
    return state.ended;
}
