#include "genetics/MatingResult.h"

#include "foundation/containers/SortArray.h"
#include "genetics/GeneDef.h"

namespace
{
int CompareShares(double a, double b)
{
    if (a > b)
        return -1;
    return a < b ? 1 : 0;
}

int CompareOffspringShares(void* collection, int i, int j, long)
{
    const CObArray* array = (const CObArray*)collection;
    return CompareShares(((CPredictedOffspring*)array->GetAt(i))->m_dProbability,
                         ((CPredictedOffspring*)array->GetAt(j))->m_dProbability);
}

int CompareItemShares(void* collection, int i, int j, long)
{
    const CObArray* array = (const CObArray*)collection;
    return CompareShares(((CMatingResultItem*)array->GetAt(i))->m_dProbability,
                         ((CMatingResultItem*)array->GetAt(j))->m_dProbability);
}

void SwapObjects(void* collection, int i, int j)
{
    CObArray* array = (CObArray*)collection;
    CObject* first = array->GetAt(i);
    array->SetAt(i, array->GetAt(j));
    array->SetAt(j, first);
}
}  // namespace

CMatingResult::CMatingResult() : m_pGenesSection(NULL), m_bRulesSectionsDiffer(0)
{
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
    SortArray(&m_offspring, GetOffspringCount(), CompareOffspringShares, SwapObjects, 0);
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        SortArray(&m_lists[list], GetItemCount(list), CompareItemShares, SwapObjects, 0);
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
