#pragma once
// Tidying, searching and joining of string arrays. Arrays that may be null
// are taken by pointer; null does nothing.
#include "afx/core/AfxCore.h"

void TrimStringArray(CStringArray* strings);
void RemoveEmptyStrings(CStringArray* strings);
// Keeps the first occurrence of each text; compared exactly when exact is
// set, else without regard to case.
void RemoveDuplicateStrings(CStringArray* strings, BOOL exact);
// Index of the first element equal to text (compared as above); -1 when none
// or the text is null.
int FindStringInArray(const CStringArray& strings, const char* text, BOOL exact);
// Elements first to last (a last below 0 means the last element) with the
// separator between each two; empty when last is below first. Indexes are
// clipped to the array.
CString JoinStrings(const CStringArray& strings, const char* separator, int first, int last);
