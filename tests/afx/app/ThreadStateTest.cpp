// Every thread that ends frees the framework state it made, however it was
// started; the main thread keeps its own.
#include "afx/app/ThreadState.h"
#include "afx/windows/Wnd.h"

#include <gtest/gtest.h>

#include <process.h>
#include <thread>

namespace
{
LONG g_countInThread = 0;

// Makes the thread's state and a temporary wrapper in its window map.
void UseState()
{
    EXPECT_TRUE(CWnd::FromHandle(::GetDesktopWindow()) != NULL);
    g_countInThread = AfxGetLiveThreadStateCount();
}

DWORD WINAPI PlatformThread(LPVOID)
{
    UseState();
    return 0;
}

unsigned __stdcall RuntimeThread(void*)
{
    UseState();
    return 0;
}

void JoinHandle(HANDLE thread)
{
    ASSERT_TRUE(thread != NULL);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
}

const struct
{
    const char* name;
    void (*run)();
} starters[] = {
    {"std::thread", [] { std::thread(UseState).join(); }},
    {"CreateThread", [] { JoinHandle(::CreateThread(NULL, 0, PlatformThread, NULL, 0, NULL)); }},
    {"_beginthreadex", [] { JoinHandle((HANDLE)_beginthreadex(NULL, 0, RuntimeThread, NULL, 0, NULL)); }},
};
} // namespace

TEST(ThreadState, EndingThreadsFreeTheirStateTheMainThreadKeepsItsOwn)
{
    AFX_THREAD_STATE* mine = AfxGetThreadState();
    const LONG before = AfxGetLiveThreadStateCount();
    for (const auto& starter : starters)
    {
        SCOPED_TRACE(starter.name);
        for (int i = 0; i < 3; ++i)
        {
            g_countInThread = 0;
            starter.run();
            EXPECT_EQ(g_countInThread, before + 1);
            EXPECT_EQ(AfxGetLiveThreadStateCount(), before);
        }
    }
    EXPECT_EQ(AfxGetThreadState(), mine);
}
