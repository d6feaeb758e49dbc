// Collation of the predicted offspring into the result lists and the genotype
// lines of the report. Equal texts are found through hash maps, so that a
// prediction with tens of thousands of offspring is collated in linear time;
// the order of the lists is the order of the first occurrence of each text.
#include "genetics/MatingResult.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/terminology/TokenExpander.h"
#include "genetics/GeneDef.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"

namespace
{
std::string ToKey(const CString& text)
{
    return std::string((LPCTSTR)text, (size_t)text.GetLength());
}

BOOL EndsWith(const CString& text, const CString& suffix)
{
    return text.GetLength() > suffix.GetLength() && text.Right(suffix.GetLength()) == suffix;
}

// The text without its sex suffix: the male one first, then the female one.
CString StripSexSuffixes(const CString& text)
{
    CString stripped = text;
    if (EndsWith(stripped, MaleLetterSuffix))
        stripped = stripped.Left(stripped.GetLength() - MaleLetterSuffix.GetLength());
    if (EndsWith(stripped, FemaleLetterSuffix))
        stripped = stripped.Left(stripped.GetLength() - FemaleLetterSuffix.GetLength());
    return stripped;
}

CString GetOffspringText(const CPredictedOffspring* offspring, int list)
{
    switch (list)
    {
    case RESULT_LIST_PHENOTYPES:
        return offspring->GetPhenotype();
    case RESULT_LIST_PHENOTYPES_WITH_CARRIED:
        return offspring->GetPhenotypeWithCarriedTraits();
    default:
        return offspring->GetCarriedTraits();
    }
}

// Each item takes at most one later partner whose text differs from its own
// only by a sex suffix; the item keeps the text without the suffix.
void MergeSexSuffixPartners(COwningObArray& items)
{
    const int count = (int)items.GetSize();
    std::vector<CString> keys(count);
    std::unordered_map<std::string, std::vector<int>> positions;
    for (int i = 0; i < count; i++)
    {
        keys[i] = StripSexSuffixes(((CMatingResultItem*)items.GetAt(i))->m_strText);
        positions[ToKey(keys[i])].push_back(i);
    }
    std::unordered_map<std::string, size_t> cursors;
    std::vector<bool> deleted(count, false);
    for (int a = 0; a < count; a++)
    {
        if (deleted[a])
            continue;
        const std::string key = ToKey(keys[a]);
        const std::vector<int>& candidates = positions[key];
        size_t& cursor = cursors[key];
        while (cursor < candidates.size() && (candidates[cursor] <= a || deleted[candidates[cursor]]))
            cursor++;
        if (cursor == candidates.size())
            continue;
        const int b = candidates[cursor];
        CMatingResultItem* item = (CMatingResultItem*)items.GetAt(a);
        item->m_dProbability += ((CMatingResultItem*)items.GetAt(b))->m_dProbability;
        item->m_strText = keys[a];
        deleted[b] = true;
    }
    int kept = 0;
    for (int i = 0; i < count; i++)
    {
        CObject* item = items.GetAt(i);
        if (deleted[i])
            delete item;
        else
            items.SetAt(kept++, item);
    }
    for (int i = kept; i < count; i++)
        items.SetAt(i, NULL);
    items.SetSize(kept);
}

const CAllelePair* FindOffspringPair(const CPredictedOffspring* offspring, UINT gene)
{
    const CAllelePair* pair = offspring->m_genotype.FindPair(gene);
    return pair != NULL ? pair : offspring->m_polygenes.FindPair(gene);
}

void AppendGenes(const CGenotype& genotype, std::vector<UINT>& genes)
{
    const CAllelePair* pairs = genotype.GetPairs();
    for (int i = 0; i < genotype.GetCount(); i++)
        genes.push_back(pairs[i].m_nGene);
}
}  // namespace

void CMatingResult::CollateTexts()
{
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
    {
        std::unordered_map<std::string, int> itemIndex;
        for (int i = 0; i < GetItemCount(list); i++)
            itemIndex.emplace(ToKey(GetItem(list, i)->m_strText), i);
        for (int i = 0; i < GetOffspringCount(); i++)
        {
            const CPredictedOffspring* offspring = GetOffspring(i);
            const CString text = AppendSexSuffix(GetOffspringText(offspring, list), offspring->m_nSex);
            const auto found = itemIndex.find(ToKey(text));
            if (found != itemIndex.end())
            {
                GetItem(list, found->second)->m_dProbability += offspring->m_dProbability;
                continue;
            }
            itemIndex.emplace(ToKey(text), GetItemCount(list));
            AddItem(list, new CMatingResultItem(offspring->m_dProbability, text));
        }
        MergeSexSuffixPartners(m_lists[list]);
    }
}

void FindCommonGenes(const CMatingResult& result, CDWordArray& commonGenes)
{
    commonGenes.RemoveAll();
    const int count = result.GetOffspringCount();
    if (count == 0)
        return;
    std::vector<UINT> genes;
    for (int i = 0; i < count; i++)
    {
        AppendGenes(result.GetOffspring(i)->m_genotype, genes);
        AppendGenes(result.GetOffspring(i)->m_polygenes, genes);
    }
    std::sort(genes.begin(), genes.end());
    genes.erase(std::unique(genes.begin(), genes.end()), genes.end());

    const CPredictedOffspring* first = result.GetOffspring(0);
    for (UINT gene : genes)
    {
        const CAllelePair* firstPair = FindOffspringPair(first, gene);
        BOOL common = firstPair != NULL;
        for (int i = 1; i < count && common; i++)
        {
            const CAllelePair* pair = FindOffspringPair(result.GetOffspring(i), gene);
            common = pair != NULL && pair->IsEqual(*firstPair);
        }
        if (common)
            commonGenes.Add(gene);
    }
}

void CMatingResult::Collate(CStringArray& lines) const
{
    lines.RemoveAll();
    CDWordArray commonGenes;
    FindCommonGenes(*this, commonGenes);
    const BOOL nameRulesSections = m_pGenesSection != NULL && m_pGenesSection->m_pConfig != NULL &&
                                   m_pGenesSection->m_pConfig->CountRulesSections() > 1;

    // Distinct (line, rules section) pairs in order of first occurrence.
    std::vector<CString> texts;
    std::vector<CString> names;
    std::vector<double> shares;
    std::vector<UINT> sexes;
    std::unordered_map<std::string, size_t> lineIndex;
    for (int i = 0; i < GetOffspringCount(); i++)
    {
        const CPredictedOffspring* offspring = GetOffspring(i);
        CString name;
        CString phenotype;
        if (offspring->m_bTextsDeduced && offspring->m_pGenesSection == m_pGenesSection)
        {
            name = offspring->m_strRulesSectionName;
            phenotype = offspring->m_strPhenotypeWithCarriedTraits;
        }
        else if (m_pGenesSection != NULL)
        {
            CGenotype full;
            offspring->MakeFullGenotype(full);
            phenotype = m_pGenesSection->DeducePhenotype(full, 1, &name);
        }
        if (phenotype.IsEmpty())
            ExpandTokens("~Unknown~ ~phenotype~", phenotype);
        else if (nameRulesSections)
            phenotype += " (" + name + ")";
        const CString line = offspring->Describe(commonGenes) + " - " + phenotype;

        const std::string key = ToKey(line) + '\0' + ToKey(name);
        const auto found = lineIndex.find(key);
        if (found == lineIndex.end())
        {
            lineIndex.emplace(key, texts.size());
            texts.push_back(line);
            names.push_back(name);
            shares.push_back(offspring->m_dProbability);
            sexes.push_back(offspring->m_nSex);
            continue;
        }
        shares[found->second] += offspring->m_dProbability;
        if (sexes[found->second] != offspring->m_nSex)
            sexes[found->second] = SEX_EITHER;
    }

    for (size_t k = 0; k < texts.size(); k++)
    {
        CString line = FormatPercent(shares[k], 2) + " " + texts[k];
        if (m_bRulesSectionsDiffer)
            line += " [" + names[k] + "]";
        lines.Add(AppendSexSuffix(line, sexes[k]));
    }
}
