#include "foundation/files/LastErrorText.h"

#include <gtest/gtest.h>

TEST(LastErrorTextTest, TheSystemTextIsQuotedOnlyAsTheLastError)
{
    const CString system = GetSystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(system.IsEmpty());
    EXPECT_NE('\'', system[0]) << (LPCTSTR)system;

    CString trimmed = system;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ("'" + trimmed + "'", GetLastErrorText());

    ::SetLastError(0x2FFFFFFF); // no text for it: the number stands in
    EXPECT_EQ("'error 805306367'", GetLastErrorText());
}
