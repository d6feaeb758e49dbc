#include "output/pictures/PlayGuard.h"

namespace
{
// The milliseconds this thread has worked.
ULONGLONG ThreadWorkMilliseconds()
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    const ULONGLONG ticks = (((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime) +
                            (((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime);
    return ticks / 10000;
}

// How often the thread's time is looked at, in milliseconds of the clock:
// asking for it costs far more than a record.
const DWORD LookEvery = 16;
// A draw whose thread waits for the processor (other programs busy) is
// stopped all the same once the clock has run this many times its time.
const DWORD WaitingFactor = 4;
} // namespace

CPlayGuard::CPlayGuard(DWORD fileBytes, std::atomic<DWORD>& stop)
    : m_stop(stop), m_limit(DrawLimit(fileBytes)), m_start(::GetTickCount()), m_startWork(0), m_lastLook(m_start)
{
}

bool CPlayGuard::IsSpent()
{
    const DWORD now = ::GetTickCount();
    if (now - m_lastLook < LookEvery)
        return false;
    // The thread's own time decides, so that a draw is not cut short
    // because other programs kept the processor busy. It is first looked
    // at after the first moments of the draw (most draws end sooner),
    // which are taken as worked.
    const ULONGLONG work = ThreadWorkMilliseconds();
    if (m_lastLook == m_start)
        m_startWork = work - (now - m_start);
    m_lastLook = now;
    return work - m_startWork > m_limit || now - m_start > WaitingFactor * m_limit;
}

bool CPlayGuard::HasTimeForNext()
{
    const DWORD record = m_next++;
    if (record < m_stop.load(std::memory_order_relaxed) && !IsSpent())
        return true;
    m_stopped = true;
    // The earliest record where any draw ran out is kept.
    DWORD kept = m_stop.load(std::memory_order_relaxed);
    while (record < kept && !m_stop.compare_exchange_weak(kept, record, std::memory_order_relaxed))
    {
    }
    return false;
}
