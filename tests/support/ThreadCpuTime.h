#pragma once
// Time limits on work measure the processor time that this thread spends,
// not the time on the clock, so that a machine busy with other work does not
// fail them.
//     CThreadCpuTimer timer;
//     ...the work...
//     EXPECT_LT(timer.Milliseconds(), 2000u);
#include <windows.h>

// A FILETIME as one count of 100-nanosecond ticks.
inline unsigned long long FileTimeTicks(const FILETIME& time)
{
    return ((unsigned long long)time.dwHighDateTime << 32) | time.dwLowDateTime;
}

class CThreadCpuTimer
{
public:
    CThreadCpuTimer() : m_start(Now()) {}

    // Milliseconds of processor time (user and kernel) since construction.
    unsigned Milliseconds() const { return (unsigned)((Now() - m_start) / 10000); }

private:
    static unsigned long long Now()
    {
        FILETIME created, exited, kernel, user;
        if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
            return 0;
        return FileTimeTicks(kernel) + FileTimeTicks(user);
    }

    unsigned long long m_start;
};
