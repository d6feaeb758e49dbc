// The main of every test program. Once the results are printed the process
// ends at once, without running the libraries' detach code or the static
// destructors: Wine has been seen to hang a test program at its exit after
// every one of its tests had passed. So a program that times out hung in a
// test, and the test run counts it as the failure it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)result);
    return result;
}
