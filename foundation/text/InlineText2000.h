#pragma once
// A text assembled in place with up to 2000 characters inside the object;
// longer texts move to a heap block (twice the need, and at least 10000
// characters once it has to grow again).
#include "afx/AfxCore.h"
#include "foundation/text/InlineTextStorage.h"

class CInlineText2000
{
public:
    enum { InlineCapacity = 2000, MinimumRegrowth = 10000 };

    CInlineText2000();
    explicit CInlineText2000(const CString& text);
    // n copies of a character; a zero character gives the empty buffer.
    CInlineText2000(char c, int n);
    ~CInlineText2000();

    CInlineText2000(const CInlineText2000&) = delete;
    CInlineText2000& operator=(const CInlineText2000&) = delete;

    // Sets the length to n, keeping the first min(old, n) characters; returns
    // the writable characters (terminated at n).
    char* Resize(int n);

    const char* GetText() const
    {
        return (unsigned)m_nLength < (unsigned)(InlineCapacity + 1) ? m_szInline : m_pHeap;
    }
    int GetLength() const { return m_nLength; }
    int GetCapacity() const { return m_nCapacity; }
    bool IsEmpty() const { return m_nLength == 0; }

    void Empty() { Resize(0); }

    void AppendChar(char c)
    {
        int old = m_nLength;
        Resize(old + 1)[old] = c;
    }
    void Append(const char* chars, int count);
    void Append(const char* text);

private:
    InlineTextFields Fields()
    {
        return InlineTextFields{m_nLength, m_nCapacity, m_szInline, m_pHeap, InlineCapacity};
    }
    char* AllocateFresh(int n);

    int m_nLength;
    int m_nCapacity;
    char m_szInline[InlineCapacity + 1];
    char* m_pHeap;
};
