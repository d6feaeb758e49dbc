#include "foundation/files/ByteBuffer.h"

#include "afx/files/Archive.h"
#include "foundation/archive/StreamVersion.h"

#include <cstring>
#include <new>

CByteBuffer::CByteBuffer(const CByteBuffer& other)
    : m_pData(nullptr), m_nLength(0), m_nCapacity(0)
{
    *this = other;
}

CByteBuffer& CByteBuffer::operator=(const CByteBuffer& other)
{
    if (this != &other)
    {
        SetSize(other.m_nLength);
        if (other.m_nLength != 0)
            memcpy(m_pData, other.m_pData, other.m_nLength);
    }
    return *this;
}

BOOL CByteBuffer::SetSize(DWORD length)
{
    if (length > m_nCapacity)
    {
        BYTE* block = new (std::nothrow) BYTE[length];
        if (block == nullptr)
            AfxThrowMemoryException();
        if (m_nLength != 0)
            memcpy(block, m_pData, m_nLength);
        delete[] m_pData;
        m_pData = block;
        m_nCapacity = length;
    }
    m_nLength = length;
    return TRUE;
}

void CByteBuffer::Free()
{
    delete[] m_pData;
    m_pData = nullptr;
    m_nLength = 0;
    m_nCapacity = 0;
}

BOOL CByteBuffer::LoadFile(const char* path)
{
    CFile file;
    BOOL loaded = FALSE;
    if (path != nullptr && file.Open(path, CFile::modeRead, nullptr))
    {
        try
        {
            DWORD length = (DWORD)file.GetLength();
            SetSize(length);
            UINT read = length != 0 ? file.Read(m_pData, length) : 0;
            loaded = read == length;
            file.Close();
        }
        catch (CException* e)
        {
            file.Abort();
            e->Delete();
            loaded = FALSE;
        }
    }
    if (!loaded)
        Free();
    return loaded;
}

BOOL CByteBuffer::ConvertCrLfToLf()
{
    if (m_nLength == 0)
        return FALSE;
    DWORD write = 0;
    DWORD pairs = 0;
    DWORD read = 0;
    while (read + 1 < m_nLength)
    {
        if (m_pData[read] == '\r' && m_pData[read + 1] == '\n')
        {
            m_pData[write++] = '\n';
            read += 2;
            ++pairs;
        }
        else
            m_pData[write++] = m_pData[read++];
    }
    if (read < m_nLength)
        m_pData[write++] = m_pData[read];
    SetSize(m_nLength - pairs);
    return pairs != 0;
}

void CByteBuffer::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kStreamVersion << (DWORD)m_nLength;
        ar.Write(m_pData, m_nLength);
        return;
    }
    ReadStreamVersion(ar);
    DWORD n;
    ar >> n;
    ar.CheckAvailable(n);
    SetSize(n);
    if (ar.Read(m_pData, n) != n)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}
