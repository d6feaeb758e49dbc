#pragma once
// A text assembled in place: up to InlineChars characters live inside the
// object, longer texts move to a heap block of twice the need (a block that
// has to grow again takes at least RegrowthFloor). Where the text lies is
// decided by its length alone. Meant for scratch buffers that should cost no
// allocation; CInlineText100 and CInlineText2000 are the two sizes in use.
#include "afx/core/AfxCore.h"
#include "foundation/text/InlineTextStorage.h"

#include <cstdlib>
#include <cstring>

template <int InlineChars, int RegrowthFloor>
class CInlineText
{
public:
    enum
    {
        InlineCapacity = InlineChars
    };

    CInlineText() : m_nLength(0), m_nCapacity(InlineCapacity), m_pHeap(nullptr) { m_szInline[0] = '\0'; }
    ~CInlineText()
    {
        if (m_pHeap != nullptr)
            free(m_pHeap);
    }

    CInlineText(const CInlineText&) = delete;
    CInlineText& operator=(const CInlineText&) = delete;

    const char* GetText() const
    {
        return (unsigned)m_nLength < (unsigned)(InlineCapacity + 1) ? m_szInline : m_pHeap;
    }
    int GetLength() const { return m_nLength; }
    int GetCapacity() const { return m_nCapacity; }
    bool IsEmpty() const { return m_nLength == 0; }

    // Sets the length to n, keeping the first min(old, n) characters; returns
    // the writable characters (terminated at n).
    char* Resize(int n) { return ResizeInlineText(Fields(), n, RegrowthFloor); }
    // Empties the buffer and frees its heap block.
    void Empty() { Resize(0); }

    void AppendChar(char c)
    {
        int old = m_nLength;
        Resize(old + 1)[old] = c;
    }
    void Append(const char* chars, int count)
    {
        if (count <= 0)
            return;
        int old = m_nLength;
        memcpy(Resize(old + count) + old, chars, count);
    }

    // Sets the length to n and returns the storage without keeping any
    // contents; meant for a buffer without a heap block (one left over is
    // freed first).
    char* Allocate(int n)
    {
        if (m_pHeap != nullptr)
            ReleaseToEmpty();
        return AllocateInlineText(Fields(), n);
    }

protected:
    void ReleaseToEmpty()
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

private:
    InlineTextFields Fields() { return InlineTextFields{m_nLength, m_nCapacity, m_szInline, m_pHeap, InlineCapacity}; }

    int m_nLength;
    int m_nCapacity;
    char m_szInline[InlineCapacity + 1];
    char* m_pHeap;
};
