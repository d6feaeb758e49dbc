#include "output/printing/ImageStream.h"

#include <cstdlib>
#include <cstring>

CImageStream::CImageStream(FILE* file)
    : m_file(file), m_memory(NULL), m_position(0), m_size(0), m_capacity(0), m_inMemory(false)
{
}

CImageStream::CImageStream() : m_file(NULL), m_memory(NULL), m_position(0), m_size(0), m_capacity(0), m_inMemory(true)
{
}

CImageStream::~CImageStream()
{
    Close();
}

size_t CImageStream::Read(void* buffer, size_t size, size_t count)
{
    if (!m_inMemory)
        return m_file != NULL ? fread(buffer, size, count, m_file) : 0;
    if (size == 0)
        return 0;
    size_t items = (m_size - m_position) / size;
    if (items > count)
        items = count;
    memcpy(buffer, m_memory + m_position, items * size);
    m_position += items * size;
    return items;
}

size_t CImageStream::Write(const void* buffer, size_t size, size_t count)
{
    if (!m_inMemory)
        return m_file != NULL ? fwrite(buffer, size, count, m_file) : 0;
    size_t bytes = size * count;
    if (m_position + bytes > m_capacity)
    {
        size_t capacity = (m_position + bytes + 4095) / 4096 * 4096;
        BYTE* grown = (BYTE*)realloc(m_memory, capacity);
        if (grown == NULL)
            return 0;
        m_memory = grown;
        m_capacity = capacity;
    }
    memcpy(m_memory + m_position, buffer, bytes);
    m_position += bytes;
    if (m_position > m_size)
        m_size = m_position;
    return count;
}

int CImageStream::Flush()
{
    if (m_inMemory)
        return 0;
    return m_file != NULL ? fflush(m_file) : -1;
}

int CImageStream::AtEnd() const
{
    if (m_inMemory)
        return m_position >= m_size;
    return m_file != NULL ? ferror(m_file) : -1;
}

int CImageStream::Close()
{
    if (m_inMemory)
    {
        free(m_memory);
        m_memory = NULL;
        m_size = m_capacity = m_position = 0;
        return 0;
    }
    // The file belongs to whoever opened it.
    m_file = NULL;
    return -1;
}
