#include "foundation/containers/IndexedSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
// Elements carry a key, which alone is compared, and an identity, which
// shows where equal keys end up.
struct Item
{
    int key;
    int id;
};

struct Collection
{
    std::vector<Item> items;
    int compares = 0;
    int swaps = 0;
};

int CompareItems(void* collection, int i, int j, long param)
{
    Collection& c = *(Collection*)collection;
    ++c.compares;
    int d = c.items[i].key - c.items[j].key;
    return param == 1 ? -d : d;
}

void SwapItems(void* collection, int i, int j)
{
    Collection& c = *(Collection*)collection;
    ++c.swaps;
    std::swap(c.items[i], c.items[j]);
}

// The same quicksort written recursively: the ranges are disjoint, so the
// order in which they are worked on does not change the outcome; only the
// partition and selection steps decide where equal keys land.
void ReferenceSelection(std::vector<Item>& v, int first, int last)
{
    for (int end = last; end > first; --end)
    {
        int greatest = first;
        for (int k = first + 1; k <= end; ++k)
            if (v[k].key > v[greatest].key)
                greatest = k;
        std::swap(v[greatest], v[end]);
    }
}

void ReferenceSort(std::vector<Item>& v, int lo, int hi)
{
    int size = hi - lo + 1;
    if (size < 2)
        return;
    if (size <= 8)
    {
        ReferenceSelection(v, lo, hi);
        return;
    }
    std::swap(v[lo + size / 2], v[lo]);
    int pivot = v[lo].key;
    int i = lo;
    int j = hi + 1;
    while (true)
    {
        do
            ++i;
        while (i <= hi && v[i].key <= pivot);
        do
            --j;
        while (j > lo && v[j].key >= pivot);
        if (j < i)
            break;
        std::swap(v[i], v[j]);
    }
    std::swap(v[lo], v[j]);
    ReferenceSort(v, lo, j - 1);
    ReferenceSort(v, i, hi);
}

Collection Make(const std::vector<int>& keys)
{
    Collection c;
    for (size_t i = 0; i < keys.size(); ++i)
        c.items.push_back(Item{keys[i], (int)i});
    return c;
}

std::vector<int> Ids(const std::vector<Item>& items)
{
    std::vector<int> ids;
    for (const Item& item : items)
        ids.push_back(item.id);
    return ids;
}
}

TEST(SortArrayTest, NoCallbacksForFewerThanTwo)
{
    Collection empty = Make({});
    SortArray(&empty, 0, CompareItems, SwapItems, 0);
    Collection one = Make({5});
    SortArray(&one, 1, CompareItems, SwapItems, 0);
    EXPECT_EQ(0, empty.compares + empty.swaps + one.compares + one.swaps);
}

TEST(SortArrayTest, ShortRangesUseSelectionOnly)
{
    for (int size = 2; size <= 8; ++size)
    {
        std::vector<int> keys;
        for (int i = 0; i < size; ++i)
            keys.push_back((i * 5) % 3);
        Collection c = Make(keys);
        SortArray(&c, size, CompareItems, SwapItems, 0);
        EXPECT_EQ(size - 1, c.swaps) << size;
        EXPECT_EQ(size * (size - 1) / 2, c.compares) << size;
        EXPECT_TRUE(std::is_sorted(c.items.begin(), c.items.end(),
                                   [](const Item& a, const Item& b) { return a.key < b.key; }));
    }
}

TEST(SortArrayTest, TiesOnFixedInputs)
{
    // Selection moves the first of equal greatest elements to the end.
    Collection three = Make({1, 1, 1});
    SortArray(&three, 3, CompareItems, SwapItems, 0);
    EXPECT_EQ((std::vector<int>{1, 2, 0}), Ids(three.items));

    Collection mixed = Make({2, 1, 2, 1});
    SortArray(&mixed, 4, CompareItems, SwapItems, 0);
    EXPECT_EQ((std::vector<int>{1, 3, 2, 0}), Ids(mixed.items));

    // Ten elements take one partition step first: the middle element (index
    // 5) is the pivot.
    Collection ten = Make({3, 1, 3, 2, 1, 2, 3, 1, 2, 3});
    SortArray(&ten, 10, CompareItems, SwapItems, 0);
    std::vector<Item> expected = Make({3, 1, 3, 2, 1, 2, 3, 1, 2, 3}).items;
    ReferenceSort(expected, 0, 9);
    EXPECT_EQ(Ids(expected), Ids(ten.items));
    EXPECT_EQ((std::vector<int>{1, 7, 4, 3, 5, 8, 2, 6, 9, 0}), Ids(ten.items));
}

TEST(SortArrayTest, ManyEqualElements)
{
    Collection c = Make(std::vector<int>(500, 7));
    SortArray(&c, 500, CompareItems, SwapItems, 0);
    std::vector<Item> expected = Make(std::vector<int>(500, 7)).items;
    ReferenceSort(expected, 0, 499);
    EXPECT_EQ(Ids(expected), Ids(c.items));
}

TEST(SortArrayTest, RandomArraysAgreeWithTheReference)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round)
    {
        int size = (int)(random() % 400);
        int distinct = 1 + (int)(random() % 12);
        std::vector<int> keys;
        for (int i = 0; i < size; ++i)
            keys.push_back((int)(random() % distinct));
        Collection c = Make(keys);
        SortArray(&c, size, CompareItems, SwapItems, 0);

        std::vector<int> sortedKeys = keys;
        std::sort(sortedKeys.begin(), sortedKeys.end());
        std::vector<int> got;
        for (const Item& item : c.items)
            got.push_back(item.key);
        ASSERT_EQ(sortedKeys, got) << "round " << round;

        std::vector<Item> expected = Make(keys).items;
        ReferenceSort(expected, 0, size - 1);
        ASSERT_EQ(Ids(expected), Ids(c.items)) << "round " << round;
    }
}

TEST(SortArrayTest, ParameterReachesTheCompare)
{
    Collection c = Make({1, 5, 3, 9, 7, 2, 8, 4, 6, 0, 11});
    SortArray(&c, 11, CompareItems, SwapItems, 1);
    for (size_t i = 1; i < c.items.size(); ++i)
        EXPECT_GE(c.items[i - 1].key, c.items[i].key);
}

TEST(SortArrayTest, SortedAndReversedLargeInputs)
{
    std::vector<int> ascending;
    for (int i = 0; i < 20000; ++i)
        ascending.push_back(i);
    Collection up = Make(ascending);
    SortArray(&up, 20000, CompareItems, SwapItems, 0);
    Collection down = Make(std::vector<int>(ascending.rbegin(), ascending.rend()));
    SortArray(&down, 20000, CompareItems, SwapItems, 0);
    for (int i = 0; i < 20000; ++i)
    {
        ASSERT_EQ(i, up.items[i].key);
        ASSERT_EQ(i, down.items[i].key);
    }
}
