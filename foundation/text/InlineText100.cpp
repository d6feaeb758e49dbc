#include "foundation/text/InlineText100.h"

void CInlineText100::Assign(const char* text)
{
    Assign(text, text != nullptr ? (int)strlen(text) : 0);
}

void CInlineText100::Assign(const CString& text)
{
    Assign((const char*)text, text.GetLength());
}

void CInlineText100::Assign(const char* chars, int count)
{
    ReleaseToEmpty();
    if (count > 0)
        memcpy(Allocate(count), chars, count);
}

CString CInlineText100::Left(int n) const
{
    return CString(GetText(), n);
}
