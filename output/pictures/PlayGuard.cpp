#include "output/pictures/PlayGuard.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/PlayStops.h"

#include <algorithm>

namespace
{
// The 100-nanosecond ticks this thread has worked.
ULONGLONG ThreadWorkTicks()
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    return (((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime) +
           (((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime);
}

// The thread's work at the start of a draw, or a few milliseconds more:
// reading it costs 20-30 us here, where the logo draws in 0.5 ms, so a
// reading of the last 2 ms on this thread is taken with the time since
// counted as worked (a draw is not charged the time before it, but by the
// clock's step).
ULONGLONG WorkAtStart(DWORD now)
{
    const DWORD ReadingKept = 2;
    thread_local bool read = false;
    thread_local DWORD readAt;
    thread_local ULONGLONG readWork;
    if (read && now - readAt <= ReadingKept)
        return readWork + 10000ull * (now - readAt + 1);
    read = true;
    readAt = now;
    readWork = ThreadWorkTicks();
    return readWork;
}

// The record limit of the draw this thread is guarding.
thread_local double recordLimitMicroseconds = CPlayGuard::RecordLimitMicroseconds;

// How often the thread's time is looked at, in milliseconds of the clock:
// asking for it costs far more than a record.
const DWORD LookEvery = 16;
// A draw whose thread waits for the processor (other programs busy) is
// stopped all the same once the clock has run this many times its time.
// Waiting is not work, so the picture does not keep that stop, and a repaint
// may stop elsewhere: the factor leaves that to a thread given less than an
// eighth of a processor (loads of three or four threads a processor are
// seen where the tests run).
const DWORD WaitingFactor = 8;
// The device pixels whose drawing the limit's first second covers.
const double ScreenPixels = 800 * 600;
// The longest draw, in milliseconds of work, however large.
const double LongestDrawMilliseconds = 60000;

// The device pixels of the destination that the DC's clip box leaves, as
// the guard's prices see the clip box (CDeviceClip).
double DrawnPixels(HDC dc, const RECT* destination)
{
    const CDeviceMapping mapping(dc);
    const CDeviceClip clip(dc, mapping);
    return destination == NULL ? clip.Area() : clip.Inside(MappedBox(mapping, *destination));
}
} // namespace

CPlayGuard::CPlayGuard(HDC dc, const RECT* destination, DWORD fileBytes, CPlayStops& stops)
    : m_stops(stops), m_technology(::GetDeviceCaps(dc, TECHNOLOGY)), m_pixels(DrawnPixels(dc, destination)),
      m_stop(stops.StopFor(m_technology, m_pixels)), m_limitMilliseconds(DrawLimitMilliseconds(fileBytes, m_pixels)),
      m_start(::GetTickCount()), m_startWork(WorkAtStart(m_start)), m_lastLook(m_start),
      m_outerRecordLimitMicroseconds(recordLimitMicroseconds)
{
    recordLimitMicroseconds = RecordLimitMicrosecondsFor(m_pixels);
}

CPlayGuard::~CPlayGuard()
{
    recordLimitMicroseconds = m_outerRecordLimitMicroseconds;
}

bool CPlayGuard::IsAffordable(double microseconds)
{
    return microseconds <= recordLimitMicroseconds;
}

double CPlayGuard::RecordLimitMicrosecondsFor(double pixels)
{
    return std::min(RecordLimitMicroseconds + std::max(pixels - ScreenPixels, 0.0) * PagePixelMicroseconds,
                    LongestRecordMicroseconds);
}

DWORD CPlayGuard::DrawLimitMilliseconds(DWORD fileBytes, double pixels)
{
    const double beyond = std::max(pixels - ScreenPixels, 0.0);
    const double perPixel = std::min(PixelNanoseconds, fileBytes / 1024.0 * PixelNanosecondsPerKilobyte);
    return (DWORD)std::min(1000 + fileBytes / 1024 + beyond * perPixel / 1e6, LongestDrawMilliseconds);
}

double CPlayGuard::WorkedMicroseconds() const
{
    const ULONGLONG work = ThreadWorkTicks();
    return work > m_startWork ? (work - m_startWork) / 10.0 : 0;
}

CPlayGuard::Playing CPlayGuard::PlayingOf(double microseconds, bool averages, const std::function<double()>& plainPrice)
{
    // Below this a record is not worth reading the thread's time for.
    const double CheapRecord = 10000;
    if (!averages)
        return IsAffordable(microseconds) ? Playing::AsRecorded : Playing::Not;
    if (IsAffordable(microseconds) &&
        (microseconds <= CheapRecord || microseconds <= 1000.0 * m_limitMilliseconds - WorkedMicroseconds()))
        return Playing::AsRecorded;
    return IsAffordable(plainPrice()) ? Playing::Plainly : Playing::Not;
}

bool CPlayGuard::IsSpent()
{
    const DWORD now = ::GetTickCount();
    if (now - m_lastLook < LookEvery)
        return false;
    // The thread's own work decides, so that a draw is not cut short
    // because other programs kept the processor busy.
    m_lastLook = now;
    // The start may be taken a little late (WorkAtStart).
    m_workSpentTime = WorkedMicroseconds() > 1000.0 * m_limitMilliseconds;
    return m_workSpentTime || now - m_start > WaitingFactor * m_limitMilliseconds;
}

bool CPlayGuard::HasTimeForNext()
{
    const DWORD record = m_next++;
    if (record < m_stop && !IsSpent())
        return true;
    if (!m_stopped && m_workSpentTime)
        m_stops.Keep(m_technology, m_pixels, record);
    m_stopped = true;
    return false;
}
