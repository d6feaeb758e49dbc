#include "genetics/Genotype.h"

#include "genetics/GeneticsSection.h"

#include <string.h>

CGenotype::CGenotype() : m_nUnsorted(0), m_nCount(0), m_pHeap(NULL), m_nCapacity(0)
{
}

CGenotype::CGenotype(const CGenotype& other) : m_nUnsorted(0), m_nCount(0), m_pHeap(NULL), m_nCapacity(0)
{
    Copy(other);
}

CGenotype& CGenotype::operator=(const CGenotype& other)
{
    Copy(other);
    return *this;
}

CGenotype::~CGenotype()
{
    FreeHeap();
}

void CGenotype::Serialize(CArchive&)
{
}

void CGenotype::FreeHeap()
{
    delete[] m_pHeap;
    m_pHeap = NULL;
    m_nCapacity = 0;
}

void CGenotype::AddPair(const CAllelePair& pair)
{
    if (m_pHeap == NULL && m_nCount == INPLACE_PAIRS)
    {
        m_pHeap = new CAllelePair[FIRST_HEAP_PAIRS];
        memcpy(m_pHeap, m_inPlace, sizeof(m_inPlace));
        m_nCapacity = FIRST_HEAP_PAIRS;
    }
    else if (m_pHeap != NULL && m_nCount == m_nCapacity)
    {
        CAllelePair* grown = new CAllelePair[m_nCapacity + HEAP_GROW_PAIRS];
        memcpy(grown, m_pHeap, m_nCount * sizeof(CAllelePair));
        delete[] m_pHeap;
        m_pHeap = grown;
        m_nCapacity += HEAP_GROW_PAIRS;
    }
    GetPairs()[m_nCount++] = pair;
    m_nUnsorted = m_nCount > 1;
}

int CGenotype::FindPairIndex(UINT gene) const
{
    const CAllelePair* pairs = GetPairs();
    for (UINT i = 0; i < m_nCount; i++)
    {
        if (pairs[i].m_nGene == gene)
            return (int)i;
    }
    return -1;
}

const CAllelePair* CGenotype::FindPair(UINT gene) const
{
    const int index = FindPairIndex(gene);
    return index < 0 ? NULL : &GetPairs()[index];
}

BOOL CGenotype::RemoveGene(UINT gene)
{
    const int index = FindPairIndex(gene);
    if (index < 0)
        return FALSE;
    RemoveAt(index);
    return TRUE;
}

void CGenotype::RemoveAt(int index)
{
    CAllelePair* pairs = GetPairs();
    memmove(pairs + index, pairs + index + 1, (m_nCount - index - 1) * sizeof(CAllelePair));
    m_nCount--;
    if (m_pHeap != NULL && m_nCount == INPLACE_PAIRS)
    {
        memcpy(m_inPlace, m_pHeap, sizeof(m_inPlace));
        FreeHeap();
    }
}

void CGenotype::RemoveAll()
{
    FreeHeap();
    m_nCount = 0;
    m_nUnsorted = 0;
}

void CGenotype::Merge(const CGenotype& other)
{
    if (&other == this)
        return;
    const CAllelePair* pairs = other.GetPairs();
    for (UINT i = 0; i < other.m_nCount; i++)
    {
        RemoveGene(pairs[i].m_nGene);
        AddPair(pairs[i]);
    }
}

void CGenotype::Copy(const CGenotype& other)
{
    if (&other == this)
        return;
    FreeHeap();
    m_nCount = other.m_nCount;
    m_nUnsorted = other.m_nUnsorted;
    if (other.m_pHeap != NULL)
    {
        m_pHeap = new CAllelePair[other.m_nCapacity];
        m_nCapacity = other.m_nCapacity;
        memcpy(m_pHeap, other.m_pHeap, m_nCount * sizeof(CAllelePair));
    }
    else
    {
        memcpy(m_inPlace, other.m_inPlace, m_nCount * sizeof(CAllelePair));
    }
}

void CGenotype::Sort()
{
    if (!m_nUnsorted)
        return;
    // Insertion sort: genotypes are short and usually nearly sorted.
    CAllelePair* pairs = GetPairs();
    for (UINT i = 1; i < m_nCount; i++)
    {
        const CAllelePair pair = pairs[i];
        UINT j = i;
        while (j > 0 && pairs[j - 1].m_nGene > pair.m_nGene)
        {
            pairs[j] = pairs[j - 1];
            j--;
        }
        pairs[j] = pair;
    }
    m_nUnsorted = 0;
}

BOOL CGenotype::Matches(const CGenotype& other, UINT mode) const
{
    const CAllelePair* pattern = GetPairs();
    for (UINT i = 0; i < m_nCount; i++)
    {
        const CAllelePair& want = pattern[i];
        const CAllelePair* have = other.FindPair(want.m_nGene);
        if (have == NULL)
        {
            if (mode & MATCH_MISSING_GENE_OK)
                continue;
            return FALSE;
        }
        if (want.IsPolygene())
        {
            if (mode & MATCH_SKIP_POLYGENES)
                continue;
            if (!want.MatchPolygene(*have, mode))
                return FALSE;
            continue;
        }
        if (want.MatchAllele(*have, 0, mode) && want.MatchAllele(*have, 1, mode))
            continue;
        CAllelePair swapped = *have;
        swapped.m_nAllele1 = have->m_nAllele2;
        swapped.m_nAllele2 = have->m_nAllele1;
        if (!(want.MatchAllele(swapped, 0, mode) && want.MatchAllele(swapped, 1, mode)))
            return FALSE;
    }
    return TRUE;
}

BOOL CGenotype::IsEqual(const CGenotype& other)
{
    if (m_nCount != other.m_nCount)
        return FALSE;
    Sort();
    const_cast<CGenotype&>(other).Sort();
    const CAllelePair* mine = GetPairs();
    const CAllelePair* theirs = other.GetPairs();
    for (UINT i = 0; i < m_nCount; i++)
    {
        if (!mine[i].IsEqual(theirs[i]))
            return FALSE;
    }
    return TRUE;
}

CString CGenotype::Format(const CGeneticsSection* section, UINT mode)
{
    Sort();
    CString text;
    const CAllelePair* pairs = GetPairs();
    for (UINT i = 0; i < m_nCount; i++)
    {
        if (i > 0)
            text += ' ';
        text += pairs[i].Format(section, mode);
    }
    return text;
}
