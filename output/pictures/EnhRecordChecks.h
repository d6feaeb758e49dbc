#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/files/LittleEndian.h"
#include "output/pictures/EnhRecordFields.h"

#include <cstddef>

// A record of an enhanced metafile as the load check reads it: what lies
// outside it reads as all ones.
struct EnhCheckedRecord
{
    const BYTE* data;
    DWORD size;

    DWORD At(DWORD offset) const { return Holds(offset, 4) ? ReadLittleEndianDword(data + offset) : 0xFFFFFFFF; }
    WORD WordAt(DWORD offset) const { return Holds(offset, 2) ? ReadLittleEndianWord(data + offset) : 0xFFFF; }
    // A block of 'count' items of 'item' bytes at 'offset' lies inside.
    bool Holds(unsigned long long offset, unsigned long long count, unsigned long long item = 1) const
    {
        return offset <= size && count * item <= size - offset;
    }
};

// What the records met so far let the next one hold: objects inside the
// handle table, and the header only at the start.
struct EnhCheckState
{
    const BYTE* first; // the header record
    const ENHMETAHEADER& header;
    bool ended;
};

// The checks of what a record names beyond its fixed part: counts of
// points, texts and palette entries, object indexes, embedded bitmaps and
// regions. Each answers whether the record holds all that the player reads.
typedef bool EnhRecordCheck(const EnhCheckedRecord& r, EnhCheckState& state);

// When the player reads a record's bitmap: always, or only when its header
// offset is not 0 (a blit without a source, a pen without a pattern).
enum BitmapUse
{
    BitmapAlwaysRead,
    BitmapReadWhenPlaced,
};

// The parts that the checks below are made of.
bool IsObjectIndex(DWORD index, DWORD handles, bool stockAllowed);
bool IsBitmapSound(const EnhCheckedRecord& r, DWORD offsetsAt, BitmapUse use = BitmapAlwaysRead, bool withTable = true);
bool IsRegionSound(const EnhCheckedRecord& r, DWORD sizeAt, DWORD dataAt, bool noneAllowed);
bool IsPolyPolySound(const EnhCheckedRecord& r, unsigned long long pointSize);
bool AreTextsSound(const EnhCheckedRecord& r, DWORD at, DWORD count, DWORD charSize);

EnhRecordCheck SelectsObject, NamesObject, MakesPalette, SetsPaletteEntries, MakesMonoBrush, MakesPatternBrush,
    MakesExtendedPen, HasComment, HasProfile, HasGradient, HasSmallText, OpensPicture, EndsPicture;

template <DWORD PointSize>
bool HasPoints(const EnhCheckedRecord& r, EnhCheckState&)
{
    return r.Holds(28, r.At(24), PointSize);
}

template <DWORD PointSize>
bool HasPolyPoints(const EnhCheckedRecord& r, EnhCheckState&)
{
    return IsPolyPolySound(r, PointSize);
}

// A region of the byte size at 'SizeAt' stored at 'DataAt': a clip's of no
// bytes is the whole device; a painted or inverted one's header is read
// whatever the size says.
template <DWORD SizeAt, DWORD DataAt, bool NoneAllowed>
bool HasRegion(const EnhCheckedRecord& r, EnhCheckState&)
{
    return IsRegionSound(r, SizeAt, DataAt, NoneAllowed);
}

// A region filled or framed with the brush whose index is at byte 28.
template <DWORD DataAt>
bool PaintsRegion(const EnhCheckedRecord& r, EnhCheckState& state)
{
    return IsObjectIndex(r.At(28), state.header.nHandles, false) && IsRegionSound(r, 24, DataAt, false);
}

// A bitmap, or a blit's source bitmap, which may be left out.
template <DWORD OffsetsAt, BitmapUse Use = BitmapAlwaysRead>
bool HasBitmap(const EnhCheckedRecord& r, EnhCheckState&)
{
    return IsBitmapSound(r, OffsetsAt, Use);
}

template <DWORD SourceAt, DWORD MaskAt>
bool BlitsSourceAndMask(const EnhCheckedRecord& r, EnhCheckState&)
{
    return IsBitmapSound(r, SourceAt, BitmapReadWhenPlaced) && IsBitmapSound(r, MaskAt);
}

// A text record's strings (TextsOf), of characters of 'CharSize' bytes.
template <bool Poly, DWORD CharSize>
bool HasTexts(const EnhCheckedRecord& r, EnhCheckState&)
{
    const EnhTexts texts = TextsOf(r, Poly);
    return AreTextsSound(r, texts.at, texts.count, CharSize);
}
