#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/EnhRecordFields.h"

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
// regions. Each answers whether the record holds all that the player reads;
// some take arguments of the kind's row.
typedef bool EnhRecordCheck(const EnhCheckedRecord& r, EnhCheckState& state);
EnhRecordCheck SelectsObject, NamesObject, MakesExtendedPen, HasProfile, HasGradient, HasSmallText, OpensPicture,
    EndsPicture;

// When the player reads a record's bitmap: always, or only when its header
// offset is not 0 (a blit without a source, a pen without a pattern).
enum BitmapUse
{
    BitmapAlwaysRead,
    BitmapReadWhenPlaced,
};

// A count at 'countAt' of items of so many bytes that follow it.
inline bool HasItems(const EnhCheckedRecord& r, EnhCheckState&, DWORD countAt, DWORD bytesEach)
{
    return r.Holds(countAt + 4ull, r.At(countAt), bytesEach);
}
// Names its palette, whose entries follow a count at 'countAt' (its high
// word where 'shift' is 16).
bool NamesPaletteEntries(const EnhCheckedRecord& r, EnhCheckState& state, DWORD countAt, DWORD shift);
// Polygons or polylines counted at byte 24, their points' total at 28,
// each one's count from 32.
bool HasPolyPoints(const EnhCheckedRecord& r, EnhCheckState&, DWORD pointSize);
// A region of the byte size at 'sizeAt' stored at 'dataAt': a clip's of no
// bytes is the whole device; a painted or inverted one's header is read
// whatever the size says.
bool HasRegion(const EnhCheckedRecord& r, EnhCheckState&, DWORD sizeAt, DWORD dataAt, bool noneAllowed);
// A region of the size at byte 24 painted or inverted, or filled or framed
// with the brush whose index is at byte 28.
bool PaintsRegion(const EnhCheckedRecord& r, EnhCheckState& state, DWORD dataAt, bool brush);
// A bitmap whose offsets are at 'offsetsAt' ('withTable' false for one of
// palette indexes, which has no colour table), or a blit's source and mask.
bool HasBitmap(const EnhCheckedRecord& r, EnhCheckState&, DWORD offsetsAt, BitmapUse use, bool withTable);
bool BlitsSourceAndMask(const EnhCheckedRecord& r, EnhCheckState&, DWORD sourceAt, DWORD maskAt);
// A pattern brush's bitmap; a monochrome brush's may be of palette indexes.
bool MakesBrush(const EnhCheckedRecord& r, EnhCheckState& state, bool mono);
// A text record's strings (TextsOf), of wide characters or not.
bool HasTexts(const EnhCheckedRecord& r, EnhCheckState&, bool poly, bool wide);
