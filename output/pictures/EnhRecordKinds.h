#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/EnhRecordChecks.h"
#include "output/pictures/RecordTraits.h"

#include <array>

class CDeviceClip;
class CDrawingMemory;
class CDrawingState;
struct EnhRecordKind;
struct RecordMemory;

// What the time price of an enhanced metafile's record reads: the record,
// the DC as it is before it, what it draws with and where.
struct EnhWorkPricing
{
    HDC dc;
    CDrawingState& drawing;
    const EnhRecordFields& r;
    const EnhRecordKind& kind;
    const CDeviceClip& clip;
    // Drawn into a path: it only adds to it.
    bool intoPath;
};

// What the memory price of a record reads.
struct EnhMemoryPricing
{
    HDC dc;
    CDrawingState& drawing;
    CDrawingMemory& memory;
    const EnhRecordFields& r;
    const EnhRecordKind& kind;
};

// Estimated microseconds (EnhRecordWork) and bytes held (EnhRecordMemory).
typedef double EnhWorkPrice(const EnhWorkPricing& p);
typedef RecordMemory EnhMemoryPrice(const EnhMemoryPricing& p);

// What the player reads of a kind of record (its fixed part, and a check
// of what it reads beyond it), what playing it costs and what it is
// (RecordTrait).
struct EnhRecordKind
{
    DWORD minimumSize = 8; // its type and size at the least
    // None: the fixed part is all.
    EnhRecordCheck* check;
    // None: a kind not measured, or one that only sets state.
    EnhWorkPrice* work;
    // None: it holds nothing beyond the draw's own.
    EnhMemoryPrice* memory;
    unsigned traits;

    bool Is(unsigned trait) const { return (traits & trait) != 0; }
};

// The kinds by record type, and past the last type one for every type not
// listed: it has the least size, nothing further checked, and is not
// measured.
extern const std::array<EnhRecordKind, EMR_MAX + 2> EnhRecordKindsByType;
inline const EnhRecordKind& EnhRecordKindOf(DWORD type)
{
    return EnhRecordKindsByType[type <= EMR_MAX ? type : EMR_MAX + 1];
}
