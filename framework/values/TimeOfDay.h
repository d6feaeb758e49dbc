#pragma once
// A time of day without a date: minutes since midnight, 0 to 1439; any other
// value means no time.
#include "afx/core/AfxCore.h"

class CTimeOfDay
{
public:
    explicit CTimeOfDay(int minutes = -1) : m_minutes(minutes) {}

    // The current local time; seconds are dropped.
    void SetToNow();
    // "07:05" with the 24-hour clock, else "7:05am" / "12:30pm"; empty when
    // there is no time.
    CString Format() const;

    int m_minutes;
};
