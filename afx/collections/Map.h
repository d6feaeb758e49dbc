// CMap: a hashed map with chained buckets.
//
// The bucket table (17 buckets unless InitHashTable says otherwise) is made
// on the first insertion. Associations come from blocks of m_nBlockSize
// through a free list. A new association goes to the head of its bucket's
// chain, and iteration visits the buckets from 0 upward, each chain from its
// head; stored map texts follow this order. Derived maps may work on the
// protected internals directly.
#pragma once

#include "afx/files/Archive.h"
#include "afx/collections/ElementHelpers.h"
#include "afx/core/MemoryException.h"
#include "afx/core/Object.h"
#include "afx/collections/Plex.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // the bucket index
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10);
    virtual ~CMap();

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value under the key, added (default-constructed) when missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return (m_nCount == 0) ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Replaces the bucket table by one of hashSize empty buckets (made now,
    // or on the next insertion). The map must be empty.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // Stored form: the entry count, then each key and its value in iteration
    // order. Loading replaces the whole content.
    void Serialize(CArchive& ar) override;

protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    // Takes an association from the free list with a default key and value
    // and counts it; the caller sets its hash value and links it.
    CAssoc* NewAssoc();
    // Destroys an unlinked association and returns it to the free list.
    void FreeAssoc(CAssoc* pAssoc);
    // The association of the key, or null; nHash receives the key's bucket.
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;
    UINT HashKey(ARG_KEY key) const { return ::HashKey<ARG_KEY>(key); }
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CMap(INT_PTR nBlockSize)
    : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::~CMap()
{
    RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        hashSize = 17;
    CAssoc** pNewTable = NULL;
    if (bAllocNow || m_nCount != 0)
    {
        if (hashSize > 0x7FFFFFFF / sizeof(CAssoc*))
            AfxThrowMemoryException();
        pNewTable = (CAssoc**)AfxAllocMemory(sizeof(CAssoc*) * hashSize);
        memset(pNewTable, 0, sizeof(CAssoc*) * hashSize);
    }
    CAssoc** pOldTable = m_pHashTable;
    UINT nOldSize = m_nHashTableSize;
    m_pHashTable = pNewTable;
    m_nHashTableSize = hashSize;
    if (pOldTable == NULL)
        return;
    // Entries already present are moved to the new table, not lost.
    for (UINT nBucket = 0; nBucket < nOldSize; ++nBucket)
    {
        CAssoc* pAssoc = pOldTable[nBucket];
        while (pAssoc != NULL)
        {
            CAssoc* pNext = pAssoc->pNext;
            UINT nHash = HashKey(pAssoc->key) % hashSize;
            pAssoc->nHashValue = nHash;
            pAssoc->pNext = m_pHashTable[nHash];
            m_pHashTable[nHash] = pAssoc;
            pAssoc = pNext;
        }
    }
    AfxFreeMemory(pOldTable);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT nHash = 0; nHash < m_nHashTableSize; ++nHash)
        {
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                DestructElements(&pAssoc->key, 1);
                DestructElements(&pAssoc->value, 1);
            }
        }
        AfxFreeMemory(m_pHashTable);
        m_pHashTable = NULL;
    }
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks != NULL)
    {
        m_pBlocks->FreeDataChain();
        m_pBlocks = NULL;
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc()
{
    if (m_pFreeList == NULL)
    {
        // Link a new block's associations into the free list, first one on top.
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, (UINT)m_nBlockSize, sizeof(CAssoc));
        CAssoc* pAssoc = (CAssoc*)pNewBlock->data() + (m_nBlockSize - 1);
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i, --pAssoc)
        {
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    m_pFreeList = m_pFreeList->pNext;
    m_nCount++;
    ConstructElements(&pAssoc->key, 1);
    ConstructElements(&pAssoc->value, 1);
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    DestructElements(&pAssoc->value, 1);
    DestructElements(&pAssoc->key, 1);
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    // The last removal releases everything; the table size is kept.
    if (m_nCount == 0)
        RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash) const
{
    nHash = HashKey(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = NewAssoc();
        try
        {
            pAssoc->key = key;
        }
        catch (...)
        {
            FreeAssoc(pAssoc);
            throw;
        }
        pAssoc->nHashValue = nHash;
        pAssoc->pNext = m_pHashTable[nHash];
        m_pHashTable[nHash] = pAssoc;
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                          VALUE& rValue) const
{
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
    {
        pAssocRet = NULL;
        for (UINT nBucket = 0; m_pHashTable != NULL && nBucket < m_nHashTableSize; ++nBucket)
        {
            if ((pAssocRet = m_pHashTable[nBucket]) != NULL)
                break;
        }
        if (pAssocRet == NULL)
        {
            rNextPosition = NULL;
            return;
        }
    }

    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; pAssocNext == NULL && nBucket < m_nHashTableSize;
         ++nBucket)
    {
        pAssocNext = m_pHashTable[nBucket];
    }
    rNextPosition = (POSITION)pAssocNext;
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (POSITION position = GetStartPosition(); position != NULL;)
        {
            KEY key = KEY();
            VALUE value = VALUE();
            GetNextAssoc(position, key, value);
            SerializeElement(ar, key);
            SerializeElement(ar, value);
        }
        return;
    }
    RemoveAll();
    DWORD count = ar.ReadCount();
    // Every key and every value takes at least one byte of the archive.
    ar.CheckAvailable((unsigned long long)count * 2);
    while (count-- > 0)
    {
        KEY key = KEY();
        VALUE value = VALUE();
        SerializeElement(ar, key);
        SerializeElement(ar, value);
        (*this)[key] = value;
    }
}
