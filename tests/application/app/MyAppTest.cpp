// The application object's fault filter lasts as long as the object: a test
// program's own fault handling is back once it goes.
#include "application/app/MyApp.h"

#include <gtest/gtest.h>

namespace
{
LONG WINAPI EarlierFilter(EXCEPTION_POINTERS*)
{
    return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI LaterFilter(EXCEPTION_POINTERS*)
{
    return EXCEPTION_CONTINUE_SEARCH;
}

// The filter in force, left in force.
LPTOP_LEVEL_EXCEPTION_FILTER FilterInForce()
{
    const LPTOP_LEVEL_EXCEPTION_FILTER filter = ::SetUnhandledExceptionFilter(NULL);
    ::SetUnhandledExceptionFilter(filter);
    return filter;
}

TEST(MyApp, PutsBackTheEarlierFaultFilterWhenItGoesButKeepsALaterOne)
{
    const LPTOP_LEVEL_EXCEPTION_FILTER testFilter = ::SetUnhandledExceptionFilter(EarlierFilter);
    for (const bool replaced : {false, true})
    {
        SCOPED_TRACE(replaced ? "replaced while the object lived" : "left alone");
        {
            CMyApp app;
            EXPECT_NE(FilterInForce(), EarlierFilter) << "the object handles faults while it lives";
            if (replaced)
                ::SetUnhandledExceptionFilter(LaterFilter);
        }
        EXPECT_EQ(FilterInForce(), replaced ? LaterFilter : EarlierFilter);
        ::SetUnhandledExceptionFilter(EarlierFilter);
    }
    ::SetUnhandledExceptionFilter(testFilter);
}
}  // namespace
