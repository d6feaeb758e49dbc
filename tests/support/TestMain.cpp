// The main of every test program. Each test's name is printed as it starts,
// and flushed, so that the log of a program stopped by its timeout ends with
// the test that hung (--gtest_brief=1 prints nothing for a test that runs).
// Once the results are printed the process ends at once, without running the
// libraries' detach code or the static destructors: Wine has been seen to
// hang a test program at its exit after every one of its tests had passed.
// So a program that times out hung in a test, and the test run counts it as
// the failure it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace
{
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
    ::testing::InitGoogleTest(&argc, argv);
    // The listeners own what is appended to them. Without --gtest_brief the
    // test's own printer names each test as it starts.
    if (GTEST_FLAG_GET(brief))
        ::testing::UnitTest::GetInstance()->listeners().Append(new TestNamePrinter);
    const int result = RUN_ALL_TESTS();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)result);
    return result;
}
