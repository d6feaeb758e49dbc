#include "output/pictures/EnhMetafileGuard.h"

#include "output/pictures/DroppedObjects.h"
#include "output/pictures/EnhRecordFields.h"
#include "output/pictures/EnhRecordKinds.h"
#include "output/pictures/EnhRecordWork.h"
#include "output/pictures/GuardedPlay.h"

namespace
{
// An enhanced metafile's own part of the guarded draw (CGuardedPlay).
struct EnhFormat
{
    struct Record
    {
        HANDLETABLE* table;
        const ENHMETARECORD* record;
        int handles;
        EnhRecordFields fields;
        const EnhRecordKind& kind;
    };

    bool Ends(const Record& r, HDC dc)
    {
        if (r.record->iType != EMR_EOF)
            return false;
        ended = true;
        ::PlayEnhMetaFileRecord(dc, r.table, r.record, (UINT)r.handles);
        return true;
    }
    bool Refuses(const Record&) const { return false; }
    int RestoreLevel(const Record& r) const { return (int)(LONG)r.fields.At(8); }
    RecordMemory Memory(const Record& r, HDC dc, CDrawingState& drawing, CDrawingMemory& memory) const
    {
        return r.kind.memory != nullptr ? r.kind.memory({dc, drawing, memory, r.fields, r.kind}) : RecordMemory();
    }
    double Work(const Record& r, HDC dc, CDrawingState& drawing, double clipRectangles) const
    {
        return EnhRecordWork(dc, drawing, r.fields, r.kind, inPath, clipRectangles);
    }
    // A path the record would have used up is dropped, and the current
    // position moves where the record would have moved it.
    void Skip(const Record& r, HDC dc, LeftOut) const
    {
        if (r.kind.Is(UsesPath))
            ::AbortPath(dc);
        else if (r.kind.Is(MovesToPoint) || (r.kind.Is(MovesToLastPoint) && r.fields.At(24) != 0))
        {
            // to its point at byte 8, or the last of those counted at byte 24 from byte 28
            const DWORD size = r.kind.Is(ShortPoints) ? 4 : 8;
            double x, y;
            r.fields.Point(r.kind.Is(MovesToPoint) ? 8 : 28 + size * (r.fields.At(24) - 1), size, x, y);
            ::MoveToEx(dc, (int)x, (int)y, NULL);
        }
    }
    std::optional<FloodFillParameters> FloodFill(const Record& r) const
    {
        return EnhFloodFill(r.record->iType, r.fields);
    }
    bool Play(const Record& r, HDC dc, int restored);
    void Played(const Record& r)
    {
        if (r.kind.Is(OpensPath))
            inPath = true;
        if (r.kind.Is(ClosesPath))
            inPath = false;
    }

    CDroppedObjects dropped;
    // A path is being built: what is drawn goes into it.
    bool inPath = false;
    // Stopped at the end record.
    bool ended = false;
};

// A restore is played as relative, so that the player keeps its own record
// of the states in step. A record that makes an object into the slot named
// at byte 8 (the load check has found it inside the table) keeps the object
// the slot held, which the player drops; it is left out where no more may be
// dropped.
bool EnhFormat::Play(const Record& r, HDC dc, int restored)
{
    if (restored > 0)
    {
        const EMRRESTOREDC relative = {{EMR_RESTOREDC, sizeof(EMRRESTOREDC)}, -restored};
        ::PlayEnhMetaFileRecord(dc, r.table, (const ENHMETARECORD*)&relative, (UINT)r.handles);
        return true;
    }
    if (!r.kind.Is(MakesObject))
    {
        ::PlayEnhMetaFileRecord(dc, r.table, r.record, (UINT)r.handles);
        return true;
    }
    HGDIOBJ& slot = r.table->objectHandle[r.fields.At(8)];
    const HGDIOBJ held = slot;
    if (held != NULL && !dropped.Affords())
        return false;
    ::PlayEnhMetaFileRecord(dc, r.table, r.record, (UINT)r.handles);
    if (held != NULL && slot != held)
        dropped.Keep(held);
    return true;
}

// An estimate that cannot be made (no memory for a path) ends the draw
// quietly: a message would come with every paint.
int CALLBACK PlayRecord(HDC, HANDLETABLE* table, const ENHMETARECORD* record, int handles, LPARAM play)
try
{
    return ((CGuardedPlay<EnhFormat>*)play)
        ->Play({table, record, handles, {(const BYTE*)record}, EnhRecordKindOf(record->iType)});
}
catch (...)
{
    return FALSE;
}
} // namespace

BOOL PlayEnhMetafileGuarded(HDC dc, HENHMETAFILE metafile, const RECT& rect, DWORD fileBytes, CPlayStops& stops)
{
    CGuardedPlay<EnhFormat> play(dc, &rect, fileBytes, stops);
    const BOOL played = ::EnumEnhMetaFile(dc, metafile, PlayRecord, &play, &rect);
    return played || play.FormatPart().ended || play.HasStopped();
}
