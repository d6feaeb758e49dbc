#include "foundation/containers/ArraySorting.h"
#include "foundation/containers/IndexedSort.h"
#include "foundation/text/Collation.h"

#include <cstring>

void SortStringArray(CStringArray* strings, BOOL caseSensitive)
{
    if (strings == NULL)
        return;
    SortArray(strings, (int)strings->GetSize(), CompareStringElements, SwapStringElements,
              caseSensitive ? STRINGCMP_EXACT : STRINGCMP_NOCASE);
}

int CompareStringElements(void* strings, int i, int j, long mode)
{
    CStringArray& array = *(CStringArray*)strings;
    const CString& a = array.ElementAt(i);
    const CString& b = array.ElementAt(j);
    switch (mode)
    {
    case STRINGCMP_NOCASE:
        return _stricmp(a, b);
    case STRINGCMP_SHORTER_FIRST:
        return a.GetLength() < b.GetLength() ? -1 : a.GetLength() > b.GetLength() ? 1 : 0;
    case STRINGCMP_LONGER_FIRST:
        return a.GetLength() > b.GetLength() ? -1 : a.GetLength() < b.GetLength() ? 1 : 0;
    case STRINGCMP_COLLATE:
        return CollateCompare(a, b);
    case STRINGCMP_COLLATE_NOCASE:
        return CollateCompareNoCase(a, b);
    default:
        return strcmp(a, b);
    }
}

void SwapStringElements(void* strings, int i, int j)
{
    CStringArray& array = *(CStringArray*)strings;
    // Copies share the characters, so nothing but references moves.
    CString first = array.ElementAt(i);
    CString second = array.ElementAt(j);
    array.ElementAt(i) = second;
    array.ElementAt(j) = first;
}

void SortDWordArray(CDWordArray* values)
{
    if (values == NULL)
        return;
    SortArray(values, (int)values->GetSize(), CompareDWordElements, SwapDWordElements, 0);
}

int CompareDWordElements(void* values, int i, int j, long unused)
{
    const DWORD* data = ((CDWordArray*)values)->GetData();
    return data[i] < data[j] ? -1 : data[i] > data[j] ? 1 : 0;
}

void SwapDWordElements(void* values, int i, int j)
{
    DWORD* data = ((CDWordArray*)values)->GetData();
    DWORD kept = data[i];
    data[i] = data[j];
    data[j] = kept;
}

void SwapPointerElements(void* pointers, int i, int j)
{
    CObject** data = ((CObArray*)pointers)->GetData();
    CObject* kept = data[i];
    data[i] = data[j];
    data[j] = kept;
}

void FillDWordSequence(CDWordArray& values, DWORD start, DWORD step)
{
    DWORD* data = values.GetData();
    DWORD value = start;
    for (int i = 0; i < values.GetSize(); ++i)
    {
        data[i] = value;
        value += step;
    }
}

void RemoveAdjacentDuplicates(CDWordArray* values)
{
    if (values == NULL)
        return;
    int i = 0;
    while (i < (int)values->GetSize() - 1)
    {
        if (values->GetAt(i) == values->GetAt(i + 1))
            values->RemoveAt(i, 1);
        else
            ++i;
    }
}
