// The main of every test program. Each test's name is printed as it starts,
// and flushed, so that the log of a program stopped by its timeout ends with
// the test that hung (--gtest_brief=1 prints nothing for a test that runs).
// Once the results are printed the process ends at once, without running the
// libraries' detach code or the static destructors: Wine has been seen to
// hang a test program at its exit after every one of its tests had passed.
// So a program that times out hung in a test, and the test run counts it as
// the failure it is.
//
// A fault that nothing handles, on any thread, ends the program here with a
// fault line and the fault's code as its status. Left to Wine, its debugger
// prints a backtrace and ends the process itself, with the fault's code or
// with status 0 as it happens (a picture's player faulting on a drawing
// thread ended so): the run looked like a pass. A filter that a test puts in
// (the application object's shows a box nobody answers) is replaced again as
// each test starts and ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace
{
// Runs on the faulting thread, perhaps inside the C library with its locks
// held: the line is formatted on the stack and written straight to the handle.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* pointers)
{
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    char line[128];
    const int length = std::snprintf(line, sizeof line, "[  FAULT   ] exception 0x%08lX at %p on thread %lu\n",
                                     record.ExceptionCode, record.ExceptionAddress, ::GetCurrentThreadId());
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line, (DWORD)length, &written, NULL);
    ::TerminateProcess(::GetCurrentProcess(), record.ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

class FaultFilterKeeper : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { ::SetUnhandledExceptionFilter(EndOnFault); }
    void OnTestEnd(const ::testing::TestInfo&) override { ::SetUnhandledExceptionFilter(EndOnFault); }
};

class TestNamePrinter : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        std::printf("[ RUN      ] %s.%s\n", test.test_suite_name(), test.name());
        std::fflush(stdout);
    }
};
}  // namespace

int main(int argc, char** argv)
{
    ::SetUnhandledExceptionFilter(EndOnFault);
    ::testing::InitGoogleTest(&argc, argv);
    // The listeners own what is appended to them. Without --gtest_brief the
    // test's own printer names each test as it starts.
    ::testing::UnitTest::GetInstance()->listeners().Append(new FaultFilterKeeper);
    if (GTEST_FLAG_GET(brief))
        ::testing::UnitTest::GetInstance()->listeners().Append(new TestNamePrinter);
    const int result = RUN_ALL_TESTS();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)result);
    return result;
}
