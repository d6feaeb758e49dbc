#pragma once
// A byte stream that image writers write to: a C file (not owned) or a
// growing memory block.
#include <cstdio>

#include "afx/core/AfxCore.h"

class CImageStream
{
public:
    // Over an open file, which stays open when the stream closes.
    explicit CImageStream(FILE* file);
    // In memory.
    CImageStream();
    ~CImageStream();
    CImageStream(const CImageStream&) = delete;
    CImageStream& operator=(const CImageStream&) = delete;

    size_t Read(void* buffer, size_t size, size_t count);
    // The number of items written; fewer on a failed write.
    size_t Write(const void* buffer, size_t size, size_t count);
    int Flush();
    // Non-zero after an error (file) or at the end (memory).
    int AtEnd() const;
    // Non-zero after a failed write or read of the file.
    int HasError() const { return m_inMemory ? 0 : (m_file != NULL ? ferror(m_file) : 1); }
    int Close();

    const BYTE* GetData() const { return m_memory; }
    size_t GetSize() const { return m_size; }

private:
    FILE* m_file;
    BYTE* m_memory;
    size_t m_position;
    size_t m_size;
    size_t m_capacity;
    bool m_inMemory;
};
