#include "foundation/text/InlineText2000.h"
#include "foundation/text/InlineTextStorage.h"

#include <cstdlib>
#include <cstring>

CInlineText2000::CInlineText2000()
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
}

CInlineText2000::CInlineText2000(const CString& text)
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
    int n = text.GetLength();
    if (n > 0)
        memcpy(AllocateFresh(n), (const char*)text, n);
}

CInlineText2000::CInlineText2000(char c, int n)
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
    if (c != '\0' && n > 0)
        memset(AllocateFresh(n), (unsigned char)c, n);
}

CInlineText2000::~CInlineText2000()
{
    if (m_pHeap != nullptr)
        free(m_pHeap);
}

char* CInlineText2000::AllocateFresh(int n)
{
    return AllocateInlineText(Fields(), n);
}

char* CInlineText2000::Resize(int n)
{
    return ResizeInlineText(Fields(), n, MinimumRegrowth);
}

void CInlineText2000::Append(const char* chars, int count)
{
    if (count <= 0)
        return;
    int old = m_nLength;
    memcpy(Resize(old + count) + old, chars, count);
}

void CInlineText2000::Append(const char* text)
{
    if (text != nullptr)
        Append(text, (int)strlen(text));
}
