#pragma once

#include "afx/app/AfxWin.h"

#include <functional>

class CPlayStops;

// Guards one draw of a metafile, played a record at a time: a record that
// the player would take longer over than a share of the draw is skipped,
// and once the draw's work time is spent the rest are. The picture keeps
// the record where a draw ran out of work (CPlayStops), and later draws as
// large on the same kind of device stop there at once.
class CPlayGuard
{
public:
    // The draw of a metafile of so many bytes into the DC, within the
    // destination (logical units; NULL: all the DC's clip box); 'stops' are
    // the picture's.
    CPlayGuard(HDC dc, const RECT* destination, DWORD fileBytes, CPlayStops& stops);
    ~CPlayGuard();
    CPlayGuard(const CPlayGuard&) = delete;
    CPlayGuard& operator=(const CPlayGuard&) = delete;

    // Whether the next record is played at all: false from the record
    // where such draws stop, or once this draw's time is spent (which the
    // picture then remembers if the draw's own work spent it).
    bool HasTimeForNext();
    // Whether this draw has stopped before the end of the records.
    bool HasStopped() const { return m_stopped; }
    // Whether a record the player takes so many microseconds over (an
    // estimate; not a number counts as too long) is played in the draw this
    // thread is guarding (RecordLimitMicrosecondsFor its pixels;
    // RecordLimitMicroseconds outside a draw).
    static bool IsAffordable(double microseconds);

    // How a record is played.
    enum class Playing
    {
        AsRecorded,
        Plainly, // its bitmap stretched plainly (CPlainStretch)
        Not
    };
    // How a record the player takes so many microseconds over is played: as
    // recorded where affordable. One that stretches a bitmap by averaging
    // ('averages': the DC in HALFTONE mode) and costs more than a record may
    // take or than is left of this draw is stretched plainly where that is
    // affordable ('plainPrice' prices it so): a printed page keeps its
    // pictures, plainer.
    Playing PlayingOf(double microseconds, bool averages, const std::function<double()>& plainPrice);

    // The work a draw of a metafile of so many bytes over so many device
    // pixels may take, in milliseconds: a second and 1 ms a kilobyte, as
    // recorded pictures play into 800 x 600 (the largest seen, of 1.8 MB, in
    // 1 s; 20,000 strokes of 880 KB in 0.6-0.7 s), while a crafted file of
    // 600 KB whose records each take 0.12 s is cut within two seconds; and
    // PixelNanoseconds a pixel beyond that. Drawn into 4800 x 3600 (a page at
    // print resolution), the strokes take 2.7-4.2 s, 160-200 ns a pixel more
    // than into 800 x 600, and their limit is 6.1 s; a chart of 9,000 records
    // (270 KB), 80 ns a pixel more. Those pixels cost more for each record
    // that reaches them, so a small file is given less for them:
    // PixelNanosecondsPerKilobyte of the file (the strokes take 0.2 ns a pixel
    // for each kilobyte, the chart 0.3), up to PixelNanoseconds; 100 triangles
    // of a gradient over the page (10 KB) were given 5.2 s, and took it.
    static DWORD DrawLimitMilliseconds(DWORD fileBytes, double pixels);
    static constexpr double PixelNanoseconds = 250;
    static constexpr double PixelNanosecondsPerKilobyte = 0.5;
    // The longest one record may take, in microseconds: a quarter of the
    // shortest draw, and for a device larger than 800 x 600
    // PagePixelMicroseconds a pixel beyond, so that a record that covers the
    // page with a gradient's triangles plays: they cost the player 26-28 ns a
    // pixel; a page's background of two took it 0.43 s into 4800 x 3600 and
    // 1.1 s into 6600 x 5100 (estimated 0.49 s and 0.95 s). A bitmap stretched
    // by averaging (HALFTONE) costs 25-50 ns a pixel on some machines and
    // 540-800 ns on others (18 s over 6600 x 5100): where it costs more than
    // this it is stretched plainly instead (PlayingOf, 3-21 ns a pixel). At
    // most LongestRecordMicroseconds however large the device (a page at
    // 1200 dpi has 134 million pixels), so that a draw ends within its time
    // and a record's: a page of A4 at 600 dpi, 35 million pixels, covered by a
    // gradient is estimated at 1 s.
    static double RecordLimitMicrosecondsFor(double pixels);
    static constexpr double RecordLimitMicroseconds = 250000;
    static constexpr double PagePixelMicroseconds = 0.032;
    static constexpr double LongestRecordMicroseconds = 1250000;

private:
    bool IsSpent();
    // The microseconds of work this draw has done (reads the thread's time).
    double WorkedMicroseconds() const;

    CPlayStops& m_stops;
    // The kind of device and the device pixels the draw can touch.
    int m_technology;
    double m_pixels;
    DWORD m_stop;
    DWORD m_next = 0;
    bool m_stopped = false;
    // The draw's own work spent its time.
    bool m_workSpentTime = false;
    DWORD m_limitMilliseconds;
    // When the draw began, by the clock and by the thread's work (100 ns
    // ticks); when the thread's time was last looked at.
    DWORD m_start;
    ULONGLONG m_startWork;
    DWORD m_lastLook;
    // The record limit of the draw this thread guarded before this one.
    double m_outerRecordLimitMicroseconds;
};
