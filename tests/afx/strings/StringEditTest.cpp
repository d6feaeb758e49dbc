// CString pieces, search, trimming, case and replacement, with their edges:
// empty text, nothing found, and characters above 127.
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

TEST(StringPieces, MidLeftRightClampToTheText)
{
    CString s("abcdef");
    EXPECT_STREQ("cd", s.Mid(2, 2));
    EXPECT_STREQ("cdef", s.Mid(2));
    EXPECT_STREQ("abcdef", s.Mid(-3));
    EXPECT_STREQ("", s.Mid(10));
    EXPECT_STREQ("ef", s.Mid(4, 100));
    EXPECT_STREQ("", s.Mid(2, -1));
    EXPECT_STREQ("ab", s.Left(2));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("abcdef", s.Left(99));
    EXPECT_STREQ("ef", s.Right(2));
    EXPECT_STREQ("abcdef", s.Right(99));
    EXPECT_STREQ("", s.Right(-2));
    EXPECT_STREQ("", CString().Mid(0, 3));
    // The whole text is shared, not copied.
    EXPECT_EQ((LPCTSTR)s, (LPCTSTR)s.Mid(0));
}

TEST(StringPieces, SpanIncludingAndExcluding)
{
    CString s("123abc");
    EXPECT_STREQ("123", s.SpanIncluding("0123456789"));
    EXPECT_STREQ("", s.SpanIncluding("xyz"));
    EXPECT_STREQ("123", s.SpanExcluding("abc"));
    EXPECT_STREQ("123abc", s.SpanExcluding("\xE9"));
    EXPECT_STREQ("", CString().SpanIncluding("a"));
}

TEST(StringSearch, FindCharacterAndText)
{
    CString s("abcabc\xE9");
    EXPECT_EQ(1, s.Find('b'));
    EXPECT_EQ(4, s.Find('b', 2));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(6, s.Find('\xE9'));
    EXPECT_EQ(-1, s.Find('a', 7));
    EXPECT_EQ(-1, s.Find('a', 100));
    EXPECT_EQ(0, s.Find('a', -5));
    EXPECT_EQ(2, s.Find("ca"));
    EXPECT_EQ(3, s.Find("abc", 1));
    EXPECT_EQ(-1, s.Find("abd"));
    EXPECT_EQ(5, s.Find("c\xE9"));
    EXPECT_EQ(-1, s.Find("a", 8));
    EXPECT_EQ(-1, CString().Find('a'));
    EXPECT_EQ(-1, CString().Find("a"));
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));
}

TEST(StringSearch, ReverseFindAndFindOneOf)
{
    CString s("a.b.c\xE9");
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(5, s.ReverseFind('\xE9'));
    EXPECT_EQ(-1, s.ReverseFind('z'));
    EXPECT_EQ(-1, CString().ReverseFind('a'));
    EXPECT_EQ(1, s.FindOneOf(".c"));
    EXPECT_EQ(5, s.FindOneOf("\xE9"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, s.FindOneOf(""));
    EXPECT_EQ(-1, CString().FindOneOf("a"));
}

TEST(StringTrim, WhitespaceIsTheCLocaleSet)
{
    CString s(" \t\r\n\v\fword \t\r\n\v\f");
    s.TrimLeft();
    EXPECT_STREQ("word \t\r\n\v\f", s);
    s.TrimRight();
    EXPECT_STREQ("word", s);

    // Characters above 127 (non-breaking space 0xA0 among them) stay.
    CString high("\xA0 x \xA0");
    high.TrimLeft();
    high.TrimRight();
    EXPECT_STREQ("\xA0 x \xA0", high);

    CString blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
    CString empty;
    empty.TrimLeft();
    empty.TrimRight();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(StringTrim, GivenCharactersOnly)
{
    CString s("xxyabcyxx");
    CString copy(s);
    s.TrimLeft('x');
    EXPECT_STREQ("yabcyxx", s);
    s.TrimRight("xy");
    EXPECT_STREQ("yabc", s);
    s.TrimLeft("");
    EXPECT_STREQ("yabc", s);
    s.TrimRight('z');
    EXPECT_STREQ("yabc", s);
    EXPECT_STREQ("xxyabcyxx", copy);

    CString high("\xE9\xE9" "a\xE9");
    high.TrimLeft('\xE9');
    high.TrimRight("\xE9");
    EXPECT_STREQ("a", high);
}

TEST(StringTrim, NothingToTrimKeepsTheBufferShared)
{
    CString original("word");
    CString copy(original);
    copy.TrimLeft();
    copy.TrimRight();
    copy.TrimRight('x');
    EXPECT_EQ((LPCTSTR)original, (LPCTSTR)copy);
}

TEST(StringCase, OnlyAsciiLettersChange)
{
    CString s("Abc \xC9t\xE9 Z9");
    s.MakeUpper();
    EXPECT_STREQ("ABC \xC9T\xE9 Z9", s);
    s.MakeLower();
    EXPECT_STREQ("abc \xC9t\xE9 z9", s);
    s.MakeReverse();
    EXPECT_STREQ("9z \xE9t\xC9 cba", s);
    CString empty;
    empty.MakeUpper();
    empty.MakeReverse();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(StringReplace, CharactersAndTexts)
{
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", s);
    EXPECT_EQ(0, s.Replace('-', '+'));
    EXPECT_EQ(0, s.Replace('a', 'a'));

    CString t("one two one");
    EXPECT_EQ(2, t.Replace("one", "three"));
    EXPECT_STREQ("three two three", t);
    EXPECT_EQ(2, t.Replace("three", ""));
    EXPECT_STREQ(" two ", t);
    EXPECT_EQ(0, t.Replace("", "x"));
    EXPECT_EQ(0, t.Replace("absent", "x"));
    EXPECT_STREQ(" two ", t);

    CString overlapping("aaaa");
    EXPECT_EQ(2, overlapping.Replace("aa", "b"));
    EXPECT_STREQ("bb", overlapping);
    CString high("\xE9t\xE9");
    EXPECT_EQ(2, high.Replace("\xE9", "e"));
    EXPECT_STREQ("ete", high);
}

TEST(StringReplace, Remove)
{
    CString s("a b  c ");
    EXPECT_EQ(4, s.Remove(' '));
    EXPECT_STREQ("abc", s);
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(0, s.Remove('z'));
    CString empty;
    EXPECT_EQ(0, empty.Remove('a'));
}
