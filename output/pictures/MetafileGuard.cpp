#include "output/pictures/MetafileGuard.h"

#include "output/pictures/DrawingState.h"
#include "output/pictures/DrawingWork.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/TextWork.h"

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
    PlayState(HDC dc, DWORD bytes, std::atomic<DWORD>& stop) : guard(bytes, stop), drawing(dc) {}
    CPlayGuard guard;
    CDrawingState drawing;
    bool stopped = false;
};

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

double Drawn(CDrawingState& drawing, const CDrawingWork& work, bool filled)
{
    return (filled ? work.Fill() : 0) + work.Stroke(drawing.Pen());
}

double TextWork(CDrawingState& drawing, const BYTE* text, DWORD count)
{
    return CDrawingWork::Text(drawing.FontArea(), count, DistinctCharacters(text, count, false), false);
}

// A region framed with a brush, both of which this platform's player takes
// from the last two parameters; where a writer put the frame's size there
// (as the format has it), the player reads far outside its handle table.
bool FramesKnownObjects(const Parameters& p, int objects)
{
    return p.Word(2) < objects && p.Word(3) < objects;
}

// The estimated microseconds the player takes over the record; records
// that draw nothing take none.
double RecordWork(HDC dc, CDrawingState& drawing, WORD function, const Parameters& p)
{
    switch (function)
    {
    case META_TEXTOUT:
        return TextWork(drawing, (const BYTE*)(p.words + 1), p.Word(0));
    case META_EXTTEXTOUT: {
        const DWORD rectangle = (p.Word(3) & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
        return TextWork(drawing, (const BYTE*)(p.words + 4 + rectangle), p.Word(2));
    }
    default:
        break;
    }
    CDrawingWork work(drawing.Mapping());
    switch (function)
    {
    case META_POLYGON:
    case META_POLYLINE:
        AddPoints(p, 1, p.Word(0), function == META_POLYGON, work);
        return Drawn(drawing, work, function == META_POLYGON);
    case META_POLYPOLYGON: {
        DWORD at = 1 + p.Word(0);
        for (DWORD i = 0; i < p.Word(0); ++i)
        {
            AddPoints(p, at, p.Word(1 + i), true, work);
            at += 2 * p.Word(1 + i);
        }
        return Drawn(drawing, work, true);
    }
    case META_LINETO: {
        POINT position = {0, 0};
        ::GetCurrentPositionEx(dc, &position);
        work.MoveTo(position.x, position.y);
        work.LineTo(p[1], p[0]);
        return Drawn(drawing, work, false);
    }
    case META_RECTANGLE:
    case META_ELLIPSE:
        work.AddBoxShape(p[3], p[2], p[1], p[0], false, function == META_ELLIPSE);
        return Drawn(drawing, work, true);
    case META_ROUNDRECT:
        work.AddBoxShape(p[5], p[4], p[3], p[2]);
        return Drawn(drawing, work, true);
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        work.AddBoxShape(p[7], p[6], p[5], p[4], function == META_ARC);
        return Drawn(drawing, work, function != META_ARC);
    default:
        return 0;
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

int CALLBACK PlayRecord(HDC dc, HANDLETABLE* table, METARECORD* record, int objects, LPARAM data)
{
    PlayState& state = *(PlayState*)data;
    if (!state.guard.HasTimeForNext())
    {
        state.stopped = true;
        return FALSE;
    }
    const Parameters parameters = {record->rdParm};
    if ((record->rdFunction == META_FRAMEREGION && !FramesKnownObjects(parameters, objects)) ||
        !CPlayGuard::IsAffordable(RecordWork(dc, state.drawing, record->rdFunction, parameters)))
    {
        if (record->rdFunction == META_LINETO)
            ::MoveToEx(dc, (int)parameters[1], (int)parameters[0], NULL);
        return TRUE;
    }
    ::PlayMetaFileRecord(dc, table, record, (UINT)objects);
    Follow(record->rdFunction, state.drawing);
    return TRUE;
}
} // namespace

BOOL PlayMetafileGuarded(HDC dc, HMETAFILE metafile, DWORD fileBytes, std::atomic<DWORD>& stop)
{
    PlayState state(dc, fileBytes, stop);
    return ::EnumMetaFile(dc, metafile, PlayRecord, (LPARAM)&state) || state.stopped;
}
