// Buffered, typed byte stream over a CFile: loading or storing values,
// counts, strings and object graphs, with a running 16-bit checksum and
// progress reports that follow the bytes read from the file.
#pragma once

#include "afx/files/ArchiveException.h"
#include "afx/core/NotSupportedException.h"
#include "afx/core/Object.h"
#include "afx/core/RuntimeClass.h"
#include "afx/strings/String.h"

#include <type_traits>
#include <unordered_map>
#include <vector>

class CFile;

// The checksum's 256-entry table (see Archive.cpp for how it is built).
extern const WORD ArchiveChecksumTable[256];

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    // A caller's own buffer (lpBuf) of fewer than 128 bytes is not used: the
    // archive then buffers in memory of its own.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    virtual ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Flushes a storing archive; the file stays open.
    void Close();
    void Abort();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void FillBuffer(UINT nBytesNeeded);

    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    // Bytes a loading archive can still deliver: those buffered and those
    // left in the file. Lengths and counts read from the stream are checked
    // against it before anything is allocated for them.
    DWORD GetBytesLeft() const;
    // Throws endOfFile unless nBytes (as a 64-bit product) can still come.
    void CheckAvailable(unsigned long long nBytes) const;

    // Object and class references.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void WriteClass(const CRuntimeClass* pClassRef);
    void MapObject(const CObject* pOb);
    void CheckCount();
    UINT GetObjectSchema() const { return m_nObjectSchema; }
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Progress: called through AdvanceProgress whenever the position leaves
    // the report window. The base does nothing.
    void AdvanceProgress(int nBytes);
    virtual void ReportProgress(int nPos, int nTotal);

    void ChecksumByte(BYTE b)
    {
        m_wChecksum = (WORD)((m_wChecksum >> 8) ^ ArchiveChecksumTable[(m_wChecksum ^ b) & 0xFF]);
    }
    void ChecksumWord(WORD w)
    {
        ChecksumByte((BYTE)(w >> 8));
        ChecksumByte((BYTE)w);
    }
    void ChecksumDWord(DWORD d)
    {
        ChecksumByte((BYTE)(d >> 24));
        ChecksumByte((BYTE)(d >> 16));
        ChecksumByte((BYTE)(d >> 8));
        ChecksumByte((BYTE)d);
    }
    void ChecksumBlock(const void* lpBuf, UINT n);

    // Typed values: stored little-endian, fed to the checksum high byte first.
    CArchive& operator<<(BYTE b) { return StoreValue(b, 1); }
    CArchive& operator<<(char ch) { return StoreValue((BYTE)ch, 1); }
    CArchive& operator<<(WORD w) { return StoreValue(w, 2); }
    CArchive& operator<<(short n) { return StoreValue((WORD)n, 2); }
    CArchive& operator<<(DWORD dw) { return StoreValue(dw, 4); }
    CArchive& operator<<(LONG l) { return StoreValue((DWORD)l, 4); }
    CArchive& operator<<(int i) { return StoreValue((DWORD)i, 4); }
    CArchive& operator<<(unsigned u) { return StoreValue((DWORD)u, 4); }

    CArchive& operator>>(BYTE& b)
    {
        b = (BYTE)LoadValue(1);
        return *this;
    }
    CArchive& operator>>(char& ch)
    {
        ch = (char)LoadValue(1);
        return *this;
    }
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(short& n)
    {
        n = (short)LoadValue(2);
        return *this;
    }
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONG& l)
    {
        l = (LONG)LoadValue(4);
        return *this;
    }
    CArchive& operator>>(int& i)
    {
        i = (int)LoadValue(4);
        return *this;
    }
    CArchive& operator>>(unsigned& u)
    {
        u = (unsigned)LoadValue(4);
        return *this;
    }

    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    // Progress and checksum state; the owner sets and reads them.
    int m_nProgressTotal;
    int m_nProgressPos;
    int m_nProgressStep;
    int m_nProgressLow;
    int m_nProgressHigh;
    BOOL m_bProgress;
    BOOL m_bChecksum;
    WORD m_wChecksum;

    CString m_strFileName;
    UINT m_nObjectSchema;
    // How deep the structures being loaded nest: code that loads nested
    // structures by recursion counts its levels here to bound the recursion.
    int m_nNestingDepth;
    UINT m_nGrowSize;
    UINT m_nHashSize;

protected:
    CArchive& StoreValue(DWORD v, UINT size)
    {
        if (m_lpBufCur + size > m_lpBufMax)
            Flush();
        if (m_bChecksum)
            for (UINT i = size; i-- > 0;)
                ChecksumByte((BYTE)(v >> (8 * i)));
        for (UINT i = 0; i < size; ++i)
            *m_lpBufCur++ = (BYTE)(v >> (8 * i));
        return *this;
    }
    DWORD LoadValue(UINT size)
    {
        if ((UINT)(m_lpBufMax - m_lpBufCur) < size)
            FillBuffer(size - (UINT)(m_lpBufMax - m_lpBufCur));
        DWORD v = 0;
        for (UINT i = 0; i < size; ++i)
            v |= (DWORD)m_lpBufCur[i] << (8 * i);
        m_lpBufCur += size;
        if (m_bChecksum)
            for (UINT i = size; i-- > 0;)
                ChecksumByte((BYTE)(v >> (8 * i)));
        return v;
    }
    UINT ReadFromFile(void* lpBuf, UINT n);
    [[noreturn]] void ThrowNamed(int cause) const;

    UINT m_nMode;
    CFile* m_pFile;
    BOOL m_bUserBuf;
    BOOL m_bDirectBuffer;
    UINT m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;

    // Index sequence of classes and objects (index 0 is null).
    UINT m_nMapCount;
    bool m_bMapped;
    std::vector<void*> m_loadArray;
    std::vector<bool> m_loadIsClass;
    std::unordered_map<const void*, UINT> m_storeMap;
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};

// Strings: a length prefix (byte, 0xFF + word, or 0xFF 0xFFFF + double word)
// and the characters; 0xFF 0xFFFE marks UTF-16 text with a second prefix.
DWORD AFXAPI ReadStringLength(CArchive& ar);
CArchive& AFXAPI operator<<(CArchive& ar, const CString& str);
CArchive& AFXAPI operator>>(CArchive& ar, CString& str);

// Store or load, by the archive's direction, the 32-bit or CString fields
// of an object at the given byte offsets, in table order.
void AFXAPI SerializeDWordFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject);
void AFXAPI SerializeIntFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject);
void AFXAPI SerializeStringFields(CArchive& ar, const DWORD* pOffsets, int nCount, void* pObject);

// Stores or loads an array as its count and then each element through
// each(element); a loaded count is checked against the bytes left, at
// nMinBytes per element, before the array is sized.
// Stores or loads one element of a collection through the typed operators,
// so that it feeds the running checksum: texts in the string form, whole
// numbers at their own size. Other elements (pointers, structures) have no
// stored form.
template <class TYPE>
void SerializeElement(CArchive& ar, TYPE& element)
{
    if constexpr (std::is_same<TYPE, CString>::value)
    {
        if (ar.IsStoring())
            ar << element;
        else
            ar >> element;
    }
    else if constexpr ((std::is_integral<TYPE>::value || std::is_enum<TYPE>::value) && sizeof(TYPE) <= 4)
    {
        using Stored = typename std::conditional<sizeof(TYPE) == 1, BYTE,
                                                 typename std::conditional<sizeof(TYPE) == 2, WORD, DWORD>::type>::type;
        Stored value = (Stored)element;
        if (ar.IsStoring())
            ar << value;
        else
        {
            ar >> value;
            element = (TYPE)value;
        }
    }
    else
        AfxThrowNotSupportedException();
}

template <class TArray, class TEach>
void SerializeArray(CArchive& ar, TArray& array, UINT nMinBytes, TEach each)
{
    if (ar.IsStoring())
        ar.WriteCount((DWORD)array.GetSize());
    else
    {
        DWORD n = ar.ReadCount();
        ar.CheckAvailable((unsigned long long)n * nMinBytes);
        array.SetSize(n);
    }
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        each(array.ElementAt(i));
}

// Stores or loads an array of whole numbers: the count, then each element
// at its own size.
template <class TArray>
void SerializeWholeNumberArray(CArchive& ar, TArray& array)
{
    SerializeArray(ar, array, sizeof(array.ElementAt(0)), [&](auto& element) {
        SerializeElement(ar, element);
    });
}
