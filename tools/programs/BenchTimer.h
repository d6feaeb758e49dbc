#pragma once
// The clock of the benchmark programs: seconds from the performance counter.
#include <windows.h>

inline double BenchSeconds()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

#include <algorithm>
#include <cstdio>
#include <vector>

// The middle value (the upper of the two middle ones for an even count).
inline double BenchMedian(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs body(i) for i = 0 .. rounds - 1 and prints the time of one round.
template <class BODY>
void BenchMeasure(const char* what, int rounds, BODY body)
{
    double start = BenchSeconds();
    for (int i = 0; i < rounds; ++i)
        body(i);
    double seconds = BenchSeconds() - start;
    printf("%-52s %7d in %7.3f s: %10.2f us each\n", what, rounds, seconds, seconds * 1e6 / rounds);
}
