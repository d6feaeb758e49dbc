#include "genetics/MatingResult.h"

#include <vector>

#include "foundation/containers/IndexedSort.h"
#include "genetics/GeneDef.h"

namespace
{
const int RESULT_GROW_BY = 4096;

// The sort runs on a compact copy of the shares with their objects: the
// comparisons and exchanges are exactly those on the list itself, so the
// order (also of equal shares) is the same, but they touch one small array
// instead of objects spread over the heap. Lists with many equal shares make
// the sort do far more comparisons than n log n, so this matters.
struct CShareEntry
{
    double m_dShare;
    CObject* m_pObject;
};

int CompareEntryShares(void* collection, int i, int j, long)
{
    const CShareEntry* entries = (const CShareEntry*)collection;
    const double a = entries[i].m_dShare;
    const double b = entries[j].m_dShare;
    if (a > b)
        return -1;
    return a < b ? 1 : 0;
}

void SwapEntries(void* collection, int i, int j)
{
    CShareEntry* entries = (CShareEntry*)collection;
    const CShareEntry first = entries[i];
    entries[i] = entries[j];
    entries[j] = first;
}

template <class TYPE>
void SortObjectsByShare(COwningObArray& objects)
{
    const int count = (int)objects.GetSize();
    std::vector<CShareEntry> entries(count);
    for (int i = 0; i < count; i++)
    {
        entries[i].m_pObject = objects.GetAt(i);
        entries[i].m_dShare = ((TYPE*)entries[i].m_pObject)->m_dProbability;
    }
    SortArray(entries.data(), count, CompareEntryShares, SwapEntries, 0);
    for (int i = 0; i < count; i++)
        objects.SetAt(i, entries[i].m_pObject);
}
}  // namespace

CMatingResult::CMatingResult() : m_pGenesSection(NULL), m_bRulesSectionsDiffer(0), m_nMaxReportLength(MAX_REPORT_LENGTH)
{
    // A prediction may add tens of thousands of entries one by one: grow in
    // large steps rather than copying the arrays over and over.
    m_offspring.SetSize(0, RESULT_GROW_BY);
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        m_lists[list].SetSize(0, RESULT_GROW_BY);
}

CMatingResult::~CMatingResult()
{
    RemoveAll();
}

void CMatingResult::RemoveAll()
{
    m_offspring.DeleteAll();
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        m_lists[list].DeleteAll();
    m_pGenesSection = NULL;
    m_bRulesSectionsDiffer = 0;
}

CPredictedOffspring* CMatingResult::FindOffspring(const CGenotype& genotype, UINT sex) const
{
    CGenotype probe(genotype);
    for (int i = 0; i < GetOffspringCount(); i++)
    {
        CPredictedOffspring* offspring = GetOffspring(i);
        if (offspring->m_nSex == sex && probe.IsEqual(offspring->m_genotype))
            return offspring;
    }
    return NULL;
}

CMatingResultItem* CMatingResult::FindItem(int list, const CString& text) const
{
    for (int i = 0; i < GetItemCount(list); i++)
    {
        CMatingResultItem* item = GetItem(list, i);
        if (item->m_strText == text)
            return item;
    }
    return NULL;
}

void CMatingResult::SortByShare()
{
    SortObjectsByShare<CPredictedOffspring>(m_offspring);
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        SortObjectsByShare<CMatingResultItem>(m_lists[list]);
}

void CMatingResult::FormatList(int list, CStringArray& lines) const
{
    lines.RemoveAll();
    for (int i = 0; i < GetItemCount(list); i++)
    {
        const CMatingResultItem* item = GetItem(list, i);
        lines.Add(FormatPercent(item->m_dProbability, 2) + " " + item->m_strText);
    }
}
