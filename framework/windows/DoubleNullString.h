#pragma once
// One text followed by two zero bytes: the one-item list that the shell's
// file operations take.
#include <cstddef>

class CDoubleNullString
{
public:
    CDoubleNullString() {}
    ~CDoubleNullString() { Clear(); }

    // A missing or empty text leaves the object empty.
    void Set(const char* text);
    void Clear();

    const char* GetBuffer() const { return m_buffer; }
    size_t GetSize() const { return m_size; }

private:
    CDoubleNullString(const CDoubleNullString&) = delete;
    CDoubleNullString& operator=(const CDoubleNullString&) = delete;

    size_t m_size = 0;
    char* m_buffer = nullptr;
};
