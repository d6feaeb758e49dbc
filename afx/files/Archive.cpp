#include "afx/files/Archive.h"

#include "afx/files/File.h"
#include "afx/core/MemoryException.h"
#include "afx/core/NotSupportedException.h"

#include <cstring>

namespace
{
constexpr WORD kBase[16] = {0x0000, 0x1189, 0x2312, 0x329B, 0x4624, 0x57AD, 0x6536, 0x74BF,
                            0x8C48, 0x9DC1, 0xAF5A, 0xBED3, 0xCA6C, 0xDBE5, 0xE97E, 0xF8F7};

struct ChecksumTable
{
    WORD t[256];
    constexpr ChecksumTable() : t()
    {
        for (int i = 0; i < 256; ++i)
        {
            WORD hi = kBase[i >> 4];
            t[i] = (WORD)(kBase[i & 15] ^ (WORD)((hi << 4) | (hi >> 12)));
        }
    }
};
constexpr ChecksumTable kTable;

constexpr UINT kMaxMapCount = 0x3FFFFFFE;
constexpr UINT kNameLimit = 64;
constexpr UINT kMinBufSize = 128;
} // namespace

const WORD ArchiveChecksumTable[256] = {
#define R(i) kTable.t[i], kTable.t[i + 1], kTable.t[i + 2], kTable.t[i + 3]
#define R16(i) R(i), R(i + 4), R(i + 8), R(i + 12)
    R16(0),   R16(16),  R16(32),  R16(48),  R16(64),  R16(80),  R16(96), R16(112), R16(128),
    R16(144), R16(160), R16(176), R16(192), R16(208), R16(224), R16(240)
#undef R16
#undef R
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_nProgressTotal(0), m_nProgressPos(0), m_nProgressStep(0x10000), m_nProgressLow(0), m_nProgressHigh(0),
      m_bProgress(FALSE), m_bChecksum(FALSE), m_wChecksum(0), m_strFileName(pFile ? pFile->GetFilePath() : CString()),
      m_nObjectSchema((UINT)-1), m_nNestingDepth(0), m_nGrowSize(1024), m_nHashSize(2053), m_nMode(nMode),
      m_pFile(pFile), m_bUserBuf(lpBuf != NULL && nBufSize >= (int)kMinBufSize), m_bDirectBuffer(FALSE),
      m_nBufSize(nBufSize < (int)kMinBufSize ? kMinBufSize : (UINT)nBufSize), m_nMapCount(0), m_bMapped(false)
{
    // A caller's buffer smaller than the minimum is not used: the archive
    // would run past its end. The archive takes a buffer of its own instead.
    m_lpBufStart = m_bUserBuf ? (BYTE*)lpBuf : new BYTE[m_nBufSize];
    // A storing buffer starts empty, a loading one exhausted.
    m_lpBufMax = m_lpBufStart + m_nBufSize;
    m_lpBufCur = IsLoading() ? m_lpBufMax : m_lpBufStart;
}

CArchive::~CArchive()
{
    if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

void CArchive::Close()
{
    if (m_pFile == NULL)
        return;
    if (IsStoring())
        Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
}

[[noreturn]] void CArchive::ThrowNamed(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::ChecksumBlock(const void* lpBuf, UINT n)
{
    const BYTE* p = (const BYTE*)lpBuf;
    WORD crc = m_wChecksum;
    for (UINT i = 0; i < n; ++i)
        crc = (WORD)((crc >> 8) ^ ArchiveChecksumTable[(crc ^ p[i]) & 0xFF]);
    m_wChecksum = crc;
}

void CArchive::AdvanceProgress(int nBytes)
{
    m_nProgressPos += nBytes;
    if (m_nProgressLow <= m_nProgressPos && m_nProgressPos <= m_nProgressHigh)
        return;
    m_nProgressLow = m_nProgressPos;
    m_nProgressHigh = m_nProgressPos + m_nProgressStep;
    if (m_nProgressHigh > m_nProgressTotal)
        m_nProgressHigh = m_nProgressTotal;
    ReportProgress(m_nProgressPos, m_nProgressTotal);
}

void CArchive::ReportProgress(int, int)
{
}

UINT CArchive::ReadFromFile(void* lpBuf, UINT n)
{
    UINT got = m_pFile->Read(lpBuf, n);
    if (m_bProgress)
        AdvanceProgress((int)got);
    return got;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return 0;
    BYTE* out = (BYTE*)lpBuf;
    UINT nTemp = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nTemp > nMax)
        nTemp = nMax;
    memcpy(out, m_lpBufCur, nTemp);
    m_lpBufCur += nTemp;
    out += nTemp;
    UINT rest = nMax - nTemp;
    if (rest > 0)
    {
        // Whole multiples of the buffer size go straight to the caller.
        UINT direct = rest - rest % m_nBufSize;
        UINT missing = direct;
        UINT got;
        do
        {
            got = ReadFromFile(out, missing);
            out += got;
            missing -= got;
            rest -= got;
        } while (got > 0 && missing > 0);
        if (missing == 0)
        {
            UINT want = rest > m_nBufSize ? rest : m_nBufSize;
            UINT have = 0;
            do
            {
                got = ReadFromFile(m_lpBufStart + have, want - have);
                have += got;
                want = m_nBufSize;
            } while (got > 0 && have < m_nBufSize && have < rest);
            m_lpBufCur = m_lpBufStart;
            m_lpBufMax = m_lpBufStart + have;
            UINT take = rest < have ? rest : have;
            memcpy(out, m_lpBufCur, take);
            m_lpBufCur += take;
            rest -= take;
        }
    }
    UINT delivered = nMax - rest;
    if (m_bChecksum)
        ChecksumBlock(lpBuf, delivered);
    return delivered;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return;
    if (m_bChecksum)
        ChecksumBlock(lpBuf, nMax);
    const BYTE* in = (const BYTE*)lpBuf;
    UINT nTemp = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nTemp > nMax)
        nTemp = nMax;
    memcpy(m_lpBufCur, in, nTemp);
    m_lpBufCur += nTemp;
    in += nTemp;
    nMax -= nTemp;
    if (nMax > 0)
    {
        Flush();
        UINT direct = nMax - nMax % m_nBufSize;
        m_pFile->Write(in, direct);
        in += direct;
        nMax -= direct;
        memcpy(m_lpBufCur, in, nMax);
        m_lpBufCur += nMax;
    }
}

void CArchive::Flush()
{
    if (IsLoading())
    {
        if (m_lpBufMax != m_lpBufCur)
        {
            int unread = (int)(m_lpBufMax - m_lpBufCur);
            if (m_bProgress)
                AdvanceProgress(-unread);
            m_pFile->Seek(-unread, CFile::current);
        }
        m_lpBufCur = m_lpBufMax;
    }
    else
    {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::FillBuffer(UINT nBytesNeeded)
{
    UINT leftover = (UINT)(m_lpBufMax - m_lpBufCur);
    UINT total = nBytesNeeded + leftover;
    UINT have = leftover;
    if (m_lpBufCur > m_lpBufStart)
    {
        if (leftover > 0)
            memmove(m_lpBufStart, m_lpBufCur, leftover);
        m_lpBufCur = m_lpBufStart;
        UINT got;
        do
        {
            got = ReadFromFile(m_lpBufStart + have, m_nBufSize - have);
            have += got;
        } while (got > 0 && have < m_nBufSize && have < total);
        m_lpBufMax = m_lpBufStart + have;
    }
    if (have < total)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

DWORD CArchive::GetBytesLeft() const
{
    DWORD buffered = (DWORD)(m_lpBufMax - m_lpBufCur);
    if (m_pFile == NULL)
        return buffered;
    DWORD length = m_pFile->GetLength();
    DWORD pos = m_pFile->GetPosition();
    return buffered + (length > pos ? length - pos : 0);
}

void CArchive::CheckAvailable(unsigned long long nBytes) const
{
    // Most lengths fit in what is buffered: the file is asked only beyond.
    if (nBytes <= (unsigned long long)(m_lpBufMax - m_lpBufCur))
        return;
    if (nBytes > GetBytesLeft())
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

CArchive& CArchive::operator>>(WORD& w)
{
    w = (WORD)LoadValue(2);
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    dw = LoadValue(4);
    return *this;
}

DWORD CArchive::ReadCount()
{
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    return dw;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
    {
        *this << (WORD)0xFFFF;
        *this << dwCount;
    }
}

// ---- strings

DWORD AFXAPI ReadStringLength(CArchive& ar)
{
    BYTE b;
    ar >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    ar >> w;
    if (w == 0xFFFE)
        return 0xFFFFFFFF;
    if (w < 0xFFFF)
        return w;
    DWORD dw;
    ar >> dw;
    return dw;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& str)
{
    DWORD length = ReadStringLength(ar);
    bool wide = length == 0xFFFFFFFF;
    if (wide)
        length = ReadStringLength(ar);
    if (length == 0 || length == 0xFFFFFFFF)
    {
        // A second wide marker cannot be a length: the stream is damaged.
        if (length == 0xFFFFFFFF)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        str.Empty();
        return ar;
    }
    unsigned long long bytes = wide ? 2ull * length : length;
    ar.CheckAvailable(bytes);
    if (!wide)
    {
        LPSTR p = str.GetBufferSetLength((int)length);
        UINT got = ar.Read(p, length);
        str.ReleaseBuffer((int)length);
        if (got != length)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        return ar;
    }
    std::vector<WCHAR> units(length + 1);
    if (ar.Read(units.data(), (UINT)bytes) != bytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    units[length] = 0;
    int need = WideCharToMultiByte(CP_ACP, 0, units.data(), (int)length, NULL, 0, NULL, NULL);
    LPSTR p = str.GetBufferSetLength(need);
    WideCharToMultiByte(CP_ACP, 0, units.data(), (int)length, p, need, NULL, NULL);
    str.ReleaseBuffer(need);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& str)
{
    DWORD length = (DWORD)str.GetLength();
    if (length < 255)
        ar << (BYTE)length;
    else if (length < 0xFFFE)
    {
        ar << (BYTE)0xFF;
        ar << (WORD)length;
    }
    else
    {
        ar << (BYTE)0xFF;
        ar << (WORD)0xFFFF;
        ar << length;
    }
    ar.Write((LPCSTR)str, length);
    return ar;
}

// ---- field lists

void AFXAPI SerializeDWordFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject)
{
    BYTE* base = (BYTE*)pObject;
    for (int i = 0; i < nCount; ++i)
    {
        DWORD* field = (DWORD*)(base + pOffsets[i]);
        if (ar.IsLoading())
            ar >> *field;
        else
            ar << *field;
    }
}

void AFXAPI SerializeIntFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject)
{
    SerializeDWordFields(ar, pOffsets, nCount, pObject);
}

void AFXAPI SerializeStringFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject)
{
    BYTE* base = (BYTE*)pObject;
    for (int i = 0; i < nCount; ++i)
    {
        CString* field = (CString*)(base + pOffsets[i]);
        if (ar.IsLoading())
            ar >> *field;
        else
            ar << *field;
    }
}

// ---- object and class references

void CArchive::CheckCount()
{
    if (m_nMapCount >= kMaxMapCount)
        ThrowNamed(CArchiveException::badIndex);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (!m_bMapped)
    {
        m_bMapped = true;
        m_nMapCount = 1;
        if (IsStoring())
            m_storeMap.reserve(m_nHashSize);
        else
        {
            m_loadArray.assign(1, nullptr);
            m_loadIsClass.assign(1, false);
        }
    }
    if (pOb == NULL)
        return;
    CheckCount();
    if (IsStoring())
        m_storeMap[pOb] = m_nMapCount++;
    else
    {
        m_loadArray.push_back((void*)pOb);
        m_loadIsClass.push_back(false);
        ++m_nMapCount;
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    MapObject(NULL);
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end())
    {
        UINT i = it->second;
        if (i < 0x7FFF)
            *this << (WORD)(0x8000 | i);
        else
        {
            *this << (WORD)0x7FFF;
            *this << (DWORD)(0x80000000 | i);
        }
        return;
    }
    *this << (WORD)0xFFFF;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    MapObject(NULL);
    if (pOb == NULL)
    {
        *this << (WORD)0;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end())
    {
        UINT i = it->second;
        if (i < 0x7FFF)
            *this << (WORD)i;
        else
        {
            *this << (WORD)0x7FFF;
            *this << (DWORD)i;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (pClassRefRequested != NULL && pClassRefRequested->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    MapObject(NULL);
    WORD w;
    *this >> w;
    DWORD tag;
    if (w == 0x7FFF)
        *this >> tag;
    else
        tag = ((DWORD)(w & 0x8000) << 16) | (w & 0x7FFF);

    if (!(tag & 0x80000000))
    {
        if (pObTag == NULL)
            ThrowNamed(CArchiveException::badIndex);
        *pObTag = tag;
        return NULL;
    }

    CRuntimeClass* pClass;
    UINT schema;
    if (w == 0xFFFF)
    {
        pClass = CRuntimeClass::Load(*this, &schema);
        if (pClass == NULL)
            ThrowNamed(CArchiveException::badClass);
        if ((pClass->m_wSchema & ~VERSIONABLE_SCHEMA) != schema)
        {
            if (!(pClass->m_wSchema & VERSIONABLE_SCHEMA))
                ThrowNamed(CArchiveException::badSchema);
            m_schemaMap[pClass] = schema;
        }
        CheckCount();
        m_loadArray.push_back(pClass);
        m_loadIsClass.push_back(true);
        ++m_nMapCount;
    }
    else
    {
        DWORD index = tag & 0x7FFFFFFF;
        // The entry must be a class record, not an object.
        if (index == 0 || index >= m_loadArray.size() || !m_loadIsClass[index])
            ThrowNamed(CArchiveException::badIndex);
        pClass = (CRuntimeClass*)m_loadArray[index];
        auto it = m_schemaMap.find(pClass);
        schema = it != m_schemaMap.end() ? it->second : (pClass->m_wSchema & ~VERSIONABLE_SCHEMA);
    }

    if (pClassRefRequested != NULL && !pClass->IsDerivedFrom(pClassRefRequested))
        ThrowNamed(CArchiveException::badClass);

    if (pSchema != NULL)
        *pSchema = schema;
    else
        m_nObjectSchema = schema;
    if (pObTag != NULL)
        *pObTag = tag;
    return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT schema;
    DWORD tag;
    CRuntimeClass* pClass = ReadClass(pClassRefRequested, &schema, &tag);
    if (pClass == NULL)
    {
        if (tag >= m_loadArray.size())
            ThrowNamed(CArchiveException::badIndex);
        // A class record is never a referenced object.
        if (m_loadIsClass[tag])
            ThrowNamed(CArchiveException::badIndex);
        CObject* pOb = (CObject*)m_loadArray[tag];
        if (pOb != NULL && pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            ThrowNamed(CArchiveException::badClass);
        return pOb;
    }
    CObject* pOb = pClass->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    try
    {
        CheckCount();
    }
    catch (...)
    {
        delete pOb;
        throw;
    }
    m_loadArray.push_back(pOb);
    m_loadIsClass.push_back(false);
    ++m_nMapCount;
    const size_t index = m_loadArray.size() - 1;
    UINT saved = m_nObjectSchema;
    m_nObjectSchema = schema;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // The object is nobody's yet: free it, and let no later reference
        // in this archive reach it.
        m_nObjectSchema = saved;
        m_loadArray[index] = NULL;
        delete pOb;
        throw;
    }
    m_nObjectSchema = saved;
    return pOb;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD length = (WORD)lstrlenA(m_lpszClassName);
    ar << (WORD)m_wSchema << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD schema, length;
    ar >> schema;
    *pwSchemaNum = schema;
    ar >> length;
    if (length >= kNameLimit)
        return NULL;
    char name[kNameLimit];
    if (ar.Read(name, length) != length)
        return NULL;
    name[length] = 0;
    AfxLockClassList();
    CRuntimeClass* found = NULL;
    for (CRuntimeClass* p = AfxGetFirstRuntimeClass(); p != NULL; p = p->m_pNextClass)
        if (lstrcmpA(p->m_lpszClassName, name) == 0)
        {
            found = p;
            break;
        }
    AfxUnlockClassList();
    return found;
}
