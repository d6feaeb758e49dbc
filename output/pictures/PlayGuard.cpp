#include "output/pictures/PlayGuard.h"

CPlayGuard::CPlayGuard(DWORD fileBytes, std::atomic<DWORD>& stop)
    : m_stop(stop), m_start(::GetTickCount()), m_limit(DrawLimit(fileBytes))
{
}

bool CPlayGuard::HasTimeForNext()
{
    const DWORD record = m_next++;
    if (record >= m_stop.load(std::memory_order_relaxed))
        return false;
    if (::GetTickCount() - m_start <= m_limit)
        return true;
    // The earliest record where any draw ran out is kept.
    DWORD kept = m_stop.load(std::memory_order_relaxed);
    while (record < kept && !m_stop.compare_exchange_weak(kept, record, std::memory_order_relaxed))
    {
    }
    return false;
}
