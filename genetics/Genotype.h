#pragma once

#include "afx/core/AfxCore.h"
#include "genetics/AllelePair.h"

// The allele pairs of one genotype, at most one per gene. Up to 16 pairs are
// held in place without any heap block; from the 17th on all pairs move to
// the heap, so typical genotypes are copied and matched without allocation.
class CGenotype : public CObject
{
public:
    enum { INPLACE_PAIRS = 16, FIRST_HEAP_PAIRS = 20, HEAP_GROW_PAIRS = 4 };

    CGenotype();
    CGenotype(const CGenotype& other);
    CGenotype& operator=(const CGenotype& other);
    virtual ~CGenotype();
    virtual void Serialize(CArchive& ar);

    CAllelePair* GetPairs() { return m_pHeap ? m_pHeap : m_inPlace; }
    const CAllelePair* GetPairs() const { return m_pHeap ? m_pHeap : m_inPlace; }
    int GetCount() const { return (int)m_nCount; }
    UINT GetCapacity() const { return m_nCapacity; }
    BOOL IsUnsorted() const { return m_nUnsorted != 0; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    void AddPair(const CAllelePair& pair);
    BOOL RemoveGene(UINT gene);
    void RemoveAll();
    void Merge(const CGenotype& other);
    void Copy(const CGenotype& other);
    void Sort();

    // First pair of the gene, or NULL.
    const CAllelePair* FindPair(UINT gene) const;
    int FindPairIndex(UINT gene) const;

    // This genotype is the pattern; TRUE when other satisfies every pair.
    BOOL Matches(const CGenotype& other, UINT mode) const;
    // Same pairs in the same order after sorting both (allele order counts).
    BOOL IsEqual(const CGenotype& other);

    CString Format(const CGeneticsSection* section, UINT mode);

    // Parses a genotype text against a section; see GenotypeText.cpp.
    CString Parse(const CGeneticsSection* section, const CString& text, int sex, UINT flags,
                  int* outSex = NULL, CStringArray* messages = NULL);

private:
    void FreeHeap();
    void RemoveAt(int index);

    UINT m_nUnsorted;
    UINT m_nCount;
    CAllelePair m_inPlace[INPLACE_PAIRS];
    CAllelePair* m_pHeap;
    UINT m_nCapacity;
};
