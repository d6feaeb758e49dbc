#pragma once
// A short text assembled in place: up to 100 characters live inside the
// object, longer texts move to a heap block that grows to twice the request.
// Meant for stack-local scratch buffers that should cost no allocation.
#include "afx/AfxCore.h"
#include "foundation/text/InlineTextStorage.h"

class CInlineText100
{
public:
    enum { InlineCapacity = 100 };

    CInlineText100();
    explicit CInlineText100(const CString& text);
    CInlineText100(const char* chars, int count);
    ~CInlineText100();

    CInlineText100(const CInlineText100&) = delete;
    CInlineText100& operator=(const CInlineText100&) = delete;

    void Assign(const char* text);
    void Assign(const CString& text);
    void Assign(const char* chars, int count);

    // Sets the length to n, keeping the first min(old, n) characters; returns
    // the writable characters (terminated at n).
    char* GetBufferSetLength(int n);
    // For a buffer without a heap block: sets the length to n and returns the
    // storage without keeping any contents.
    char* Allocate(int n);

    const char* GetText() const
    {
        return (unsigned)m_nLength < (unsigned)(InlineCapacity + 1) ? m_szInline : m_pHeap;
    }
    int GetLength() const { return m_nLength; }
    int GetCapacity() const { return m_nCapacity; }
    bool IsEmpty() const { return m_nLength == 0; }

    CString Left(int n) const;

    // Empties the buffer and frees its heap block.
    void Empty() { GetBufferSetLength(0); }

    void AppendChar(char c)
    {
        int old = m_nLength;
        GetBufferSetLength(old + 1)[old] = c;
    }
    void Append(const char* chars, int count);

private:
    InlineTextFields Fields()
    {
        return InlineTextFields{m_nLength, m_nCapacity, m_szInline, m_pHeap, InlineCapacity};
    }
    void InitFrom(const char* chars, int count);
    void ReleaseToEmpty();

    int m_nLength;
    int m_nCapacity;
    char m_szInline[InlineCapacity + 1];
    char* m_pHeap;
};
