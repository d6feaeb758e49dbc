#pragma once
// One text followed by two zero bytes: the one-item list that the shell's
// file operations take.
#include <cstddef>
#include <vector>

class CDoubleNullString
{
public:
    // A missing or empty text leaves the object empty.
    void Set(const char* text);
    void Clear() { m_buffer.clear(); }

    const char* GetBuffer() const { return m_buffer.empty() ? nullptr : m_buffer.data(); }
    size_t GetSize() const { return m_buffer.size(); }

private:
    std::vector<char> m_buffer;
};
