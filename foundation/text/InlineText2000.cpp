#include "foundation/text/InlineText2000.h"

CInlineText2000::CInlineText2000(const CString& text)
{
    int n = text.GetLength();
    if (n > 0)
        memcpy(Allocate(n), (const char*)text, n);
}

CInlineText2000::CInlineText2000(char c, int n)
{
    if (c != '\0' && n > 0)
        memset(Allocate(n), (unsigned char)c, n);
}

void CInlineText2000::Append(const char* text)
{
    if (text != nullptr)
        Append(text, (int)strlen(text));
}
