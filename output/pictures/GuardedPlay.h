#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/DrawingState.h"
#include "output/pictures/FloodFillWork.h"
#include "output/pictures/OwnSavedStates.h"
#include "output/pictures/PlainStretch.h"
#include "output/pictures/PlayGuard.h"
#include "output/pictures/RecordTraits.h"

// Why a record is left out: for what it would hold, or for how long it
// would take.
enum class LeftOut
{
    ForMemory,
    ForTime,
};

// One draw of a metafile played a record at a time, alike for both kinds of
// metafile: the draw's time (CPlayGuard), the states the metafile saved,
// the memory the record would hold, the time it would take (and whether a
// stretch is played plainly), the stack a flood fill would take, then the
// record played, in that order. 'Format' is a kind of metafile's own part:
// - Record: what the player hands over of one record, with its 'kind' (a
//   row of the kind's table, whose RecordTraits the draw follows);
// - Ends(record, dc): the end record, played; the draw ends there;
// - Refuses(record): left out before anything is judged;
// - RestoreLevel(record): the level a restore names;
// - Memory(...) and Work(..., clipRectangles): what the record would hold,
//   and take;
// - Skip(record, dc, why): left out; what that leaves behind;
// - FloodFill(record): the flood fill it asks for, if any, left out where
//   the player's fill would not fit the stack;
// - Play(record, dc, restored): false where it is left out after all;
// - Played(record): what the format follows of it.
template <class Format>
class CGuardedPlay
{
public:
    CGuardedPlay(HDC dc, const RECT* destination, DWORD fileBytes, CPlayStops& stops)
        : m_dc(dc), m_guard(dc, destination, fileBytes, stops), m_drawing(dc)
    {
    }

    // Whether the draw goes on after the record.
    bool Play(const typename Format::Record& record);
    bool HasStopped() const { return m_guard.HasStopped(); }
    // The format's own part of the draw.
    const Format& FormatPart() const { return m_format; }

private:
    // Played as recorded, a stretch plainly, or not, by the time it takes
    // over the DC's clip region as the memory count has read it.
    CPlayGuard::Playing PlayingOf(const typename Format::Record& record)
    {
        const double clipRectangles = m_memory.ClipRegionRectangles(m_dc);
        const auto work = [&] {
            return m_format.Work(record, m_dc, m_drawing, clipRectangles);
        };
        const bool averages = PixelOf(record.kind, m_dc, PlayerPixel::Fill) == PlayerPixel::HalftoneStretch;
        return m_guard.PlayingOf(work(), averages, [&] {
            const CPlainStretch plain(m_dc, true);
            return work();
        });
    }

    HDC m_dc;
    CPlayGuard m_guard;
    CDrawingState m_drawing;
    CDrawingMemory m_memory;
    COwnSavedStates m_saved;
    Format m_format;
};

template <class Format>
bool CGuardedPlay<Format>::Play(const typename Format::Record& record)
{
    if (m_format.Ends(record, m_dc) || !m_guard.HasTimeForNext())
        return false;
    if (m_format.Refuses(record))
        return true;
    const bool restores = record.kind.Is(RestoresState);
    const int restored = restores ? m_saved.Levels(m_format.RestoreLevel(record)) : 0;
    if (restores && restored == 0)
        return true;
    const RecordMemory memory = m_format.Memory(record, m_dc, m_drawing, m_memory);
    const bool affords = m_memory.Affords(m_dc, memory);
    const CPlayGuard::Playing playing = affords ? PlayingOf(record) : CPlayGuard::Playing::Not;
    if (playing == CPlayGuard::Playing::Not)
    {
        m_format.Skip(record, m_dc, affords ? LeftOut::ForTime : LeftOut::ForMemory);
        return true;
    }
    if (const auto fill = m_format.FloodFill(record); fill && !FloodFillFitsStack(m_dc, *fill))
        return true;
    const CPlainStretch plain(m_dc, playing == CPlayGuard::Playing::Plainly);
    if (!m_format.Play(record, m_dc, restored))
        return true;
    m_saved.Played(record.kind.Is(SavesState), restored);
    m_memory.Played(m_dc, memory, restored);
    if (record.kind.Is(Remaps))
        m_drawing.Remap();
    if (record.kind.Is(Reselects))
        m_drawing.Reselect();
    m_format.Played(record);
    return true;
}
