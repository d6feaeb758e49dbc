#include "foundation/values/CharEdits.h"
#include "foundation/text/InlineText100.h"

#include <cctype>
#include <cstring>

CString WordSeparators(" ;.:\n\r\t-/?&'`");

int CountChar(const char* text, char c)
{
    if (text == nullptr)
        return 0;
    int count = 0;
    for (; *text != '\0'; ++text)
        if (*text == c)
            ++count;
    return count;
}

void RemoveCharsInSet(CString& text, const char* set)
{
    if (set == nullptr)
        return;
    RemoveChars(text, set);
}

void RemoveChars(CString& text, const char* set)
{
    const char* chars = (const char*)text;
    int length = text.GetLength();
    if ((int)strcspn(chars, set) >= length)
        return;
    char* buffer = text.GetBuffer(0);
    int out = 0;
    for (int i = 0; i < length; ++i)
        if (strchr(set, buffer[i]) == nullptr)
            buffer[out++] = buffer[i];
    text.ReleaseBuffer(out);
}

void RemoveChar(CString& text, char c)
{
    char set[2] = {c, '\0'};
    RemoveCharsInSet(text, set);
}

CString MakeTitleCase(const char* text)
{
    if (text == nullptr)
        return CString();
    const char* separators = (const char*)WordSeparators;
    CInlineText100 result;
    bool startOfWord = true;
    char previous = '\0';
    bool hasPrevious = false;
    for (const char* p = text; *p != '\0'; ++p)
    {
        char c = *p;
        unsigned char u = (unsigned char)c;
        result.AppendChar((char)(startOfWord ? toupper(u) : tolower(u)));
        bool isSeparator = strchr(separators, c) != nullptr;
        if ((c == '\'' || c == '`') && hasPrevious && strchr(separators, previous) == nullptr)
            startOfWord = false;
        else
            startOfWord = isSeparator;
        previous = c;
        hasPrevious = true;
    }
    return CString(result.GetText(), result.GetLength());
}
