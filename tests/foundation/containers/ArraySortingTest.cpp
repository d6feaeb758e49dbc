#include "foundation/containers/ArraySorting.h"
#include "foundation/containers/IndexedSort.h"

#include "foundation/StringsOf.h"

#include <gtest/gtest.h>

TEST(ArraySortingTest, CaseSensitiveAndInsensitiveStringSorts)
{
    CStringArray array;
    FillArray(array, {"b", "_x", "B", "a", "A"});
    SortStringArray(&array, TRUE);
    EXPECT_EQ((Strings{"A", "B", "_x", "a", "b"}), ToStrings(array));

    FillArray(array, {"b", "_x", "C", "a"});
    SortStringArray(&array, FALSE);
    EXPECT_EQ((Strings{"_x", "a", "b", "C"}), ToStrings(array));

    SortStringArray(NULL, TRUE);
}

TEST(ArraySortingTest, CompareModes)
{
    CStringArray array;
    FillArray(array, {"abc", "XY", "\xE9t\xE9", "ete", "ETE"});
    EXPECT_GT(CompareStringElements(&array, 0, 1, STRINGCMP_EXACT), 0);
    EXPECT_LT(CompareStringElements(&array, 0, 1, STRINGCMP_NOCASE), 0);
    EXPECT_GT(CompareStringElements(&array, 0, 1, STRINGCMP_SHORTER_FIRST), 0);
    EXPECT_LT(CompareStringElements(&array, 0, 1, STRINGCMP_LONGER_FIRST), 0);
    EXPECT_EQ(0, CompareStringElements(&array, 2, 3, STRINGCMP_COLLATE));
    EXPECT_NE(0, CompareStringElements(&array, 2, 4, STRINGCMP_COLLATE));
    EXPECT_EQ(0, CompareStringElements(&array, 2, 4, STRINGCMP_COLLATE_NOCASE));
    EXPECT_EQ(0, CompareStringElements(&array, 3, 2, STRINGCMP_SHORTER_FIRST));
    EXPECT_EQ(CompareStringElements(&array, 0, 1, STRINGCMP_EXACT) > 0,
              CompareStringElements(&array, 0, 1, 9) > 0);
}

TEST(ArraySortingTest, SwapSharesTheCharacters)
{
    CStringArray array;
    FillArray(array, {"first", "second"});
    const char* before = array[0];
    SwapStringElements(&array, 0, 1);
    EXPECT_EQ(before, (const char*)array[1]);
    SwapStringElements(&array, 1, 1);
    EXPECT_STREQ("first", (const char*)array[1]);
}

TEST(ArraySortingTest, NumbersSortUnsigned)
{
    CDWordArray values;
    for (DWORD v : {5u, 0xFFFFFFFFu, 1u, 0u, 70000u})
        values.Add(v);
    SortDWordArray(&values);
    EXPECT_EQ(0u, values[0]);
    EXPECT_EQ(1u, values[1]);
    EXPECT_EQ(0xFFFFFFFFu, values[4]);
    SortDWordArray(NULL);
}

TEST(ArraySortingTest, PointerSwapExchangesObjects)
{
    CObArray objects;
    CObject* a = (CObject*)0x1000;
    CObject* b = (CObject*)0x2000;
    objects.Add(a);
    objects.Add(b);
    SwapPointerElements(&objects, 0, 1);
    EXPECT_EQ(b, objects[0]);
    EXPECT_EQ(a, objects[1]);
    objects.RemoveAll();
}

TEST(ArraySortingTest, FillAndRemoveAdjacentDuplicates)
{
    CDWordArray values;
    values.SetSize(4);
    FillDWordSequence(values, 10, 3);
    EXPECT_EQ(19u, values[3]);
    FillDWordSequence(values, 0xFFFFFFFE, 1);
    EXPECT_EQ(1u, values[3]);
    FillDWordSequence(values, 8, 0);
    EXPECT_EQ(8u, values[2]);

    CDWordArray runs;
    for (DWORD v : {1u, 1u, 1u, 2u, 2u, 3u})
        runs.Add(v);
    RemoveAdjacentDuplicates(&runs);
    ASSERT_EQ(3, runs.GetSize());
    EXPECT_EQ(3u, runs[2]);

    CDWordArray apart;
    for (DWORD v : {1u, 2u, 1u})
        apart.Add(v);
    RemoveAdjacentDuplicates(&apart);
    EXPECT_EQ(3, apart.GetSize());

    CDWordArray empty;
    RemoveAdjacentDuplicates(&empty);
    EXPECT_EQ(0, empty.GetSize());
    RemoveAdjacentDuplicates(NULL);
}

TEST(ArraySortingTest, CollatingOrderPutsAccentedNamesWithTheirBaseLetter)
{
    CStringArray names;
    FillArray(names, {"Zo\xEB", "\xC9mile", "Eva", "\xC5sa", "Zoe", "Anna"});
    SortArray(&names, (int)names.GetSize(), CompareStringElements, SwapStringElements, STRINGCMP_COLLATE);
    Strings sorted = ToStrings(names);
    EXPECT_EQ((Strings{"Anna", "\xC5sa", "\xC9mile", "Eva"}), Strings(sorted.begin(), sorted.begin() + 4));
    EXPECT_EQ("Zo", sorted[4].substr(0, 2));
    EXPECT_EQ("Zo", sorted[5].substr(0, 2));

    // Byte order would put the accented capitals after Z.
    SortStringArray(&names, TRUE);
    EXPECT_EQ("\xC5sa", ToStrings(names)[4]);
}
