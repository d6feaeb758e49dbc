#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/PlayerPrices.h"
#include "output/pictures/RecordTraits.h"
#include "output/pictures/WmfRecordChecks.h"

#include <array>

class CDeviceClip;
class CDrawingMemory;
class CDrawingState;
struct RecordMemory;
struct WmfRecordKind;

// A Windows metafile's record's parameters, 16-bit words, as the guard
// reads them while it plays; the load check has found all that is read of
// the fixed ones inside the record.
struct WmfParameters
{
    const WORD* words;
    DWORD count;

    // A coordinate.
    double operator[](DWORD i) const { return (SHORT)words[i]; }
    WORD Word(DWORD i) const { return words[i]; }
    // A size or count the record may end before (0 then).
    double WordWithin(DWORD i) const { return i < count ? words[i] : 0; }
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
    const HANDLETABLE& table;
    int objects;
};

// Estimated microseconds (WmfRecordWork) and bytes held (WmfRecordMemory).
typedef double WmfWorkPrice(const WmfWorkPricing& p);
typedef RecordMemory WmfMemoryPrice(const WmfMemoryPricing& p);

// Where the player takes a record's destination from: the parameters of
// its left, top, width and height (-1: none), and how it makes the pixels
// there where it does not stretch a bitmap.
struct Destination
{
    int x, y, width, height;
    PlayerPixel pixel;
};

// What the player reads of a kind of record (its fixed parameters, and a
// check of what it reads beyond them), what playing it costs, where it
// places what it draws and what it is (RecordTrait).
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
    Destination destination;
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
