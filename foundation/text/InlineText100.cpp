#include "foundation/text/InlineText100.h"
#include "foundation/text/InlineTextStorage.h"

#include <cstdlib>
#include <cstring>

CInlineText100::CInlineText100()
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
}

CInlineText100::CInlineText100(const CString& text)
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
    InitFrom((const char*)text, text.GetLength());
}

CInlineText100::CInlineText100(const char* chars, int count)
    : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr)
{
    m_szInline[0] = '\0';
    if (count > 0)
        InitFrom(chars, count);
}

CInlineText100::~CInlineText100()
{
    if (m_pHeap != nullptr)
        free(m_pHeap);
}

void CInlineText100::ReleaseToEmpty()
{
    if (m_pHeap != nullptr)
    {
        free(m_pHeap);
        m_pHeap = nullptr;
    }
    m_nLength = 0;
    m_nCapacity = InlineCapacity;
    m_szInline[0] = '\0';
}

// Expects an empty buffer without a heap block.
void CInlineText100::InitFrom(const char* chars, int count)
{
    char* p = Allocate(count);
    memcpy(p, chars, count);
}

void CInlineText100::Assign(const char* text)
{
    ReleaseToEmpty();
    if (text != nullptr && *text != '\0')
        InitFrom(text, (int)strlen(text));
}

void CInlineText100::Assign(const CString& text)
{
    ReleaseToEmpty();
    if (!text.IsEmpty())
        InitFrom((const char*)text, text.GetLength());
}

void CInlineText100::Assign(const char* chars, int count)
{
    ReleaseToEmpty();
    if (count > 0)
        InitFrom(chars, count);
}

char* CInlineText100::Allocate(int n)
{
    // Meant for a buffer without a block; one left over is not leaked.
    if (m_pHeap != nullptr)
        ReleaseToEmpty();
    return AllocateInlineText(Fields(), n);
}

char* CInlineText100::GetBufferSetLength(int n)
{
    return ResizeInlineText(Fields(), n, 0);
}

void CInlineText100::Append(const char* chars, int count)
{
    if (count <= 0)
        return;
    int old = m_nLength;
    memcpy(GetBufferSetLength(old + count) + old, chars, count);
}

CString CInlineText100::Left(int n) const
{
    return CString(GetText(), n);
}
