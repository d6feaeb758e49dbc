// CString storage: sharing, copy-on-write, assignment and joining.
#include "afx/strings/String.h"

#include <limits.h>
#include <new>

#include "afx/core/MemoryException.h"

namespace
{
// The block every empty string shares. It is constant-initialised, so strings
// constructed during static initialisation can use it in any order.
struct EmptyStringBlock
{
    CStringData header;
    TCHAR chNil[4];
};
EmptyStringBlock g_emptyString = {{-1, 0, 0}, {0, 0, 0, 0}};

inline CStringData* EmptyData()
{
    return &g_emptyString.header;
}

// Largest length whose block size still fits in an int.
const int kMaxStringLength = INT_MAX - (int)sizeof(CStringData) - 16;

CStringData* NewStringData(int nLen, int nAllocLen)
{
    if (nLen < 0 || nAllocLen < nLen || nAllocLen > kMaxStringLength)
        AfxThrowMemoryException();
    CStringData* pData = (CStringData*)AfxAllocMemory(sizeof(CStringData) + nAllocLen + 1);
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nAllocLen;
    pData->data()[nLen] = '\0';
    // ReleaseBuffer(-1) always finds a terminator within the block.
    pData->data()[nAllocLen] = '\0';
    return pData;
}
} // namespace

void CString::Init()
{
    m_pchData = EmptyData()->data();
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    if (stringSrc.GetData()->nRefs >= 0)
    {
        m_pchData = stringSrc.m_pchData;
        ++GetData()->nRefs;
    }
    else
    {
        // A locked buffer belongs to its owner alone: copy the characters.
        Init();
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    }
}

CString::CString(CString&& stringSrc) noexcept
{
    if (stringSrc.GetData()->nRefs >= 0)
    {
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    else
    {
        Init();
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    }
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat >= 1)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, (unsigned char)ch, nRepeat);
    }
}

CString::CString(LPCTSTR lpsz)
{
    Init();
    if (lpsz != NULL && HIWORD((DWORD_PTR)lpsz) == 0)
    {
        LoadString(LOWORD((DWORD_PTR)lpsz));
        return;
    }
    int nLen = SafeStrlen(lpsz);
    if (nLen != 0)
    {
        AllocBuffer(nLen);
        memcpy(m_pchData, lpsz, nLen);
    }
}

CString::CString(LPCTSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
    {
        AllocBuffer(nLength);
        memcpy(m_pchData, lpch, nLength);
    }
}

CString::CString(const unsigned char* psz) : CString((LPCTSTR)psz)
{
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    if (lpsz != NULL)
        AssignWide(lpsz, (int)wcslen(lpsz));
}

CString::CString(LPCWSTR lpwch, int nLength)
{
    Init();
    if (lpwch != NULL && nLength > 0)
        AssignWide(lpwch, nLength);
}

CString::~CString()
{
    Release();
}

void CString::AssignWide(LPCWSTR lpwch, int nLength)
{
    int nBytes = WideCharToMultiByte(CP_ACP, 0, lpwch, nLength, NULL, 0, NULL, NULL);
    if (nBytes <= 0)
    {
        Empty();
        return;
    }
    CString converted;
    converted.AllocBuffer(nBytes);
    WideCharToMultiByte(CP_ACP, 0, lpwch, nLength, converted.m_pchData, nBytes, NULL, NULL);
    *this = static_cast<CString&&>(converted);
}

void CString::AllocBuffer(int nLen)
{
    if (nLen == 0)
    {
        Init();
        return;
    }
    m_pchData = NewStringData(nLen, nLen)->data();
}

void CString::Release()
{
    if (GetData() != EmptyData())
    {
        Release(GetData());
        Init();
    }
}

void PASCAL CString::Release(CStringData* pData)
{
    if (pData != EmptyData() && --pData->nRefs <= 0)
        AfxFreeMemory(pData);
}

int PASCAL CString::SafeStrlen(LPCTSTR lpsz)
{
    if (lpsz == NULL)
        return 0;
    size_t nLen = strlen(lpsz);
    if (nLen > (size_t)kMaxStringLength)
        AfxThrowMemoryException();
    return (int)nLen;
}

void CString::Empty()
{
    CStringData* pData = GetData();
    if (pData->nDataLength == 0)
        return;
    if (pData->nRefs >= 0)
    {
        Release();
    }
    else
    {
        // A locked buffer stays with its owner.
        pData->nDataLength = 0;
        m_pchData[0] = '\0';
    }
}

void CString::CopyBeforeWrite()
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1)
    {
        CStringData* pCopy = NewStringData(pData->nDataLength, pData->nDataLength);
        memcpy(pCopy->data(), pData->data(), pData->nDataLength);
        Release(pData);
        m_pchData = pCopy->data();
    }
}

void CString::AllocBeforeWrite(int nLen)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nLen > pData->nAllocLength)
    {
        Release();
        AllocBuffer(nLen);
    }
}

void CString::AllocCopy(CString& dest, int nCopyLen, int nCopyIndex, int nExtraLen) const
{
    int nNewLen = nCopyLen + nExtraLen;
    if (nNewLen == 0)
    {
        dest.Init();
        return;
    }
    dest.AllocBuffer(nNewLen);
    memcpy(dest.m_pchData, m_pchData + nCopyIndex, nCopyLen);
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
    {
        Empty();
        return;
    }
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nSrcLen > pData->nAllocLength)
    {
        // The source may lie in the old block: copy before letting it go.
        CStringData* pNew = NewStringData(nSrcLen, nSrcLen);
        memcpy(pNew->data(), lpszSrcData, nSrcLen);
        Release(pData);
        m_pchData = pNew->data();
        return;
    }
    memmove(m_pchData, lpszSrcData, nSrcLen);
    pData->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    if ((GetData()->nRefs < 0 && GetData() != EmptyData()) || stringSrc.GetData()->nRefs < 0)
    {
        // Locked buffers are never shared: copy the characters.
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    }
    else
    {
        CStringData* pOld = GetData();
        m_pchData = stringSrc.m_pchData;
        ++GetData()->nRefs;
        Release(pOld);
    }
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this == &stringSrc)
        return *this;
    if ((GetData()->nRefs < 0 && GetData() != EmptyData()) || stringSrc.GetData()->nRefs < 0)
    {
        *this = (const CString&)stringSrc;
        return *this;
    }
    Release(GetData());
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCTSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = (LPCTSTR)psz;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    if (lpsz == NULL)
        Empty();
    else
        AssignWide(lpsz, (int)wcslen(lpsz));
    return *this;
}

void CString::ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data)
{
    if (nSrc2Len > kMaxStringLength - nSrc1Len)
        AfxThrowMemoryException();
    int nNewLen = nSrc1Len + nSrc2Len;
    if (nNewLen == 0)
        return;
    AllocBuffer(nNewLen);
    memcpy(m_pchData, lpszSrc1Data, nSrc1Len);
    memcpy(m_pchData + nSrc1Len, lpszSrc2Data, nSrc2Len);
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    CStringData* pData = GetData();
    int nOldLen = pData->nDataLength;
    if (nSrcLen > kMaxStringLength - nOldLen)
        AfxThrowMemoryException();
    int nNewLen = nOldLen + nSrcLen;
    if (pData->nRefs > 1 || nNewLen > pData->nAllocLength)
    {
        // A string that keeps growing in place gets room to spare, so that
        // repeated appending costs linear time.
        int nAlloc = nNewLen;
        if (pData->nRefs == 1 && nNewLen <= kMaxStringLength - nNewLen / 2)
            nAlloc = nNewLen + nNewLen / 2;
        CStringData* pNew = NewStringData(nNewLen, nAlloc);
        memcpy(pNew->data(), pData->data(), nOldLen);
        memcpy(pNew->data() + nOldLen, lpszSrcData, nSrcLen);
        Release(pData);
        m_pchData = pNew->data();
        return;
    }
    memcpy(m_pchData + nOldLen, lpszSrcData, nSrcLen);
    pData->nDataLength = nNewLen;
    m_pchData[nNewLen] = '\0';
}

const CString& CString::operator+=(const CString& string)
{
    if (&string == this)
    {
        CString copy(string);
        ConcatInPlace(copy.GetLength(), copy.m_pchData);
    }
    else
    {
        ConcatInPlace(string.GetLength(), string.m_pchData);
    }
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetLength(), string1.m_pchData, string2.GetLength(), string2.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, 1, &ch);
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetLength(), string.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, CString::SafeStrlen(lpsz), lpsz);
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(CString::SafeStrlen(lpsz), lpsz, string.GetLength(), string.m_pchData);
    return s;
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    CStringData* pData = GetData();
    if (pData->nRefs > 1 || nMinBufLength > pData->nAllocLength)
    {
        int nOldLen = pData->nDataLength;
        if (nMinBufLength < nOldLen)
            nMinBufLength = nOldLen;
        CStringData* pNew = NewStringData(nOldLen, nMinBufLength);
        memcpy(pNew->data(), pData->data(), nOldLen);
        Release(pData);
        m_pchData = pNew->data();
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    CStringData* pData = GetData();
    if (pData == EmptyData())
        return;
    if (nNewLength < 0)
    {
        const void* pZero = memchr(m_pchData, 0, pData->nAllocLength + 1);
        nNewLength = (int)((LPCTSTR)pZero - m_pchData);
    }
    else if (nNewLength > pData->nAllocLength)
    {
        nNewLength = pData->nAllocLength;
    }
    pData->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (GetData() != EmptyData())
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData->nDataLength != pData->nAllocLength)
    {
        CString exact(m_pchData, pData->nDataLength);
        *this = static_cast<CString&&>(exact);
    }
}

LPTSTR CString::LockBuffer()
{
    LPTSTR lpsz = GetBuffer(0);
    if (GetData() != EmptyData())
        GetData()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (GetData() != EmptyData())
        GetData()->nRefs = 1;
}
