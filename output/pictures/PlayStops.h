#pragma once

#include "afx/app/AfxWin.h"

#include <mutex>
#include <vector>

// The records of a picture where its draws ran out of work, each with the
// device area the draw covered and the kind of device it drew on
// (GetDeviceCaps TECHNOLOGY). A later draw on the same kind of device, at
// least as large, stops at the earliest of them: it would run out there
// too, and a repaint draws what the first draw drew. A smaller draw, or one
// on another kind of device (a printer beside the screen), starts afresh.
// Draws on several threads share it.
class CPlayStops
{
public:
    static constexpr DWORD NoStop = 0xFFFFFFFF;

    // The record where a draw of so many device pixels on such a device
    // stops; NoStop for none.
    DWORD StopFor(int technology, double area) const;
    // A draw of so many device pixels on such a device ran out of work at
    // the record.
    void Keep(int technology, double area, DWORD record);
    void Clear();

private:
    struct Stop
    {
        int technology;
        double area;
        DWORD record;
    };

    mutable std::mutex m_lock;
    // None of them is covered by another of its kind (as small a draw or
    // smaller stopped as early or earlier).
    std::vector<Stop> m_stops;
};
