#include "framework/windows/DoubleNullString.h"

#include <cstring>

void CDoubleNullString::Set(const char* text)
{
    Clear();
    if (text == nullptr || *text == '\0')
        return;
    const size_t length = strlen(text);
    m_buffer.assign(text, text + length + 1);
    m_buffer.push_back('\0');
}
