#include "foundation/containers/MapEx.h"

#include <gtest/gtest.h>

namespace
{
typedef CMapEx<CString, LPCTSTR, int, int> CTextNumberMap;
}

TEST(MapExTest, AssignmentCopiesEntriesAndKeepsTheTableSize)
{
    CTextNumberMap source;
    source["a"] = 1;
    source["b"] = 2;
    CTextNumberMap target;
    target.InitHashTable(31);
    target["old"] = 9;

    target = source;
    EXPECT_EQ(2, target.GetCount());
    EXPECT_EQ(31u, target.GetHashTableSize());
    int value = 0;
    EXPECT_TRUE(target.Lookup("b", value));
    EXPECT_EQ(2, value);
    EXPECT_FALSE(target.Lookup("old", value));
    EXPECT_TRUE(IsStringMapEqual(target, source));
}

TEST(MapExTest, AssigningEmptyOrItself)
{
    CTextNumberMap map;
    map.InitHashTable(7);
    map["x"] = 1;
    map = map;
    EXPECT_EQ(1, map.GetCount());

    CTextNumberMap empty;
    map = empty;
    EXPECT_EQ(0, map.GetCount());
    EXPECT_EQ(7u, map.GetHashTableSize());
}

TEST(MapExTest, Equality)
{
    CTextNumberMap a;
    CTextNumberMap b;
    EXPECT_TRUE(IsStringMapEqual(a, b));
    a["k"] = 1;
    b["k"] = 2;
    EXPECT_FALSE(IsStringMapEqual(a, b));
    b["k"] = 1;
    EXPECT_TRUE(IsStringMapEqual(a, b));

    CTextNumberMap upper;
    upper["K"] = 1;
    EXPECT_FALSE(IsStringMapEqual(a, upper));
}
