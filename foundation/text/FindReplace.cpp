#include "foundation/text/FindReplace.h"
#include "foundation/text/InlineText2000.h"

#include <cstring>

CString ReplaceChar(const char* text, char find, const char* replacement, int length)
{
    if (text == nullptr)
        return CString();
    if (length < 0)
        length = (int)strlen(text);
    size_t replacementLength = strlen(replacement);
    if (replacementLength == 1)
    {
        CString result(text, length);
        if (length > 0 && memchr(text, find, length) != nullptr)
        {
            char* p = result.GetBuffer(0);
            for (int i = 0; i < length; ++i)
                if (p[i] == find)
                    p[i] = replacement[0];
            result.ReleaseBuffer(length);
        }
        return result;
    }

    CInlineText2000 output;
    int runStart = 0;
    for (int i = 0; i < length; ++i)
    {
        if (text[i] != find)
            continue;
        output.Append(text + runStart, i - runStart);
        output.Append(replacement, (int)replacementLength);
        runStart = i + 1;
    }
    output.Append(text + runStart, length - runStart);
    return CString(output.GetText(), output.GetLength());
}

namespace
{
// Finds the leftmost match at or after pos; -1 when none starts at or before last.
inline int NextMatch(const char* text, int pos, int last, const char* find, int findLength)
{
    char first = find[0];
    while (pos <= last)
    {
        const void* hit = memchr(text + pos, first, last - pos + 1);
        if (hit == nullptr)
            return -1;
        pos = (int)((const char*)hit - text);
        if (memcmp(text + pos, find, findLength) == 0)
            return pos;
        ++pos;
    }
    return -1;
}
}

CString ReplaceText(const char* text, const char* find, const char* replacement, int length)
{
    int findLength = (int)strlen(find);
    if (findLength == 1)
        return ReplaceChar(text, find[0], replacement, length);
    if (text == nullptr)
        return CString();
    if (length < 0)
        length = (int)strlen(text);
    if (findLength == 0)
        return CString(text, length);

    int replacementLength = (int)strlen(replacement);
    int last = length - findLength;

    if (replacementLength == findLength)
    {
        CString result(text, length);
        int match = NextMatch(text, 0, last, find, findLength);
        if (match < 0)
            return result;
        char* out = result.GetBuffer(0);
        while (match >= 0)
        {
            memcpy(out + match, replacement, findLength);
            match = NextMatch(text, match + findLength, last, find, findLength);
        }
        result.ReleaseBuffer(length);
        return result;
    }

    // Measure first, so that the output is allocated once at its final size.
    int outputLength = length;
    for (int match = NextMatch(text, 0, last, find, findLength); match >= 0;
         match = NextMatch(text, match + findLength, last, find, findLength))
        outputLength += replacementLength - findLength;

    CString result;
    char* out = result.GetBufferSetLength(outputLength);
    int pos = 0;
    for (int match = NextMatch(text, 0, last, find, findLength); match >= 0;
         match = NextMatch(text, match + findLength, last, find, findLength))
    {
        memcpy(out, text + pos, match - pos);
        out += match - pos;
        memcpy(out, replacement, replacementLength);
        out += replacementLength;
        pos = match + findLength;
    }
    memcpy(out, text + pos, length - pos);
    out[length - pos] = '\0';
    result.ReleaseBuffer(outputLength);
    return result;
}
