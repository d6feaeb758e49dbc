#include "framework/windows/DoubleNullString.h"

#include <cstring>

void CDoubleNullString::Set(const char* text)
{
    Clear();
    if (text == nullptr || *text == '\0')
        return;
    size_t length = strlen(text);
    m_buffer = new char[length + 2];
    memcpy(m_buffer, text, length + 1);
    m_buffer[length + 1] = '\0';
    m_size = length + 2;
}

void CDoubleNullString::Clear()
{
    delete[] m_buffer;
    m_buffer = nullptr;
    m_size = 0;
}
