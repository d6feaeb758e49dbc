#pragma once

#include "afx/core/AfxCore.h"

// One text that holds a list of strings: form "a" lists every length, form "r"
// folds runs of equal strings. Strings may hold any character but zero.
CString EncodeStringList(const CStringArray& strings);
BOOL DecodeStringList(LPCTSTR text, CStringArray& strings);
