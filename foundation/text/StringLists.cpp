#include "foundation/text/StringLists.h"
#include "foundation/text/Trim.h"

#include <cstring>
#include <mbstring.h>

static bool TextsEqual(const char* a, const char* b, BOOL exact)
{
    if (exact)
        return strcmp(a, b) == 0;
    return _mbsicmp((const unsigned char*)a, (const unsigned char*)b) == 0;
}

void TrimStringArray(CStringArray* strings)
{
    if (strings == nullptr)
        return;
    for (int i = 0; i < strings->GetSize(); ++i)
        TrimString(&strings->ElementAt(i));
}

void RemoveEmptyStrings(CStringArray* strings)
{
    if (strings == nullptr)
        return;
    for (int i = (int)strings->GetSize() - 1; i >= 0; --i)
        if (strings->GetAt(i).IsEmpty())
            strings->RemoveAt(i);
}

void RemoveDuplicateStrings(CStringArray* strings, BOOL exact)
{
    if (strings == nullptr)
        return;
    for (int i = 0; i < strings->GetSize(); ++i)
    {
        CString kept = strings->GetAt(i);
        for (int j = (int)strings->GetSize() - 1; j > i; --j)
            if (TextsEqual(strings->GetAt(j), kept, exact))
                strings->RemoveAt(j);
    }
}

int FindStringInArray(const CStringArray& strings, const char* text, BOOL exact)
{
    if (text == nullptr)
        return -1;
    for (int i = 0; i < strings.GetSize(); ++i)
        if (TextsEqual(strings.GetAt(i), text, exact))
            return i;
    return -1;
}

CString JoinStrings(const CStringArray& strings, const char* separator, int first, int last)
{
    int size = (int)strings.GetSize();
    if (last < 0 || last >= size)
        last = size - 1;
    if (first < 0)
        first = 0;
    if (last < first)
        return CString();
    if (last == first)
        return strings.GetAt(first);

    if (separator == nullptr)
        separator = "";
    int separatorLength = (int)strlen(separator);
    int total = (last - first) * separatorLength;
    for (int i = first; i <= last; ++i)
        total += strings.GetAt(i).GetLength();

    CString result;
    char* out = result.GetBufferSetLength(total);
    for (int i = first; i <= last; ++i)
    {
        if (i > first)
        {
            memcpy(out, separator, separatorLength);
            out += separatorLength;
        }
        const CString& element = strings.GetAt(i);
        memcpy(out, (const char*)element, element.GetLength());
        out += element.GetLength();
    }
    result.ReleaseBuffer(total);
    return result;
}
