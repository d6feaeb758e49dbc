#pragma once
// Sorting of the framework's string, number and pointer arrays, and the
// number-array operations that keep sets of numbers sorted and unique.
#include "afx/core/AfxCore.h"

// Modes of CompareStringElements.
enum StringCompareMode
{
    STRINGCMP_EXACT = 0,          // strcmp
    STRINGCMP_NOCASE = 1,         // case-insensitive, letters folded to lower case
    STRINGCMP_SHORTER_FIRST = 2,  // by length only
    STRINGCMP_LONGER_FIRST = 3,
    STRINGCMP_COLLATE = 4,        // the program's collating order
    STRINGCMP_COLLATE_NOCASE = 5
};

// Sorts in place, case-sensitive (byte order) or not; null does nothing.
void SortStringArray(CStringArray* strings, BOOL caseSensitive);
// Compare callback for a CStringArray; the parameter is the mode (above 5
// counts as 0).
int CompareStringElements(void* strings, int i, int j, long mode);
void SwapStringElements(void* strings, int i, int j);

// Sorts into ascending unsigned order; null does nothing.
void SortDWordArray(CDWordArray* values);
int CompareDWordElements(void* values, int i, int j, long unused);
void SwapDWordElements(void* values, int i, int j);
// Swap callback for arrays of object pointers (CObArray and its kind).
void SwapPointerElements(void* pointers, int i, int j);

// Element i becomes start + i * step (unsigned, wrapping).
void FillDWordSequence(CDWordArray& values, DWORD start, DWORD step);
// Removes each element that equals the one after it; null does nothing.
void RemoveAdjacentDuplicates(CDWordArray* values);
