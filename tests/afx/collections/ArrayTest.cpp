// The framework arrays: growth, insertion, removal, and shallow versus deep
// copies.
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

namespace
{
// Counts live instances, to check construction and destruction in place.
struct Counted
{
    static int s_nLive;
    int value;
    Counted() : value(-1) { ++s_nLive; }
    Counted(const Counted& other) : value(other.value) { ++s_nLive; }
    Counted& operator=(const Counted& other)
    {
        value = other.value;
        return *this;
    }
    ~Counted() { --s_nLive; }
};
int Counted::s_nLive = 0;

class Element : public CObject
{
public:
    explicit Element(int n) : m_n(n) {}
    int m_n;
};

template <class ARRAY>
CString Joined(const ARRAY& array)
{
    CString s;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
    {
        if (i != 0)
            s += ',';
        CString item;
        item.Format("%u", (unsigned)array[i]);
        s += item;
    }
    return s;
}
} // namespace

TEST(ArrayGrowth, DefaultStepFollowsTheSize)
{
    CDWordArray a;
    a.Add(1);
    EXPECT_EQ(1, a.GetSize());
    // First allocation is exact; later ones add max(4, min(1024, size / 8)).
    a.Add(2);
    DWORD* pData = a.GetData();
    a.Add(3);
    a.Add(4);
    a.Add(5);
    EXPECT_EQ(pData, a.GetData());
    a.Add(6);
    EXPECT_NE(pData, a.GetData());
    EXPECT_STREQ("1,2,3,4,5,6", Joined(a));

    CDWordArray large;
    large.SetSize(800);
    large.SetSize(801);
    DWORD* pLarge = large.GetData();
    large.SetSize(900); // 800 + 800/8 = 900 still fits
    EXPECT_EQ(pLarge, large.GetData());
    large.SetSize(901);
    EXPECT_NE(pLarge, large.GetData());
}

TEST(ArrayGrowth, GivenStepAndNewElementsAreZero)
{
    CUIntArray a;
    a.SetSize(0, 32);
    a.Add(7);
    UINT* pData = a.GetData();
    a.SetSize(32);
    EXPECT_EQ(pData, a.GetData());
    EXPECT_EQ(7u, a[0]);
    EXPECT_EQ(0u, a[31]);
    EXPECT_EQ(31, a.GetUpperBound());
    a.SetSize(2);
    a.SetSize(5);
    EXPECT_EQ(0u, a[4]);
}

TEST(ArrayEdit, InsertRemoveAndSetAtGrow)
{
    CWordArray a;
    a.InsertAt(0, 5);
    a.InsertAt(0, 1, 2);
    a.InsertAt(5, 9); // beyond the end: the gap is zero-filled
    EXPECT_STREQ("1,1,5,0,0,9", Joined(a));
    a.RemoveAt(1, 3);
    EXPECT_STREQ("1,0,9", Joined(a));
    a.RemoveAt(2, 10);
    EXPECT_STREQ("1,0", Joined(a));
    a.SetAtGrow(4, 4);
    EXPECT_STREQ("1,0,0,0,4", Joined(a));
    a.SetAtGrow(0, 8);
    EXPECT_STREQ("8,0,0,0,4", Joined(a));
    CWordArray b;
    b.Add(6);
    b.Add(7);
    a.InsertAt(1, &b);
    EXPECT_STREQ("8,6,7,0,0,0,4", Joined(a));
    a.InsertAt(0, &a);
    EXPECT_EQ(14, a.GetSize());
    a.RemoveAll();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(NULL, a.GetData());
}

TEST(ArrayEdit, ElementsOfTheArrayItselfMayBeAddedWhileItGrows)
{
    CStringArray a;
    a.Add("first");
    for (int i = 0; i < 20; ++i)
        a.Add(a[0]);
    a.InsertAt(0, a[20], 3);
    a.SetAtGrow(40, a[1]);
    EXPECT_EQ(41, a.GetSize());
    for (int i = 0; i < 24; ++i)
        EXPECT_STREQ("first", a[i]);
    EXPECT_STREQ("first", a[40]);
    EXPECT_TRUE(a[30].IsEmpty());
}

TEST(ArrayElements, ConstructedAndDestroyedInPlace)
{
    Counted::s_nLive = 0;
    {
        CArray<Counted, const Counted&> a;
        a.SetSize(10);
        EXPECT_EQ(10, Counted::s_nLive);
        EXPECT_EQ(-1, a[9].value);
        Counted c;
        c.value = 3;
        a.InsertAt(2, c, 2);
        EXPECT_EQ(13, Counted::s_nLive);
        EXPECT_EQ(3, a[3].value);
        a.RemoveAt(0, 5);
        EXPECT_EQ(8, Counted::s_nLive);
        a.SetSize(100);
        EXPECT_EQ(101, Counted::s_nLive);
        a.FreeExtra();
        EXPECT_EQ(101, Counted::s_nLive);
    }
    EXPECT_EQ(0, Counted::s_nLive);
}

TEST(ArrayCopy, ObjectArraysCopyPointersOnly)
{
    Element one(1), two(2);
    CObArray a;
    a.Add(&one);
    a.Add(&two);
    a.Add(NULL);
    CObArray b;
    b.Add(&two);
    b.Copy(a);
    ASSERT_EQ(3, b.GetSize());
    EXPECT_EQ(&one, b[0]);
    EXPECT_EQ(&two, b.GetAt(1));
    EXPECT_EQ(NULL, b[2]);
    ((Element*)b[0])->m_n = 10;
    EXPECT_EQ(10, ((Element*)a[0])->m_n);
    EXPECT_EQ(3, b.Append(a));
    EXPECT_EQ(6, b.GetSize());
    EXPECT_EQ(&one, b.ElementAt(3));
}

TEST(ArrayCopy, StringArraysCopyTextsThatChangeIndependently)
{
    CStringArray a;
    a.Add("alpha");
    a.Add(CString("beta"));
    CStringArray b;
    b.Copy(a);
    b[0] = "changed";
    b.ElementAt(1).MakeUpper();
    EXPECT_STREQ("alpha", a[0]);
    EXPECT_STREQ("beta", a.GetAt(1));
    EXPECT_STREQ("changed", b[0]);
    EXPECT_STREQ("BETA", b[1]);
    b.Copy(b);
    EXPECT_EQ(2, b.GetSize());
}

TEST(ArrayCopy, RectangleArrays)
{
    CArray<RECT, RECT> rects;
    RECT r = {1, 2, 3, 4};
    rects.Add(r);
    rects.SetSize(3);
    EXPECT_EQ(3, rects.ElementAt(0).right);
    EXPECT_EQ(0, rects.GetAt(2).left);
    EXPECT_TRUE(CRect(rects[0]) == CRect(1, 2, 3, 4));
}

TEST(ArrayRuntimeClass, TypedArraysAnswerTheirClass)
{
    CObArray objects;
    CStringArray strings;
    EXPECT_TRUE(objects.IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_STREQ("CStringArray", strings.GetRuntimeClass()->m_lpszClassName);
}
