#pragma once
// A text assembled in place with up to 2000 characters inside the object;
// longer texts move to a heap block (twice the need, and at least 10000
// characters once it has to grow again).
#include "foundation/text/InlineText.h"

class CInlineText2000 : public CInlineText<2000, 10000>
{
public:
    enum
    {
        MinimumRegrowth = 10000
    };

    CInlineText2000() {}
    explicit CInlineText2000(const CString& text);
    // n copies of a character; a zero character gives the empty buffer.
    CInlineText2000(char c, int n);

    using CInlineText::Append;
    void Append(const char* text);
};
