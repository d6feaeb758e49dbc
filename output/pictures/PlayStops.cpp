#include "output/pictures/PlayStops.h"

#include <algorithm>

namespace
{
// Pictures drawn at more sizes than this keep the stops of the smallest
// draws: they cover the most.
const size_t MostStops = 16;
} // namespace

DWORD CPlayStops::StopFor(int technology, double area) const
{
    std::lock_guard<std::mutex> locked(m_lock);
    DWORD stop = NoStop;
    for (const Stop& kept : m_stops)
        if (kept.technology == technology && kept.area <= area && kept.record < stop)
            stop = kept.record;
    return stop;
}

void CPlayStops::Keep(int technology, double area, DWORD record)
{
    std::lock_guard<std::mutex> locked(m_lock);
    for (const Stop& kept : m_stops)
        if (kept.technology == technology && kept.area <= area && kept.record <= record)
            return;
    m_stops.erase(std::remove_if(m_stops.begin(), m_stops.end(),
                                 [&](const Stop& kept) {
                                     return kept.technology == technology && kept.area >= area && kept.record >= record;
                                 }),
                  m_stops.end());
    if (m_stops.size() == MostStops)
        m_stops.erase(std::max_element(m_stops.begin(), m_stops.end(), [](const Stop& a, const Stop& b) {
            return a.area < b.area;
        }));
    m_stops.push_back({technology, area, record});
}

void CPlayStops::Clear()
{
    std::lock_guard<std::mutex> locked(m_lock);
    m_stops.clear();
}
