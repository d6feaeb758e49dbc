// Exceptions stop at the barrier of a procedure that the platform calls: the
// procedure answers its failure value, and the user hears of unexpected ones.
#include "afx/core/CallbackBarrier.h"

#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
LRESULT CALLBACK ThrowingHook(int code, WPARAM wParam, LPARAM lParam)
{
    return AfxCallbackBarrier<LRESULT>(-7, [&]() -> LRESULT {
        switch (code)
        {
        case 1:
            AfxThrowUserException();
        case 2:
            AfxThrowMemoryException();
        case 3:
            throw std::runtime_error("unexpected");
        case 4:
            throw 4;
        }
        return 42;
    });
}
} // namespace

TEST(CallbackBarrierTest, ExceptionsBecomeTheFailureValue)
{
    const struct
    {
        int code;
        LRESULT result;
        const char* message; // shown to the user, or null
    } cases[] = {
        {0, 42, NULL},
        {1, -7, NULL}, // the user has been told already
        {2, -7, "Out of memory."},
        {3, -7, "The operation failed because of an unexpected error."},
        {4, -7, "The operation failed because of an unexpected error."},
    };
    for (const auto& c : cases)
    {
        CMessageBoxAnswerer answerer(IDOK);
        EXPECT_EQ(ThrowingHook(c.code, 0, 0), c.result) << c.code;
        EXPECT_EQ(answerer.Count(), c.message != NULL ? 1 : 0) << c.code;
        if (c.message != NULL)
        {
            EXPECT_EQ(answerer.LastText(), c.message);
        }
    }
}
