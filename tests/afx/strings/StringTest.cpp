// CString storage: sharing, copy-on-write, buffers and joining.
#include <gtest/gtest.h>

#include <limits.h>

#include "afx/core/AfxCore.h"

namespace
{
bool SharesBuffer(const CString& a, const CString& b)
{
    return (LPCTSTR)a == (LPCTSTR)b;
}
} // namespace

TEST(StringSharing, CopiesShareUntilWritten)
{
    CString original("sample text");
    CString copy(original);
    CString assigned;
    assigned = original;
    EXPECT_TRUE(SharesBuffer(original, copy));
    EXPECT_TRUE(SharesBuffer(original, assigned));

    copy.SetAt(0, 'S');
    EXPECT_FALSE(SharesBuffer(original, copy));
    EXPECT_STREQ("sample text", original);
    EXPECT_STREQ("Sample text", copy);
    EXPECT_TRUE(SharesBuffer(original, assigned));
}

TEST(StringSharing, EveryWriteDetachesASharedBuffer)
{
    const CString original("Mixed Case");
    struct Write
    {
        const char* name;
        void (*apply)(CString&);
        const char* expected;
    };
    const Write writes[] = {
        {"+=", [](CString& s) { s += "!"; }, "Mixed Case!"},
        {"+= char", [](CString& s) { s += '?'; }, "Mixed Case?"},
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }, "MIXED CASE"},
        {"MakeLower", [](CString& s) { s.MakeLower(); }, "mixed case"},
        {"MakeReverse", [](CString& s) { s.MakeReverse(); }, "esaC dexiM"},
        {"SetAt", [](CString& s) { s.SetAt(1, 'a'); }, "Maxed Case"},
        {"Format", [](CString& s) { s.Format("%d", 42); }, "42"},
        {"Empty", [](CString& s) { s.Empty(); }, ""},
        {"assign", [](CString& s) { s = "other"; }, "other"},
        {"Replace", [](CString& s) { s.Replace('e', 'E'); }, "MixEd CasE"},
        {"Remove", [](CString& s) { s.Remove(' '); }, "MixedCase"},
        {"GetBufferSetLength", [](CString& s) { s.GetBufferSetLength(5); }, "Mixed"},
    };
    for (const Write& write : writes)
    {
        CString copy(original);
        write.apply(copy);
        EXPECT_STREQ(write.expected, copy) << write.name;
        EXPECT_STREQ("Mixed Case", original) << write.name;
    }
}

TEST(StringSharing, GetBufferDetachesAndReleaseBufferTakesTheLength)
{
    CString original("abc");
    CString copy(original);
    LPTSTR buffer = copy.GetBuffer(0);
    EXPECT_NE((LPCTSTR)original, buffer);
    strcpy(buffer, "xy");
    copy.ReleaseBuffer();
    EXPECT_EQ(2, copy.GetLength());
    EXPECT_STREQ("xy", copy);
    EXPECT_STREQ("abc", original);

    buffer = copy.GetBuffer(100);
    EXPECT_GE(copy.GetAllocLength(), 100);
    memcpy(buffer, "0123456789", 10);
    copy.ReleaseBuffer(4);
    EXPECT_STREQ("0123", copy);
    EXPECT_EQ(4, copy.GetLength());
}

TEST(StringSharing, ReleaseBufferWithoutTerminatorStopsAtTheBufferEnd)
{
    CString s;
    LPTSTR buffer = s.GetBuffer(8);
    memset(buffer, 'z', s.GetAllocLength());
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetAllocLength(), s.GetLength());
}

TEST(StringSharing, LockedBufferIsNeverShared)
{
    CString locked("locked");
    locked.LockBuffer();
    CString copy(locked);
    EXPECT_FALSE(SharesBuffer(locked, copy));
    EXPECT_STREQ("locked", copy);
    locked.UnlockBuffer();
    CString second(locked);
    EXPECT_TRUE(SharesBuffer(locked, second));
}

TEST(StringSharing, OneMemberPointingAtTheCharacters)
{
    EXPECT_EQ(sizeof(LPCTSTR), sizeof(CString));
    CString s("abc");
    EXPECT_EQ((LPCTSTR)s, *(LPCTSTR*)&s);
}

TEST(StringSharing, EmptyStringsShareOneBlockAndSwapsCopyNoCharacters)
{
    CString a, b("x");
    b.Empty();
    EXPECT_TRUE(SharesBuffer(a, b));
    EXPECT_TRUE(b.IsEmpty());

    CString first("first"), second("second");
    LPCTSTR pFirst = first, pSecond = second;
    CString temp = first;
    first = second;
    second = temp;
    EXPECT_EQ(pSecond, (LPCTSTR)first);
    EXPECT_EQ(pFirst, (LPCTSTR)second);
}

TEST(StringConstruction, FromTextCountCharacterAndWideText)
{
    EXPECT_STREQ("", CString((LPCTSTR)NULL));
    EXPECT_STREQ("abc", CString("abcdef", 3));
    EXPECT_STREQ("", CString("abc", 0));
    EXPECT_STREQ("---", CString('-', 3));
    EXPECT_STREQ("", CString('-', 0));
    EXPECT_STREQ("wide", CString(L"wide"));
    EXPECT_STREQ("\xE9t\xE9", CString(L"\x00E9t\x00E9"));
    CString embedded("a\0b", 3);
    EXPECT_EQ(3, embedded.GetLength());
}

TEST(StringJoining, OperatorsAndSelfAppend)
{
    CString s("ab");
    EXPECT_STREQ("abcd", s + "cd");
    EXPECT_STREQ("cdab", "cd" + s);
    EXPECT_STREQ("ab!", s + '!');
    EXPECT_STREQ("!ab", '!' + s);
    EXPECT_STREQ("abab", s + s);
    s += s;
    EXPECT_STREQ("abab", s);
    s += (LPCTSTR)s + 2;
    EXPECT_STREQ("ababab", s);
    s = (LPCTSTR)s + 4;
    EXPECT_STREQ("ab", s);
}

TEST(StringJoining, RepeatedAppendKeepsSpareRoom)
{
    CString s;
    for (int i = 0; i < 1000; ++i)
        s += 'x';
    EXPECT_EQ(1000, s.GetLength());
    EXPECT_GE(s.GetAllocLength(), 1000);
    s.FreeExtra();
    EXPECT_EQ(1000, s.GetAllocLength());
}

TEST(StringComparison, ByBytesAndCaseBlind)
{
    CString s("abc");
    EXPECT_TRUE(s == "abc");
    EXPECT_TRUE("abc" == s);
    EXPECT_TRUE(s != "abd");
    EXPECT_TRUE(s < "abd");
    EXPECT_TRUE(s > "ab");
    EXPECT_TRUE(s <= CString("abc"));
    EXPECT_TRUE(s >= CString("abc"));
    // Bytes above 127 sort after ASCII.
    EXPECT_TRUE(CString("\xE9") > "z");
    EXPECT_EQ(0, s.CompareNoCase("ABC"));
    EXPECT_GT(s.Compare("ABC"), 0);
    EXPECT_NE(0, CString("\xE9").CompareNoCase("\xC9"));
}

TEST(StringMemory, ImpossibleLengthsRaiseTheMemoryException)
{
    CString s("abc");
    EXPECT_THROW(s.GetBuffer(INT_MAX - 4), CMemoryException*);
    EXPECT_STREQ("abc", s);
    EXPECT_THROW(AfxAllocMemory(0xFFFFFFF0u), CMemoryException*);
}
