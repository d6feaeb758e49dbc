#include "foundation/text/Trim.h"
#include "foundation/text/Whitespace.h"

#include <cstring>

static int CountLeadingWhitespace(const char* chars, int n)
{
    int lead = 0;
    while (lead < n && IsTextWhitespace(chars[lead]))
        ++lead;
    return lead;
}

static int CountTrailingWhitespace(const char* chars, int n)
{
    int trail = 0;
    while (trail < n && IsTextWhitespace(chars[n - 1 - trail]))
        ++trail;
    return trail;
}

int TrimBuffer(char* chars, int length)
{
    if (chars == nullptr)
        return 0;
    int n = length < 0 ? (int)strlen(chars) : length;
    int lead = CountLeadingWhitespace(chars, n);
    int trail = CountTrailingWhitespace(chars, n);
    if (lead + trail >= n)
    {
        chars[0] = '\0';
        return 0;
    }
    int kept = n - lead - trail;
    if (lead >= 1)
    {
        memmove(chars, chars + lead, kept);
        chars[kept] = '\0';
        return kept;
    }
    if (trail >= 1)
        chars[kept] = '\0';
    return kept;
}

int TrimBufferLeft(char* chars, int length)
{
    if (chars == nullptr)
        return 0;
    int n = length < 0 ? (int)strlen(chars) : length;
    int lead = 0;
    while (chars[lead] != '\0' && IsTextWhitespace(chars[lead]))
        ++lead;
    if (lead == 0)
        return n;
    if (chars[lead] == '\0')
    {
        chars[0] = '\0';
        return 0;
    }
    memmove(chars, chars + lead, n - lead + 1);
    return n - lead;
}

int TrimBufferRight(char* chars, int length)
{
    if (chars == nullptr)
        return 0;
    int n = length < 0 ? (int)strlen(chars) : length;
    n -= CountTrailingWhitespace(chars, n);
    chars[n] = '\0';
    return n;
}

// The CString forms only take the string's buffer (and so unshare it) when
// there is something to remove.
static int TrimStringEnds(CString* text, bool left, bool right)
{
    if (text == nullptr)
        return 0;
    int n = text->GetLength();
    const char* chars = (const char*)*text;
    int lead = left ? CountLeadingWhitespace(chars, n) : 0;
    int trail = right ? CountTrailingWhitespace(chars, n) : 0;
    if (lead == 0 && trail == 0)
        return n;
    if (lead + trail >= n)
    {
        text->Empty();
        return 0;
    }
    int kept = n - lead - trail;
    char* buffer = text->GetBuffer(0);
    if (lead > 0)
        memmove(buffer, buffer + lead, kept);
    text->ReleaseBuffer(kept);
    return kept;
}

int TrimString(CString* text)
{
    return TrimStringEnds(text, true, true);
}

int TrimStringLeft(CString* text)
{
    return TrimStringEnds(text, true, false);
}

int TrimStringRight(CString* text)
{
    return TrimStringEnds(text, false, true);
}
