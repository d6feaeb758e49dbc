#include "framework/values/TimeOfDay.h"

#include "framework/values/ValueFormatSettings.h"

#include <time.h>

void CTimeOfDay::SetToNow()
{
    time_t now = time(NULL);
    struct tm* local = localtime(&now);
    m_minutes = local != NULL ? local->tm_hour * 60 + local->tm_min : -1;
}

CString CTimeOfDay::Format() const
{
    CString text;
    if (m_minutes < 0 || m_minutes > 1439)
        return text;
    int hour = m_minutes / 60;
    int minute = m_minutes % 60;
    if (ValueFormatSettings().use24HourClock)
        text.Format("%02d:%02d", hour, minute);
    else
    {
        int shown = hour % 12 == 0 ? 12 : hour % 12;
        text.Format(hour >= 12 ? "%d:%02dpm" : "%d:%02dam", shown, minute);
    }
    return text;
}
