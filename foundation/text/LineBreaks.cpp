#include "foundation/text/LineBreaks.h"

#include <cstring>

void ConvertLfToCrLf(CString* destination, const char* text)
{
    if (text == nullptr || *text == '\0')
    {
        destination->Empty();
        return;
    }
    // Keep the source alive while the destination is rewritten.
    CString source;
    if (text == (const char*)*destination)
    {
        source = *destination;
        text = (const char*)source;
    }
    int length = (int)strlen(text);
    int lineFeeds = 0;
    for (const char* p = text; *p != '\0'; ++p)
        if (*p == '\n')
            ++lineFeeds;
    if (lineFeeds == 0)
    {
        *destination = text;
        return;
    }
    char* out = destination->GetBufferSetLength(length + lineFeeds);
    int w = length + lineFeeds;
    for (int r = length - 1; r >= 0; --r)
    {
        out[--w] = text[r];
        if (text[r] == '\n')
            out[--w] = '\r';
    }
    destination->ReleaseBuffer(length + lineFeeds);
}

void ConvertCrLfToLf(CString* destination, const char* text)
{
    if (text == nullptr || *text == '\0')
    {
        destination->Empty();
        return;
    }
    if (text != (const char*)*destination)
        *destination = text;
    if (destination->Find("\r\n") < 0)
        return;
    int length = destination->GetLength();
    char* buffer = destination->GetBuffer(0);
    int w = 0;
    bool afterCr = false;
    for (int r = 0; r < length; ++r)
    {
        char c = buffer[r];
        if (c == '\n' && afterCr)
            buffer[w - 1] = '\n';
        else
            buffer[w++] = c;
        afterCr = c == '\r';
    }
    destination->ReleaseBuffer(w);
}

void SplitTextAtCrLf(CStringArray* lines, const char* text)
{
    lines->RemoveAll();
    if (text == nullptr)
        return;
    const char* p = text;
    const char* lineStart = p;
    for (; *p != '\0'; ++p)
    {
        if (p[0] == '\r' && p[1] == '\n')
        {
            lines->Add(CString(lineStart, (int)(p - lineStart)));
            ++p;
            lineStart = p + 1;
        }
    }
    if (*text != '\0')
        lines->Add(CString(lineStart, (int)(p - lineStart)));
}
