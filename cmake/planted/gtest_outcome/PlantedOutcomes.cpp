// A test program that ends each way a test run must not be taken for a pass,
// one way chosen by the test filter (or, for a program that prints nothing,
// by an argument), and one way that passes. Each way but the first is caught
// by one clause of the test entries' outcome expressions alone: its summary
// is printed where that clause is not the one that catches it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace
{
void EndNow(UINT status)
{
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), status);
}

// Ends before the test program prints anything.
const bool EndedSilently = [] {
    if (std::strstr(::GetCommandLineA(), " --end-silently") != nullptr)
        EndNow(0);
    return false;
}();

// Does its deed once the summary is printed, as a hang or a fault at the
// process's exit would come, and loses the status as Wine has been seen to.
class AfterSummary : public ::testing::EmptyTestEventListener
{
public:
    explicit AfterSummary(void (*deed)()) : m_deed(deed) {}

private:
    void OnTestProgramEnd(const ::testing::UnitTest&) override
    {
        m_deed();
        EndNow(0);
    }

    void (*m_deed)();
};

void AfterTheSummary(void (*deed)())
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new AfterSummary(deed));
}

LONG WINAPI EndQuietly(EXCEPTION_POINTERS*)
{
    EndNow(0);
    return EXCEPTION_EXECUTE_HANDLER;
}

TEST(Outcome, Passes)
{
    SUCCEED() << "the run that the outcome expressions take for a pass";
}

TEST(Outcome, EndsBeforeItsSummary)
{
    EndNow(0);
}

TEST(Outcome, FailsWithItsStatusLost)
{
    AfterTheSummary([] {});
    ADD_FAILURE() << "planted failure";
}

TEST(Outcome, FaultsAfterItsSummaryWithItsStatusLost)
{
    // A fault whose code, the status it ends with, is 0.
    AfterTheSummary([] { ::RaiseException(0, EXCEPTION_NONCONTINUABLE, 0, nullptr); });
}

TEST(Outcome, EndsWithAnotherStatusAfterItsSummary)
{
    AfterTheSummary([] { EndNow(3); });
}

// A filter put in by a test (an application object's) that ends the process
// quietly, as a fault box nobody answers would end it at the time limit.
TEST(Outcome, FilterOfItsOwn)
{
    ::SetUnhandledExceptionFilter(EndQuietly);
}

TEST(Outcome, FaultsAfterAFilterOfItsOwn)
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}
}  // namespace
