#include "HostileDrawing.h"

#include "output/pictures/Picture.h"
#include "output/pictures/PictureLoadOptions.h"
#include "support/ThreadCpuTime.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <memory>

namespace
{
PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    typedef BOOL(WINAPI * Query)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const Query query = (Query)(void*)::GetProcAddress(::GetModuleHandleA("kernel32.dll"),
                                                                "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (query == nullptr || !query(::GetCurrentProcess(), &counters, sizeof(counters)))
        ADD_FAILURE() << "no memory counters";
    return counters;
}

const SIZE_T AllowedGrowth = (SIZE_T)300 << 20;
const unsigned AllowedMilliseconds = 2000;

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
} // namespace

SIZE_T PeakWorkingSetBytes()
{
    return MemoryCounters().PeakWorkingSetSize;
}

SIZE_T WorkingSetBytes()
{
    return MemoryCounters().WorkingSetSize;
}

void ExpectDrawnSafely(const Bytes& bytes, int width, int height, const std::string& what, CCanvas* first)
{
    const SIZE_T peakBefore = PeakWorkingSetBytes();
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
    EXPECT_LT(DrawHere(picture, *first, what + ", first"), AllowedMilliseconds) << what << ", first";
    EXPECT_LT(DrawHere(picture, repaint, what + ", repaint"), AllowedMilliseconds) << what << ", repaint";
    EXPECT_LT(DrawingMilliseconds(picture, worker, what + ", worker"), AllowedMilliseconds) << what << ", worker";
    const SIZE_T peakAfter = PeakWorkingSetBytes();
    EXPECT_LT(peakAfter - peakBefore, AllowedGrowth)
        << what << ": peak working set from " << (peakBefore >> 20) << " MB to " << (peakAfter >> 20) << " MB";
}
