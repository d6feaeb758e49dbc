#include "foundation/text/TextEdits.h"
#include "foundation/text/Trim.h"

void CompactNewlines(CString* text)
{
    if (text == nullptr)
        return;
    int n = text->GetLength();
    const char* chars = (const char*)*text;
    int begin = 0;
    while (begin < n && chars[begin] == '\n')
        ++begin;
    int end = n;
    while (end > begin && chars[end - 1] == '\n')
        --end;
    if (begin == end)
    {
        text->Empty();
        return;
    }
    char* buffer = text->GetBuffer(0);
    // The test looks at the source characters, which the in-place copy may
    // already have overwritten, so the last two are kept aside.
    int out = 0;
    char before1 = '\0', before2 = '\0';
    for (int i = begin; i < end; ++i)
    {
        char c = buffer[i];
        if (!(c == '\n' && before1 == '\n' && before2 == '\n'))
            buffer[out++] = c;
        before2 = before1;
        before1 = c;
    }
    text->ReleaseBuffer(out);
}

void SwapCase(CString* text)
{
    if (text == nullptr || text->IsEmpty())
        return;
    int n = text->GetLength();
    char* buffer = text->GetBuffer(0);
    for (int i = 0; i < n; ++i)
    {
        char c = buffer[i];
        if (c >= 'A' && c <= 'Z')
            buffer[i] = (char)(c + ('a' - 'A'));
        else if (c >= 'a' && c <= 'z')
            buffer[i] = (char)(c - ('a' - 'A'));
    }
    text->ReleaseBuffer(n);
}

void MakeSentence(CString* text)
{
    if (text == nullptr)
        return;
    int n = TrimString(text);
    if (n == 0)
        return;
    char first = text->GetAt(0);
    if (first >= 'a' && first <= 'z')
        text->SetAt(0, (char)(first - ('a' - 'A')));
    char last = text->GetAt(n - 1);
    if (last != '.' && last != '?' && last != '!')
        *text += ". ";
}
