#include "output/pictures/MetafileGuard.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/DroppedObjects.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/OwnSavedStates.h"
#include "output/pictures/PlainStretch.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/TextWork.h"
#include "output/pictures/WmfRecordMemory.h"

#include <algorithm>
#include <limits>

namespace
{
// A record's parameters as 16-bit words; the load check has found all that
// is read inside the record.
struct Parameters
{
    const WORD* words;

    double operator[](DWORD i) const { return (SHORT)words[i]; }
    WORD Word(DWORD i) const { return words[i]; }
};

struct PlayState
{
    PlayState(HDC dc, DWORD bytes, CPlayStops& stops) : guard(dc, NULL, bytes, stops), drawing(dc) {}
    CPlayGuard guard;
    CDrawingState drawing;
    CDrawingMemory memory;
    // The lowest slot of the player's object table that may be free.
    int freeSlot = 0;
    // The objects the table holds.
    size_t liveObjects = 0;

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
    // The record just played made an object into the free slot, or
    // deleted one the slot given held.
    void CountObjects(const HANDLETABLE& table, bool made, bool deleted, int slot)
    {
        if (made && table.objectHandle[freeSlot] != NULL)
            ++liveObjects;
        if (deleted && table.objectHandle[slot] == NULL)
        {
            --liveObjects;
            freeSlot = std::min(freeSlot, slot);
        }
    }

    // The DC's states that the metafile has saved and may restore.
    COwnSavedStates saved;
};

// Records that make an object into the first free slot of the player's
// object table.
bool MakesObject(WORD function)
{
    switch (function)
    {
    case META_CREATEPENINDIRECT:
    case META_CREATEBRUSHINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEREGION:
        return true;
    default:
        return false;
    }
}

// Escapes that only mark the picture or set how a printer's pens end and
// join. The player hands the others to the device: on a printer they end
// the program's print job (ENDDOC: the pages after the picture were lost),
// eject pages (NEWFRAME) or send the printer data of their own. On other
// devices none draws.
bool IsHarmlessEscape(WORD escape)
{
    return escape == MFCOMMENT || escape == SETLINECAP || escape == SETLINEJOIN || escape == SETMITERLIMIT;
}

// 'count' points of x and y from word 'at'.
void AddPoints(const Parameters& p, DWORD at, DWORD count, bool closed, CDrawingWork& work)
{
    for (DWORD i = 0; i < count; ++i)
    {
        if (i == 0)
            work.MoveTo(p[at], p[at + 1]);
        else
            work.LineTo(p[at + 2 * i], p[at + 2 * i + 1]);
    }
    if (closed)
        work.CloseFigure();
}

double TextWork(CDrawingState& drawing, const CDeviceClip& clip, const BYTE* text, DWORD count)
{
    return CDrawingWork::Text(drawing.FontArea(), clip, count, DistinctCharacters(text, count, false), false);
}

// The rectangles of a region object's scans, of so many parameters (next,
// type, count, size, scan count, largest scan, bounds, then the scans: each
// its coordinates' count, top, bottom, the coordinates and the count again).
double RegionRectangles(const Parameters& p)
{
    double rectangles = 0;
    DWORD at = 11;
    for (DWORD scan = 0; scan < p.Word(5); ++scan)
    {
        rectangles += p.Word(at) / 2;
        at += 3 + p.Word(at) + 1;
    }
    return rectangles;
}

// Records that only set what later ones draw with, or draw nothing.
bool SetsStateOnly(WORD function)
{
    switch (function)
    {
    case META_SETBKCOLOR:
    case META_SETBKMODE:
    case META_SETMAPMODE:
    case META_SETROP2:
    case META_SETRELABS:
    case META_SETPOLYFILLMODE:
    case META_SETSTRETCHBLTMODE:
    case META_SETTEXTCHAREXTRA:
    case META_SETTEXTCOLOR:
    case META_SETTEXTJUSTIFICATION:
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_OFFSETWINDOWORG:
    case META_SCALEWINDOWEXT:
    case META_OFFSETVIEWPORTORG:
    case META_SCALEVIEWPORTEXT:
    case META_MOVETO:
    case META_EXCLUDECLIPRECT:
    case META_INTERSECTCLIPRECT:
    case META_SAVEDC:
    case META_RESTOREDC:
    case META_OFFSETCLIPRGN:
    case META_SETTEXTALIGN:
    case META_SELECTOBJECT:
    case META_SELECTPALETTE:
    case META_REALIZEPALETTE:
    case META_ANIMATEPALETTE:
    case META_SETPALENTRIES:
    case META_RESIZEPALETTE:
    case META_DELETEOBJECT:
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_CREATEPENINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_CREATEBRUSHINDIRECT:
    case META_DIBCREATEPATTERNBRUSH:
    case META_SETMAPPERFLAGS:
    case META_SETLAYOUT:
    case META_ESCAPE:
        return true;
    default:
        return false;
    }
}

// A region framed with a brush, both of which this platform's player takes
// from the last two parameters; where a writer put the frame's size there
// (as the format has it), the player reads far outside its handle table.
bool FramesKnownObjects(const Parameters& p, int objects)
{
    return p.Word(2) < objects && p.Word(3) < objects;
}

// Where the player takes a record's destination from: the parameters of
// its left, top, width and height (-1: none).
struct Destination
{
    int x, y, width, height;
};

Destination DestinationOf(WORD function, DWORD parameters)
{
    switch (function)
    {
    case META_PATBLT:
        return {5, 4, 3, 2};
    case META_BITBLT:
        return {6, 5, 4, 3};
    case META_STRETCHBLT:
        return {9, 8, 7, 6};
    case META_DIBBITBLT:
        // Without a bitmap the player fills the destination as a pattern.
        return parameters > 9 ? Destination{7, 6, 5, 4} : Destination{8, 7, 6, 5};
    case META_DIBSTRETCHBLT:
        return {9, 8, 7, 6};
    case META_STRETCHDIB:
        return {10, 9, 8, 7};
    case META_EXTTEXTOUT:
        return {1, 0, -1, -1};
    default:
        return {-1, -1, -1, -1};
    }
}

// Records that stretch a bitmap to their destination.
bool IsStretch(WORD function)
{
    return function == META_STRETCHBLT || function == META_DIBSTRETCHBLT || function == META_STRETCHDIB;
}

// How the player makes the pixels of a record's destination.
PlayerPixel DestinationPixel(WORD function, HDC dc)
{
    if (IsStretch(function))
        return CDrawingWork::Halftones(dc) ? PlayerPixel::HalftoneStretch : PlayerPixel::PlainStretch;
    return function == META_BITBLT || function == META_DIBBITBLT ? PlayerPixel::Blit : PlayerPixel::Fill;
}

// Where a record places things, within the player's reach, and the pixels
// of the box it fills there inside the clip (none without a size), of the
// given kind.
double PlacedWork(const Parameters& p, const Destination& at, CDrawingState& drawing, const CDeviceClip& clip,
                  PlayerPixel kind = PlayerPixel::Fill)
{
    CDrawingWork work(drawing.Mapping(), &clip);
    work.AddPlace(p[at.x], p[at.y]);
    if (at.width >= 0)
        work.AddPlace(p[at.x] + p[at.width], p[at.y] + p[at.height]);
    return work.Covering(kind);
}

// The estimated microseconds the player takes over the record, of so many
// parameters, in a metafile of so many objects: a record that only sets
// state a little, one that draws each of its items and the pixels they can
// touch inside the clip box, one of a kind not measured as if each 4 bytes
// were an item covering the clip box; records the player crashes on are
// endless.
double RecordWork(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, WORD function, const Parameters& p,
                  DWORD parameters, int objects)
{
    if (SetsStateOnly(function))
        return CDrawingWork::State();
    const CDeviceClip clip(dc, drawing.Mapping(), memory.ClipRectangles(dc));
    const Destination destination = DestinationOf(function, parameters);
    const double placed =
        destination.x >= 0 ? PlacedWork(p, destination, drawing, clip, DestinationPixel(function, dc)) : 0;
    switch (function)
    {
    case META_TEXTOUT: {
        // The reference point follows the characters, a word for two.
        const DWORD at = 1 + (p.Word(0) + 1u) / 2;
        return PlacedWork(p, Destination{(int)at + 1, (int)at, -1, -1}, drawing, clip) +
               TextWork(drawing, clip, (const BYTE*)(p.words + 1), p.Word(0));
    }
    case META_FLOODFILL: // colour, y, x
        return PlacedWork(p, Destination{3, 2, -1, -1}, drawing, clip) + FloodFillWork(dc, *WmfFloodFill(function, p.words));
    case META_EXTFLOODFILL: // kind, colour, y, x
        return PlacedWork(p, Destination{4, 3, -1, -1}, drawing, clip) + FloodFillWork(dc, *WmfFloodFill(function, p.words));
    case META_FRAMEREGION:
        return FramesKnownObjects(p, objects) ? CDrawingWork::Pixels(clip.Area())
                                              : std::numeric_limits<double>::infinity();
    case META_EXTTEXTOUT: {
        const DWORD rectangle = (p.Word(3) & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
        return placed + TextWork(drawing, clip, (const BYTE*)(p.words + 4 + rectangle), p.Word(2));
    }
    // The player builds a region object as the enhanced metafile's player
    // builds a region record's; using it is quick beside (10,000 rectangles
    // built and filled once took it 1.1 s, filled six times 0.7 s).
    case META_CREATEREGION:
        return CDrawingWork::Region(RegionRectangles(p), 0, 0);
    case META_FILLREGION:
    case META_PAINTREGION:
    case META_INVERTREGION:
    case META_SELECTCLIPREGION:
        return CDrawingWork::Pixels(clip.Area());
    case META_SETPIXEL:
        return CDrawingWork::Pixels(1) + PlacedWork(p, Destination{3, 2, -1, -1}, drawing, clip);
    case META_PATBLT:
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
        return placed;
    case META_SETDIBTODEV:
        return PlacedWork(p, Destination{8, 7, 6, 5}, drawing, clip, PlayerPixel::Blit);
    default:
        break;
    }
    CDrawingWork work(drawing.Mapping(), &clip);
    switch (function)
    {
    case META_POLYGON:
    case META_POLYLINE:
        AddPoints(p, 1, p.Word(0), function == META_POLYGON, work);
        return work.Drawn(drawing.Pen(), function == META_POLYGON);
    case META_POLYPOLYGON: {
        DWORD at = 1 + p.Word(0);
        for (DWORD i = 0; i < p.Word(0); ++i)
        {
            AddPoints(p, at, p.Word(1 + i), true, work);
            at += 2 * p.Word(1 + i);
        }
        return work.Drawn(drawing.Pen(), true);
    }
    case META_LINETO: {
        POINT position = {0, 0};
        ::GetCurrentPositionEx(dc, &position);
        work.MoveTo(position.x, position.y);
        work.LineTo(p[1], p[0]);
        return work.Drawn(drawing.Pen(), false);
    }
    case META_RECTANGLE:
    case META_ELLIPSE:
        work.AddBoxShape(p[3], p[2], p[1], p[0], false, function == META_ELLIPSE);
        return work.Drawn(drawing.Pen(), true);
    case META_ROUNDRECT:
        work.AddBoxShape(p[5], p[4], p[3], p[2]);
        return work.Drawn(drawing.Pen(), true);
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        work.AddBoxShape(p[7], p[6], p[5], p[4], function == META_ARC);
        return work.Drawn(drawing.Pen(), function != META_ARC);
    default:
        return CDrawingWork::Unmeasured(2.0 * (parameters + 3), clip);
    }
}

// What the record just played changed of what the next one draws with.
void Follow(WORD function, CDrawingState& drawing)
{
    switch (function)
    {
    case META_SETMAPMODE:
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_OFFSETWINDOWORG:
    case META_OFFSETVIEWPORTORG:
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
    case META_SETLAYOUT:
        drawing.Remap();
        break;
    case META_RESTOREDC:
        drawing.Remap();
        drawing.Reselect();
        break;
    case META_SELECTOBJECT:
        drawing.Reselect();
        break;
    default:
        break;
    }
}

// How the guard plays the record, by its price.
CPlayGuard::Playing PlayingOf(HDC dc, const METARECORD& record, int objects, PlayState& state)
{
    const Parameters parameters = {record.rdParm};
    const auto price = [&] {
        return RecordWork(dc, state.drawing, state.memory, record.rdFunction, parameters, record.rdSize - 3, objects);
    };
    return state.guard.PlayingOf(dc, price(), IsStretch(record.rdFunction), [&] {
        const CPlainStretch plain(dc, true);
        return price();
    });
}

int CALLBACK PlayRecord(HDC dc, HANDLETABLE* table, METARECORD* record, int objects, LPARAM data)
{
    // An estimate that cannot be made (no memory for a path) ends the draw
    // quietly: a message would come with every paint.
    try
    {
        PlayState& state = *(PlayState*)data;
        if (!state.guard.HasTimeForNext())
            return FALSE;
        const Parameters parameters = {record->rdParm};
        const bool makes = MakesObject(record->rdFunction);
        if (makes && !state.HasFreeSlot(*table, objects))
            return TRUE;
        if (record->rdFunction == META_ESCAPE && !IsHarmlessEscape(parameters.Word(0)))
            return TRUE;
        const int restored = record->rdFunction == META_RESTOREDC ? state.saved.Levels((SHORT)parameters.Word(0)) : 0;
        if (record->rdFunction == META_RESTOREDC && restored == 0)
            return TRUE;
        RecordMemory memory = WmfRecordMemory(dc, state.drawing, state.memory, *record, *table, objects);
        memory.restored = -restored;
        if (!state.memory.Affords(dc, memory))
            return TRUE;
        const CPlayGuard::Playing playing = PlayingOf(dc, *record, objects, state);
        if (playing == CPlayGuard::Playing::Not)
        {
            if (record->rdFunction == META_LINETO)
                ::MoveToEx(dc, (int)parameters[1], (int)parameters[0], NULL);
            return TRUE;
        }
        if (const auto fill = WmfFloodFill(record->rdFunction, record->rdParm); fill && !FloodFillFitsStack(dc, *fill))
            return TRUE;
        const CPlainStretch plain(dc, playing == CPlayGuard::Playing::Plainly);
        const bool deletes =
            record->rdFunction == META_DELETEOBJECT && table->objectHandle[parameters.Word(0)] != NULL;
        if (restored > 0)
            ::RestoreDC(dc, -restored);
        else
            ::PlayMetaFileRecord(dc, table, record, (UINT)objects);
        if (record->rdFunction == META_SAVEDC)
            state.saved.Saved();
        state.saved.Restored(restored);
        state.memory.Played(dc, memory);
        Follow(record->rdFunction, state.drawing);
        state.CountObjects(*table, makes, deletes, parameters.Word(0));
        return TRUE;
    }
    catch (...)
    {
        return FALSE;
    }
}
} // namespace

BOOL PlayMetafileGuarded(HDC dc, HMETAFILE metafile, DWORD fileBytes, CPlayStops& stops)
{
    PlayState state(dc, fileBytes, stops);
    return ::EnumMetaFile(dc, metafile, PlayRecord, (LPARAM)&state) || state.guard.HasStopped();
}
