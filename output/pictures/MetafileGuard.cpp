#include "output/pictures/MetafileGuard.h"

#include "output/pictures/DroppedObjects.h"
#include "output/pictures/GuardedPlay.h"
#include "output/pictures/WmfRecordKinds.h"
#include "output/pictures/WmfRecordWork.h"

#include <algorithm>

namespace
{
// Escapes that only mark the picture or set how a printer's pens end and
// join. The player hands the others to the device: on a printer they end
// the program's print job (ENDDOC: the pages after the picture were lost),
// eject pages (NEWFRAME) or send the printer data of their own. On other
// devices none draws.
bool IsHarmlessEscape(WORD escape)
{
    return escape == MFCOMMENT || escape == SETLINECAP || escape == SETLINEJOIN || escape == SETMITERLIMIT;
}

// A Windows metafile's own part of the guarded draw (CGuardedPlay).
struct WmfFormat
{
    struct Record
    {
        HANDLETABLE* table;
        METARECORD* record;
        int objects;
        WmfParameters p;
        const WmfRecordKind& kind;
    };

    // The player hands over no end record.
    bool Ends(const Record&, HDC) const { return false; }
    // An object with no slot free, an escape that reaches the device.
    bool Refuses(const Record& r)
    {
        return (r.kind.Is(MakesObject) && !HasFreeSlot(*r.table, r.objects)) ||
               (r.record->rdFunction == META_ESCAPE && !IsHarmlessEscape(r.p[0]));
    }
    int RestoreLevel(const Record& r) const { return (SHORT)r.p[0]; }
    RecordMemory Memory(const Record& r, HDC dc, CDrawingState& drawing, CDrawingMemory& memory) const
    {
        return r.kind.memory != nullptr ? r.kind.memory({dc, drawing, memory, r.p, r.kind, *r.table, r.objects})
                                        : RecordMemory();
    }
    double Work(const Record& r, HDC dc, CDrawingState& drawing, double clipRectangles) const
    {
        return WmfRecordWork(dc, drawing, r.p, r.kind, r.objects, clipRectangles);
    }
    // Left out for its time, a line still moves the current position.
    void Skip(const Record& r, HDC dc, LeftOut why) const
    {
        if (why == LeftOut::ForTime && r.kind.Is(MovesToPoint))
            ::MoveToEx(dc, (int)r.p.Coordinate(1), (int)r.p.Coordinate(0), NULL);
    }
    std::optional<FloodFillParameters> FloodFill(const Record& r) const
    {
        return WmfFloodFill(r.record->rdFunction, r.record->rdParm);
    }
    bool Play(const Record& r, HDC dc, int restored)
    {
        deletes = r.record->rdFunction == META_DELETEOBJECT && r.table->objectHandle[r.p[0]] != NULL;
        if (restored > 0)
            ::RestoreDC(dc, -restored);
        else
            ::PlayMetaFileRecord(dc, r.table, r.record, (UINT)r.objects);
        return true;
    }
    // The record just played made an object into the free slot, or deleted
    // one the slot given held.
    void Played(const Record& r)
    {
        if (r.kind.Is(MakesObject) && r.table->objectHandle[freeSlot] != NULL)
            ++liveObjects;
        if (deletes && r.table->objectHandle[r.p[0]] == NULL)
        {
            --liveObjects;
            freeSlot = std::min(freeSlot, (int)r.p[0]);
        }
    }

    // Whether the player has a slot for an object it makes: with none free
    // it makes the object and drops it, never deleted (10,000 pens made into
    // a table of one slot, a picture of 160 KB, left 10,000 of the process's
    // 65,536 GDI objects behind each draw), and nothing can use it. A table
    // may have 65,535 slots, and all of them filled left other threads
    // without objects (a third of their brushes and DCs failed while such a
    // picture of 1.2 MB drew): it holds as many as an enhanced metafile's.
    bool HasFreeSlot(const HANDLETABLE& table, int objects)
    {
        while (freeSlot < objects && table.objectHandle[freeSlot] != NULL)
            ++freeSlot;
        return freeSlot < objects && liveObjects < CDroppedObjects::Limit;
    }

    // The lowest slot of the player's object table that may be free.
    int freeSlot = 0;
    // The objects the table holds.
    size_t liveObjects = 0;
    // The record being played deletes an object the table holds.
    bool deletes = false;
};

// An estimate that cannot be made (no memory for a path) ends the draw
// quietly: a message would come with every paint.
int CALLBACK PlayRecord(HDC, HANDLETABLE* table, METARECORD* record, int objects, LPARAM play)
try
{
    return ((CGuardedPlay<WmfFormat>*)play)
        ->Play({table,
                record,
                objects,
                {(const BYTE*)record->rdParm, record->rdSize - 3},
                WmfRecordKindOf(record->rdFunction)});
}
catch (...)
{
    return FALSE;
}
} // namespace

BOOL PlayMetafileGuarded(HDC dc, HMETAFILE metafile, DWORD fileBytes, CPlayStops& stops)
{
    CGuardedPlay<WmfFormat> play(dc, NULL, fileBytes, stops);
    return ::EnumMetaFile(dc, metafile, PlayRecord, (LPARAM)&play) || play.HasStopped();
}
