#include "foundation/containers/IndexedSort.h"

namespace
{
const int SelectionSortLimit = 8;
const int StackRanges = 30;

struct Range
{
    int lo;
    int hi;
};
}

void SelectionSortRange(void* collection, int first, int last, SortCompareFunc compare,
                        SortSwapFunc swap, long param)
{
    for (int end = last; end > first; --end)
    {
        int greatest = first;
        for (int k = first + 1; k <= end; ++k)
            if (compare(collection, k, greatest, param) > 0)
                greatest = k;
        swap(collection, greatest, end);
    }
}

void SortArray(void* collection, int count, SortCompareFunc compare, SortSwapFunc swap, long param)
{
    if (count < 2)
        return;

    Range stack[StackRanges];
    int pending = 0;
    int lo = 0;
    int hi = count - 1;

    for (;;)
    {
        bool haveRange = true;
        int size = hi - lo + 1;
        if (size <= SelectionSortLimit)
        {
            SelectionSortRange(collection, lo, hi, compare, swap, param);
            haveRange = false;
        }
        else
        {
            // The middle element becomes the pivot at lo.
            swap(collection, lo + size / 2, lo);
            int i = lo;
            int j = hi + 1;
            for (;;)
            {
                do
                    ++i;
                while (i <= hi && compare(collection, i, lo, param) <= 0);
                do
                    --j;
                while (j > lo && compare(collection, j, lo, param) >= 0);
                if (j < i)
                    break;
                swap(collection, i, j);
            }
            swap(collection, lo, j);

            // The smaller part is worked on at once, the larger one pushed,
            // so the stack holds at most about log2(count) ranges.
            if (j - 1 - lo < hi - i)
            {
                if (i < hi)
                    stack[pending++] = Range{i, hi};
                if (lo + 1 < j)
                    hi = j - 1;
                else
                    haveRange = false;
            }
            else
            {
                if (lo + 1 < j)
                    stack[pending++] = Range{lo, j - 1};
                if (i < hi)
                    lo = i;
                else
                    haveRange = false;
            }
        }
        if (haveRange)
            continue;
        if (pending == 0)
            return;
        --pending;
        lo = stack[pending].lo;
        hi = stack[pending].hi;
    }
}
