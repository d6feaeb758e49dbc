#pragma once
// Test helpers: string arrays as standard vectors, for readable expectations.
#include "afx/core/AfxCore.h"

#include <string>
#include <vector>

typedef std::vector<std::string> Strings;

inline Strings ToStrings(const CStringArray& array)
{
    Strings result;
    for (int i = 0; i < array.GetSize(); ++i)
        result.push_back((const char*)array[i]);
    return result;
}

inline void FillArray(CStringArray& array, const Strings& items)
{
    array.RemoveAll();
    for (const std::string& item : items)
        array.Add(item.c_str());
}
