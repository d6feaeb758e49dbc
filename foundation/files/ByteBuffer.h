#pragma once
// A growable block of raw bytes: whole files and sealed files are read into
// it. The block grows to exactly the requested length and never shrinks.
#include "afx/core/AfxCore.h"

class CByteBuffer
{
public:
    CByteBuffer() : m_pData(nullptr), m_nLength(0), m_nCapacity(0) {}
    CByteBuffer(const CByteBuffer& other);
    CByteBuffer& operator=(const CByteBuffer& other);
    ~CByteBuffer() { Free(); }

    // Sets the length; a length above the capacity reallocates to exactly
    // that size, keeping the bytes in use. Bytes past the old length are not
    // cleared. Always TRUE; a failed allocation raises the memory exception.
    BOOL SetSize(DWORD length);
    // Releases the block: null data, length and capacity 0.
    void Free();

    // Reads a whole file; on failure the buffer is left empty and FALSE is
    // answered. Raises nothing.
    BOOL LoadFile(const char* path);
    // Reads, checks, deciphers and decompresses a sealed file; on TRUE the
    // buffer holds the plain contents. See SealedFile.h.
    BOOL LoadSealedFile(const char* path, DWORD keyWord);
    // Turns every CR LF pair into LF; TRUE when at least one was replaced.
    BOOL ConvertCrLfToLf();

    // Stored form: version byte 1, length, the bytes. A length the archive
    // cannot still hold is refused before anything is allocated.
    void Serialize(CArchive& ar);

    BYTE* GetData() { return m_pData; }
    const BYTE* GetData() const { return m_pData; }
    DWORD GetLength() const { return m_nLength; }
    DWORD GetCapacity() const { return m_nCapacity; }

private:
    BYTE* m_pData;
    DWORD m_nLength;
    DWORD m_nCapacity;
};
