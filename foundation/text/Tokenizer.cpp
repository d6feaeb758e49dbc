#include "foundation/text/Tokenizer.h"
#include "foundation/text/InlineText100.h"
#include "foundation/text/Trim.h"

#include <cstring>

int TokenizeTextOnSet(const char* text, CStringArray& fields, const char* separators,
                      int flags, int maximum, char open, char close)
{
    if (text == nullptr || *text == '\0')
        return 0;

    bool keepEmpty = (flags & TOKENIZE_KEEP_EMPTY) != 0;
    bool trim = (flags & TOKENIZE_TRIM) != 0 && strchr(separators, ' ') == nullptr;

    bool isSeparator[256] = {};
    for (const unsigned char* s = (const unsigned char*)separators; *s != 0; ++s)
        isSeparator[*s] = true;

    CString trimmedCopy;
    if (trim)
    {
        trimmedCopy = text;
        TrimString(&trimmedCopy);
        text = (const char*)trimmedCopy;
    }

    // The depth is kept for the whole text and never goes below zero, so a
    // stray closing bracket cannot make a later opening one lose its effect.
    int depth = 0;
    int separatorsMet = 0;
    int appended = 0;
    const char* p = text;
    bool ended = false;
    CInlineText100 field;

    while (!ended)
    {
        field.Empty();
        bool endedAtSeparator = false;
        for (;;)
        {
            char c = *p;
            if (c == '\0')
            {
                ended = true;
                break;
            }
            ++p;
            if (depth < 1 && isSeparator[(unsigned char)c])
            {
                endedAtSeparator = true;
                if (maximum > 0 && separatorsMet + 1 == maximum)
                {
                    field.AppendChar(c);
                    field.Append(p, (int)strlen(p));
                    ended = true;
                }
                break;
            }
            field.AppendChar(c);
            if (open == 0 && close == 0)
                continue;
            if (depth < 1)
            {
                if (c == open)
                    ++depth;
            }
            else
            {
                if (c == close)
                    --depth;
                else if (c == open)
                    ++depth;
            }
        }
        if (endedAtSeparator)
            ++separatorsMet;

        if (trim)
        {
            int length = TrimBuffer(field.Resize(field.GetLength()), field.GetLength());
            field.Resize(length);
        }
        if (field.IsEmpty() && !keepEmpty)
            continue;
        fields.SetAtGrow(fields.GetSize(), CString(field.GetText(), field.GetLength()));
        ++appended;
    }
    return appended;
}

int TokenizeText(const char* text, CStringArray& fields, char separator,
                 int flags, int maximum, char open, char close)
{
    char separators[2] = {separator, '\0'};
    return TokenizeTextOnSet(text, fields, separators, flags, maximum, open, close);
}
