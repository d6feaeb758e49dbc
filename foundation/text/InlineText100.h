#pragma once
// A short text assembled in place: up to 100 characters live inside the
// object, longer texts move to a heap block that grows to twice the request.
// Meant for stack-local scratch buffers that should cost no allocation.
#include "foundation/text/InlineText.h"

class CInlineText100 : public CInlineText<100, 0>
{
public:
    CInlineText100() {}
    explicit CInlineText100(const CString& text) { Assign(text); }
    CInlineText100(const char* chars, int count) { Assign(chars, count); }

    void Assign(const char* text);
    void Assign(const CString& text);
    void Assign(const char* chars, int count);

    CString Left(int n) const;
};
