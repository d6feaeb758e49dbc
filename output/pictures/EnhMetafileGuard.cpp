#include "output/pictures/EnhMetafileGuard.h"

#include "output/pictures/DrawingMemory.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/DroppedObjects.h"
#include "output/pictures/EnhRecordMemory.h"
#include "output/pictures/EnhRecordFields.h"
#include "output/pictures/EnhRecordWork.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/OwnSavedStates.h"
#include "output/pictures/PlainStretch.h"
#include "output/pictures/PlayGuard.h"

namespace
{
struct PlayState
{
    PlayState(HDC dc, const RECT& rect, DWORD bytes, CPlayStops& stops) : guard(dc, &rect, bytes, stops), drawing(dc) {}
    CPlayGuard guard;
    CDrawingState drawing;
    CDrawingMemory memory;
    CDroppedObjects dropped;
    // The DC's states that the metafile has saved and may restore.
    COwnSavedStates saved;
    // A path is being built: what is drawn goes into it.
    bool inPath = false;
    // Stopped at the end record.
    bool ended = false;
};

// The current position to the last of the points counted at byte 24 from
// byte 28, of PointSize bytes each.
template <DWORD PointSize>
void MoveToLastPoint(HDC dc, const EnhRecordFields& r)
{
    const DWORD count = r.At(24);
    if (count == 0)
        return;
    double x, y;
    r.Point<PointSize>(28 + PointSize * (count - 1), x, y);
    ::MoveToEx(dc, (int)x, (int)y, NULL);
}

// A record left out: a path it would have used up is dropped, and the
// current position moves where the record would have moved it.
void Skip(HDC dc, const EnhRecordFields& r, DWORD type)
{
    switch (type)
    {
    case EMR_FILLPATH:
    case EMR_STROKEANDFILLPATH:
    case EMR_STROKEPATH:
    case EMR_WIDENPATH:
    case EMR_SELECTCLIPPATH:
    case EMR_FLATTENPATH:
        ::AbortPath(dc);
        break;
    case EMR_LINETO:
        ::MoveToEx(dc, (int)r.Long(8), (int)r.Long(12), NULL);
        break;
    case EMR_POLYLINETO:
    case EMR_POLYBEZIERTO:
    case EMR_POLYDRAW:
        MoveToLastPoint<8>(dc, r);
        break;
    case EMR_POLYLINETO16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYDRAW16:
        MoveToLastPoint<4>(dc, r);
        break;
    default:
        break;
    }
}

// Records that make a GDI object into the slot of the handle table named at
// byte 8.
bool MakesObject(DWORD type)
{
    switch (type)
    {
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATEPALETTE:
    case EMR_EXTCREATEPEN:
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return true;
    default:
        return false;
    }
}

// Plays a record that makes an object into the slot (the load check has
// found it inside the table) and keeps the object the slot held, which the
// player drops; false where no more may be dropped.
bool PlayMaking(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int handles, DWORD index,
                CDroppedObjects& dropped)
{
    HGDIOBJ& slot = table->objectHandle[index];
    const HGDIOBJ held = slot;
    if (held != NULL && !dropped.Affords())
        return false;
    ::PlayEnhMetaFileRecord(dc, table, record, (UINT)handles);
    if (held != NULL && slot != held)
        dropped.Keep(held);
    return true;
}

// What the record just played changed of what the next one draws with.
void Follow(DWORD type, PlayState& state)
{
    switch (type)
    {
    case EMR_BEGINPATH:
        state.inPath = true;
        break;
    case EMR_ENDPATH:
    case EMR_ABORTPATH:
        state.inPath = false;
        break;
    case EMR_HEADER:
    case EMR_SETMAPMODE:
    case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTEXTEX:
    case EMR_SETVIEWPORTORGEX:
    case EMR_SCALEWINDOWEXTEX:
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM:
    case EMR_SETLAYOUT:
        state.drawing.Remap();
        break;
    case EMR_RESTOREDC:
        state.drawing.Remap();
        state.drawing.Reselect();
        break;
    case EMR_SELECTOBJECT:
        state.drawing.Reselect();
        break;
    default:
        break;
    }
}

// How the guard plays the record, by its price.
CPlayGuard::Playing PlayingOf(HDC dc, const EnhRecordFields& fields, DWORD type, PlayState& state)
{
    // The clip region's rectangles were counted for the memory it holds.
    const double clipRectangles = state.memory.ClipRectangles(dc);
    return state.guard.PlayingOf(dc, EnhRecordWork(dc, state.drawing, fields, type, state.inPath, clipRectangles),
                                 EnhRecordStretches(type), [&] {
                                     const CPlainStretch plain(dc, true);
                                     return EnhRecordWork(dc, state.drawing, fields, type, state.inPath,
                                                          clipRectangles);
                                 });
}

int CALLBACK PlayRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int handles, LPARAM data)
{
    // An estimate that cannot be made (no memory for a path) ends the draw
    // quietly: a message would come with every paint.
    try
    {
        PlayState& state = *(PlayState*)data;
        const DWORD type = record->iType;
        if (type == EMR_EOF)
        {
            state.ended = true;
            ::PlayEnhMetaFileRecord(dc, table, record, (UINT)handles);
            return FALSE;
        }
        if (!state.guard.HasTimeForNext())
            return FALSE;
        const EnhRecordFields fields = {(const BYTE*)record};
        const int restored = type == EMR_RESTOREDC ? state.saved.Levels((int)(LONG)fields.At(8)) : 0;
        if (type == EMR_RESTOREDC && restored == 0)
            return TRUE;
        RecordMemory memory = EnhRecordMemory(dc, state.drawing, state.memory, fields, type);
        memory.restored = -restored;
        if (!state.memory.Affords(dc, memory))
        {
            Skip(dc, fields, type);
            return TRUE;
        }
        const CPlayGuard::Playing playing = PlayingOf(dc, fields, type, state);
        if (playing == CPlayGuard::Playing::Not)
        {
            Skip(dc, fields, type);
            return TRUE;
        }
        if (const auto fill = EnhFloodFill(type, fields); fill && !FloodFillFitsStack(dc, *fill))
            return TRUE;
        const CPlainStretch plain(dc, playing == CPlayGuard::Playing::Plainly);
        if (restored > 0)
        {
            // Played as relative, so that the player keeps its own record
            // of the states in step.
            const EMRRESTOREDC relative = {{EMR_RESTOREDC, sizeof(EMRRESTOREDC)}, -restored};
            ::PlayEnhMetaFileRecord(dc, table, (const ENHMETARECORD*)&relative, (UINT)handles);
        }
        else if (!MakesObject(type))
            ::PlayEnhMetaFileRecord(dc, table, record, (UINT)handles);
        else if (!PlayMaking(dc, table, record, handles, fields.At(8), state.dropped))
            return TRUE;
        if (type == EMR_SAVEDC)
            state.saved.Saved();
        state.saved.Restored(restored);
        state.memory.Played(dc, memory);
        Follow(type, state);
        return TRUE;
    }
    catch (...)
    {
        return FALSE;
    }
}
} // namespace

BOOL PlayEnhMetafileGuarded(HDC dc, HENHMETAFILE metafile, const RECT& rect, DWORD fileBytes, CPlayStops& stops)
{
    PlayState state(dc, rect, fileBytes, stops);
    const BOOL played = ::EnumEnhMetaFile(dc, metafile, PlayRecord, &state, &rect);
    return played || state.ended || state.guard.HasStopped();
}
