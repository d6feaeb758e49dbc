#pragma once

#include "afx/app/AfxWin.h"

#include <atomic>

// Guards one draw of a metafile, played a record at a time: a record that
// the player would take longer over than a share of the draw is skipped,
// and once the draw's time is spent the rest are. The picture keeps the
// record where a draw ran out of time, and later draws stop there at once.
class CPlayGuard
{
public:
    // The draw of a metafile of so many bytes; 'stop' is the picture's
    // record where draws stop (NoStop until one runs out of time).
    CPlayGuard(DWORD fileBytes, std::atomic<DWORD>& stop);

    static const DWORD NoStop = 0xFFFFFFFF;

    // Whether the next record is played at all: false from the record
    // where draws stop, or once this draw's time is spent (which the
    // picture then remembers).
    bool HasTimeForNext();
    // Whether this draw has stopped before the end of the records.
    bool HasStopped() const { return m_stopped; }
    // Whether a record the player takes so many microseconds over (an
    // estimate; not a number counts as too long) is played.
    static bool IsAffordable(double microseconds) { return microseconds <= RecordLimit; }

    // The time a draw of a metafile of so many bytes may take, in
    // milliseconds: a second and 2 ms a kilobyte. Recorded pictures play
    // in about 0.04 s a kilobyte; the largest seen, of 1.8 MB, in 1 s.
    static DWORD DrawLimit(DWORD fileBytes) { return 1000 + fileBytes / 512; }
    // The longest one record may take, in microseconds: a quarter of the
    // shortest draw.
    static constexpr double RecordLimit = 250000;

private:
    bool IsSpent();

    std::atomic<DWORD>& m_stop;
    DWORD m_next = 0;
    bool m_stopped = false;
    DWORD m_limit;
    // When the draw began, by the clock and by the time the thread had
    // worked; when the thread's time was last looked at.
    DWORD m_start;
    ULONGLONG m_startWork;
    DWORD m_lastLook;
};
