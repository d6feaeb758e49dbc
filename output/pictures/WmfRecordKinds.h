#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/RecordTraits.h"

#include "foundation/files/LittleEndian.h"

#include <array>

class CDeviceClip;
class CDrawingMemory;
class CDrawingState;
struct RecordMemory;
struct WmfRecordKind;

// Where a text record's characters, a byte each, begin (a parameter) and
// how many there are.
struct WmfText
{
    DWORD at;
    WORD count;
};

// A Windows metafile's record's parameters, 16-bit words, as the load check
// reads them in the file and the guard while it plays (the load check has
// found all that is read of the fixed ones inside the record).
struct WmfParameters
{
    const BYTE* bytes;
    DWORD count;

    WORD operator[](DWORD i) const { return ReadLittleEndianWord(bytes + 2 * i); }
    double Coordinate(DWORD i) const { return (SHORT)(*this)[i]; }
    // A size or count the record may end before (0 then).
    double WordWithin(DWORD i) const { return i < count ? (*this)[i] : 0; }
    // TEXTOUT's characters follow their count, EXTTEXTOUT's its point,
    // count, options and the rectangle the options ask for.
    WmfText Text(bool extended) const
    {
        if (!extended)
            return {1, (*this)[0]};
        return {(((*this)[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 8u : 4u), (*this)[2]};
    }
};

// What the load check reads of a record: its parameters, the parameters on
// to the metafile's end, and the size of the player's object table.
struct WmfCheckedRecord
{
    WmfParameters p;
    WmfParameters rest;
    DWORD objects;
};

// What the time price of a record reads: the record, the DC as it is
// before it, what it draws with and where, and the player's object table's
// size.
struct WmfWorkPricing
{
    HDC dc;
    CDrawingState& drawing;
    const WmfParameters& p;
    const WmfRecordKind& kind;
    const CDeviceClip& clip;
    int objects;
};

// What the memory price of a record reads: the player's objects too.
struct WmfMemoryPricing
{
    HDC dc;
    CDrawingState& drawing;
    CDrawingMemory& memory;
    const WmfParameters& p;
    const WmfRecordKind& kind;
    const HANDLETABLE& table;
    int objects;
};

// Whether the player's reading stays inside (WmfRecordChecks), estimated
// microseconds (WmfRecordWork) and bytes held (WmfRecordMemory).
typedef bool WmfRecordCheck(const WmfCheckedRecord& r);
typedef double WmfWorkPrice(const WmfWorkPricing& p);
typedef RecordMemory WmfMemoryPrice(const WmfMemoryPricing& p);

// What the player reads of a kind of record (its fixed parameters, and a
// check of what it reads beyond them), what playing it costs and what it is
// (RecordTrait).
struct WmfRecordKind
{
    WORD function;
    DWORD fixedParameters;
    // None: the fixed parameters are all.
    WmfRecordCheck* check;
    // None: a kind not measured, or one that only sets state.
    WmfWorkPrice* work;
    // None: it holds nothing beyond the draw's own.
    WmfMemoryPrice* memory;
    unsigned traits;

    bool Is(unsigned trait) const { return (traits & trait) != 0; }
};

// The kinds by the function's low byte, and last one for every function not
// listed: it reads nothing beyond its record and is not measured.
extern const std::array<WmfRecordKind, 257> WmfRecordKindsByNumber;
inline const WmfRecordKind& WmfRecordKindOf(WORD function)
{
    const WmfRecordKind& kind = WmfRecordKindsByNumber[function & 0xFF];
    return kind.function == function ? kind : WmfRecordKindsByNumber[256];
}
