#pragma once
// The one sort of the system: a quicksort on indices with an explicit stack,
// finishing short ranges by selection sort. It reaches the elements only
// through the two callbacks, so any collection can be sorted. Not stable.

// Negative when element i belongs before element j, 0 when equal, positive
// when after. param is passed through unchanged.
typedef int (*SortCompareFunc)(void* collection, int i, int j, long param);
// Exchanges elements i and j; must accept i == j.
typedef void (*SortSwapFunc)(void* collection, int i, int j);

// Sorts elements 0 to count - 1 into ascending order of compare.
void SortArray(void* collection, int count, SortCompareFunc compare, SortSwapFunc swap, long param);
// Sorts elements first to last (inclusive) by repeated selection of the
// greatest element.
void SelectionSortRange(void* collection, int first, int last, SortCompareFunc compare,
                        SortSwapFunc swap, long param);
