#include "foundation/values/DWordSearch.h"

int FindDWord(const DWORD* values, int count, DWORD value)
{
    for (int i = 0; i < count; ++i)
        if (values[i] == value)
            return i;
    return -1;
}

int FindInDWordArray(const CDWordArray& values, DWORD value)
{
    return FindDWord(values.GetData(), (int)values.GetSize(), value);
}
