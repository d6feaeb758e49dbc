#include "foundation/text/CommaList.h"

#include <cstring>


namespace
{
// Walks the entries; returns the index of the first that matches.
int FindEntry(const char* list, const char* text, int n, bool prefix)
{
    int index = 0;
    const char* entry = list;
    while (*entry != '\0')
    {
        const char* comma = strchr(entry, ',');
        int entryLength = comma != nullptr ? (int)(comma - entry) : (int)strlen(entry);
        bool lengthFits = prefix ? entryLength >= n : entryLength == n;
        if (lengthFits && _strnicmp(entry, text, n) == 0)
            return index;
        if (comma == nullptr)
            break;
        entry = comma + 1;
        ++index;
    }
    return -1;
}
}

int FindInCommaList(const char* list, const char* text, BOOL prefix)
{
    if (list == nullptr)
        return -1;
    if (text == nullptr)
        text = "";
    int n = (int)strlen(text);
    int index = FindEntry(list, text, n, false);
    if (index < 0 && prefix)
        index = FindEntry(list, text, n, true);
    return index;
}

void AppendWithSeparator(CString& target, const char* text, const char* separator)
{
    if (text == nullptr || *text == '\0')
        return;
    if (!target.IsEmpty() && separator != nullptr)
        target += separator;
    target += text;
}

void AppendWithSpace(CString& target, const char* text)
{
    AppendWithSeparator(target, text, " ");
}

void AppendWithComma(CString& target, const char* text)
{
    AppendWithSeparator(target, text, ", ");
}

int FindFirstOf(const char* text, const char* set)
{
    if (text == nullptr || *text == '\0' || set == nullptr)
        return -1;
    size_t index = strcspn(text, set);
    return text[index] != '\0' ? (int)index : -1;
}

int FindFirstNotOf(const char* text, const char* set)
{
    if (text == nullptr || *text == '\0')
        return -1;
    if (set == nullptr)
        return 0;
    size_t index = strspn(text, set);
    return text[index] != '\0' ? (int)index : -1;
}
