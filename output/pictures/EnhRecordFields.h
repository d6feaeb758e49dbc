#pragma once

#include "afx/app/AfxWin.h"

#include <cstddef>
#include <cstring>

// A record's fields, as the guard reads them: the load check has found all
// that is read inside the record.
struct EnhRecordFields
{
    const BYTE* data;

    DWORD At(DWORD offset) const
    {
        DWORD value;
        std::memcpy(&value, data + offset, 4);
        return value;
    }
    double Long(DWORD offset) const { return (double)(LONG)At(offset); }
    double Float(DWORD offset) const
    {
        float value;
        std::memcpy(&value, data + offset, 4);
        return value;
    }
    double Short(DWORD offset) const
    {
        SHORT value;
        std::memcpy(&value, data + offset, 2);
        return value;
    }
    // The point at 'offset', of 32-bit numbers ('size' 8) or 16-bit (4).
    void Point(DWORD offset, DWORD size, double& x, double& y) const
    {
        x = size == 8 ? Long(offset) : Short(offset);
        y = size == 8 ? Long(offset + 4) : Short(offset + 2);
    }
};

// A record as the load check reads it: what lies outside it reads as all
// ones.
struct EnhCheckedRecord : EnhRecordFields
{
    DWORD size;

    DWORD At(DWORD offset) const { return Holds(offset, 4) ? EnhRecordFields::At(offset) : 0xFFFFFFFF; }
    // A block of 'count' items of 'item' bytes at 'offset' lies inside.
    bool Holds(unsigned long long offset, unsigned long long count, unsigned long long item = 1) const
    {
        return offset <= size && count * item <= size - offset;
    }
};

// A small text record, and its options that leave out the rectangle and
// store a character in one byte.
const DWORD SmallTextRecord = 108;
const DWORD SmallTextNoRectangle = 0x100, SmallTextCharacters = 0x200;

// Where a text record keeps its strings (EMRTEXT) and how many: one after
// an EXTTEXTOUT's fixed part, or a POLYTEXTOUT's count of them.
struct EnhTexts
{
    DWORD at, count;

    DWORD End() const { return at + count * (DWORD)sizeof(EMRTEXT); }
};
template <class Record>
EnhTexts TextsOf(const Record& r, bool poly)
{
    if (!poly)
        return {offsetof(EMREXTTEXTOUTA, emrtext), 1};
    return {offsetof(EMRPOLYTEXTOUTA, aemrtext), r.At(offsetof(EMRPOLYTEXTOUTA, cStrings))};
}

// Records of kinds that the platform's headers leave out: they only set
// state.
const DWORD ForceUfiMappingRecord = 109, LinkedUfisRecord = 119, TextJustificationRecord = 120;

// A small text record's characters: after its clipping rectangle unless the
// options leave it out, of two bytes each unless they say one.
struct EnhSmallText
{
    DWORD options, at, count;
    bool wide, rectangle;
};
template <class Record>
EnhSmallText SmallTextOf(const Record& r)
{
    const DWORD options = r.At(20);
    const bool rectangle = (options & SmallTextNoRectangle) == 0;
    return {options, rectangle ? 52u : 36u, r.At(16), (options & SmallTextCharacters) == 0, rectangle};
}

// An extended pen whose brush is a pattern, the only one whose bitmap the
// player reads: a solid pen's offsets may point anywhere (recorders point
// them at the record's end).
template <class Record>
bool IsPatternPen(const Record& r)
{
    const DWORD style = r.At(offsetof(EMREXTCREATEPEN, elp.elpBrushStyle));
    return style == BS_DIBPATTERN || style == BS_DIBPATTERNPT;
}
