#include "foundation/containers/BitSet.h"

#include "afx/files/Archive.h"
#include "foundation/archive/StreamVersion.h"

#include <cstring>
#include <new>

IMPLEMENT_SERIAL(CBitSet, CObject, 1)

namespace
{
// The largest block of bit bytes a set takes for a stream that cannot fill it.
const UINT kLargestUnbackedBlock = 1u << 20;

struct BitCountTable
{
    BYTE counts[256];
    constexpr BitCountTable() : counts()
    {
        for (int i = 0; i < 256; ++i)
            counts[i] = (BYTE)((i & 1) + counts[i / 2]);
    }
};

// Built at compile time, so it is ready even for static constructors.
constexpr BitCountTable BitCounts;
}

CBitSet::~CBitSet()
{
    delete[] m_pBits;
}

int CBitSet::SetSize(UINT n)
{
    UINT old = m_nBitCount;
    if (n == 0)
    {
        delete[] m_pBits;
        m_pBits = NULL;
        m_nBitCount = 0;
    }
    else if (n > old)
    {
        UINT newBytes = ByteCount(n);
        UINT oldBytes = ByteCount(old);
        if (newBytes != oldBytes)
        {
            BYTE* block = new (std::nothrow) BYTE[newBytes];
            if (block == NULL)
                AfxThrowMemoryException();
            if (old != 0)
                memcpy(block, m_pBits, oldBytes);
            delete[] m_pBits;
            m_pBits = block;
        }
        if (old != 0)
        {
            memset(m_pBits + oldBytes, 0, newBytes - oldBytes);
            // The bits of the old last byte above the old count.
            UINT nextByteStart = oldBytes * 8;
            UINT clearEnd = n < nextByteStart ? n : nextByteStart;
            for (UINT bit = old; bit < clearEnd; ++bit)
                m_pBits[bit >> 3] &= (BYTE)~(1 << (bit & 7));
        }
        else
            memset(m_pBits, 0, newBytes);
        m_nBitCount = n;
    }
    else
        m_nBitCount = n;
    m_nSetCount = CountSetBits();
    return m_nSetCount;
}

int CBitSet::CountSetBits() const
{
    UINT bytes = ByteCount(m_nBitCount);
    int count = 0;
    for (UINT i = 0; i < bytes; ++i)
    {
        BYTE b = m_pBits[i];
        if (i == bytes - 1 && (m_nBitCount & 7) != 0)
            b &= (BYTE)((1 << (m_nBitCount & 7)) - 1);
        count += BitCounts.counts[b];
    }
    return count;
}

void CBitSet::Set(UINT bit, BOOL value)
{
    BYTE mask = (BYTE)(1 << (bit & 7));
    BYTE& byte = m_pBits[bit >> 3];
    bool wasSet = (byte & mask) != 0;
    if (value && !wasSet)
    {
        byte |= mask;
        ++m_nSetCount;
    }
    else if (!value && wasSet)
    {
        byte &= (BYTE)~mask;
        --m_nSetCount;
    }
}

void CBitSet::SetAll(BOOL value)
{
    if (m_nBitCount == 0)
        return;
    memset(m_pBits, value ? 0xFF : 0, ByteCount(m_nBitCount));
    m_nSetCount = value ? (int)m_nBitCount : 0;
}

void CBitSet::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kStreamVersion << (DWORD)m_nBitCount;
        if (m_nBitCount != 0)
            ar.Write(m_pBits, ByteCount(m_nBitCount));
        ar << (DWORD)m_nSetCount;
        return;
    }
    ReadStreamVersion(ar);
    DWORD n;
    ar >> n;
    SetSize(0);
    // A damaged count must not make the set take memory that the stream
    // could never fill: bit bytes beyond a megabyte that cannot all come are
    // refused before the set is sized.
    const UINT bytes = ByteCount(n);
    if (bytes > ar.GetBytesLeft() && bytes > kLargestUnbackedBlock)
        AfxThrowArchiveException(CArchiveException::generic);
    // A cut stream leaves the set at its new size with the bits that came;
    // a cut in the bits is a generic fault, one in the set-bit count (read by
    // the archive's operator) the end of the file.
    SetSize(n);
    if (n != 0 && ar.Read(m_pBits, bytes) != bytes)
        AfxThrowArchiveException(CArchiveException::generic);
    DWORD setCount;
    ar >> setCount;
    m_nSetCount = (int)setCount;
}
