#include "HostileDrawing.h"

#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"
#include "support/ThreadCpuTime.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <memory>

namespace
{
PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    typedef BOOL(WINAPI * Query)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const Query query =
        (Query)(void*)::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (query == nullptr || !query(::GetCurrentProcess(), &counters, sizeof(counters)))
        ADD_FAILURE() << "no memory counters";
    return counters;
}

SIZE_T PeakWorkingSetBytes()
{
    return MemoryCounters().PeakWorkingSetSize;
}

// Near the guard's own limit on what a draw makes the player hold.
const SIZE_T AllowedGrowth = (SIZE_T)160 << 20;
const unsigned AllowedMilliseconds = 2000;

// The most the process's working set grows by while it lives: sampled every
// millisecond on a thread of its own, and the peak working set where that
// rose past where it was (the platform never lowers it again, so it tells
// nothing of a draw that stays under an earlier one).
class CWorkingSetGrowth
{
public:
    CWorkingSetGrowth()
        : m_before(WorkingSetBytes()), m_peakBefore(PeakWorkingSetBytes()), m_highest(m_before),
          m_done(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_thread(::CreateThread(NULL, 0, Sample, this, 0, NULL))
    {
    }
    ~CWorkingSetGrowth() { Bytes(); }

    SIZE_T Bytes()
    {
        if (m_thread != NULL)
        {
            ::SetEvent(m_done);
            ::WaitForSingleObject(m_thread, INFINITE);
            ::CloseHandle(m_thread);
            ::CloseHandle(m_done);
            m_thread = NULL;
            const SIZE_T peak = PeakWorkingSetBytes();
            if (peak > m_peakBefore)
                m_highest = std::max(m_highest, peak);
        }
        return m_highest > m_before ? m_highest - m_before : 0;
    }

private:
    static DWORD WINAPI Sample(void* parameter)
    {
        CWorkingSetGrowth& growth = *(CWorkingSetGrowth*)parameter;
        do
            growth.m_highest = std::max(growth.m_highest, WorkingSetBytes());
        while (::WaitForSingleObject(growth.m_done, 1) == WAIT_TIMEOUT);
        return 0;
    }

    const SIZE_T m_before, m_peakBefore;
    SIZE_T m_highest;
    HANDLE m_done;
    HANDLE m_thread;
};

// Ends the process when a draw on this thread has not ended within a minute:
// a hang cannot be stopped otherwise.
class CHangWatch
{
public:
    explicit CHangWatch(const std::string& what) : m_what(what), m_done(::CreateEventA(NULL, TRUE, FALSE, NULL))
    {
        m_thread = ::CreateThread(NULL, 0, Watch, this, 0, NULL);
    }
    ~CHangWatch()
    {
        ::SetEvent(m_done);
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_done);
    }

private:
    static DWORD WINAPI Watch(void* parameter)
    {
        CHangWatch& watch = *(CHangWatch*)parameter;
        if (::WaitForSingleObject(watch.m_done, 60000) == WAIT_TIMEOUT)
        {
            std::printf("drawing %s did not end within 60 s\n", watch.m_what.c_str());
            std::fflush(stdout);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
        return 0;
    }

    std::string m_what;
    HANDLE m_done;
    HANDLE m_thread;
};

unsigned DrawHere(CPicture& picture, CCanvas& canvas, const std::string& what)
{
    CHangWatch watch(what);
    const CRect box(0, 0, canvas.Width(), canvas.Height());
    CThreadCpuTimer timer;
    picture.Draw(canvas.DC(), box, box, CPoint(0, 0));
    return timer.Milliseconds();
}

// A draw through 'draw' (which answers its milliseconds) within its time,
// and what the working set grew by during it within the allowance.
void ExpectDrawnWithinBounds(unsigned (*draw)(CPicture&, CCanvas&, const std::string&), CPicture& picture,
                             CCanvas& canvas, const std::string& what)
{
    CWorkingSetGrowth growth;
    const unsigned milliseconds = draw(picture, canvas, what);
    const SIZE_T grown = growth.Bytes();
    EXPECT_LT(milliseconds, AllowedMilliseconds) << what;
    EXPECT_LT(grown, AllowedGrowth) << what << ": the working set grew by " << (grown >> 20) << " MB";
}
} // namespace

SIZE_T WorkingSetBytes()
{
    return MemoryCounters().WorkingSetSize;
}

void ExpectDrawnSafely(const Bytes& bytes, int width, int height, const std::string& what, CCanvas* first)
{
    CPicture picture;
    ASSERT_TRUE(picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)))
        << what << ": refused";
    std::unique_ptr<CCanvas> own;
    if (first == nullptr)
    {
        own.reset(new CCanvas(width, height));
        first = own.get();
    }
    CCanvas repaint(width, height), worker(width, height);
    ExpectDrawnWithinBounds(DrawHere, picture, *first, what + ", first");
    ExpectDrawnWithinBounds(DrawHere, picture, repaint, what + ", repaint");
    ExpectDrawnWithinBounds(DrawingMilliseconds, picture, worker, what + ", worker");
}
