// CString formatting (the C runtime's printf) and string-resource loading.
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

namespace
{
CString Formatted(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    CString s;
    s.FormatV(lpszFormat, args);
    va_end(args);
    return s;
}

CString AFXAPI Uppercase(LPCTSTR lpszText)
{
    CString s(lpszText);
    s.Replace("~", "");
    s.MakeUpper();
    return s;
}
} // namespace

TEST(StringFormat, PrintfConversions)
{
    CString s;
    s.Format("%s=%d (%05.1f) %x %c %%", "value", -42, 3.14159, 255, 'Q');
    EXPECT_STREQ("value=-42 (003.1) ff Q %", s);
    EXPECT_STREQ("", Formatted(""));
    EXPECT_STREQ("  ab", Formatted("%4s", "ab"));
    EXPECT_STREQ("\xE9t\xE9", Formatted("%s", "\xE9t\xE9"));
    EXPECT_STREQ("12345678901", Formatted("%I64d", (__int64)12345678901LL));
}

TEST(StringFormat, LongResults)
{
    CString big('x', 5000);
    CString s;
    s.Format("[%s]", (LPCTSTR)big);
    EXPECT_EQ(5002, s.GetLength());
    EXPECT_EQ('[', s[0]);
    EXPECT_EQ(']', s[5001]);
}

TEST(StringFormat, ResultsAroundTheShortBufferSize)
{
    for (int nLength = 250; nLength <= 260; ++nLength)
    {
        CString text('y', nLength);
        CString s;
        s.Format("%s", (LPCTSTR)text);
        EXPECT_EQ(text, s) << nLength;
    }
}

TEST(StringFormat, ArgumentsMayComeFromTheTargetItself)
{
    CString s("abc");
    s.Format("%s-%s-%s-%s-%s", (LPCTSTR)s, (LPCTSTR)s, (LPCTSTR)s, (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_STREQ("abc-abc-abc-abc-abc", s);
}

TEST(StringLoad, MissingResourceGivesEmptyTextAndZero)
{
    CString s("previous");
    EXPECT_FALSE(s.LoadString(0xFFF0));
    EXPECT_TRUE(s.IsEmpty());
    TCHAR buffer[8] = "junk";
    EXPECT_EQ(0, AfxLoadString(0xFFF0, buffer, 8));
    EXPECT_STREQ("", buffer);
}

TEST(StringLoad, ExpanderHookIsInstalledAndRemoved)
{
    AFX_TOKEN_EXPANDER pfnInstalled = AfxGetTokenExpander();
    AfxSetTokenExpander(&Uppercase);
    EXPECT_EQ(&Uppercase, AfxGetTokenExpander());
    EXPECT_STREQ("ABC", AfxGetTokenExpander()("~abc~"));
    AfxSetTokenExpander(NULL);
    EXPECT_EQ(NULL, AfxGetTokenExpander());
    AfxSetTokenExpander(pfnInstalled);
}
