#include "genetics/SlotOutcomes.h"

#include <algorithm>
#include <stdlib.h>
#include <unordered_map>

#include "genetics/GametePattern.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingPredictor.h"

namespace
{
struct CodesHash
{
    size_t operator()(const std::vector<UINT>& codes) const
    {
        size_t hash = 2166136261u;
        for (UINT code : codes)
            hash = (hash ^ code) * 16777619u;
        return hash;
    }
};

typedef std::unordered_map<std::vector<UINT>, int, CodesHash> CodesIndex;

int HeterogameticParent(const CGeneticsSection* section)
{
    return section->m_nSexSystem == SEXSYSTEM_XY ? 1 : 0;
}

int HeterogameticSex(const CGeneticsSection* section)
{
    return section->m_nSexSystem == SEXSYSTEM_XY ? SEX_MALE : SEX_FEMALE;
}

const COwningObArray* GetTable(const CGeneticsSection* section, int parent, int table)
{
    const COwningObArray& tables = parent == 0 ? section->m_femaleTables : section->m_maleTables;
    return (const COwningObArray*)tables.GetAt(table);
}

BOOL IsEarlier(int phase, UINT maternal, UINT paternal, const CSlotOutcome& than)
{
    if (phase != than.m_nFirstPhase)
        return phase < than.m_nFirstPhase;
    if (maternal != than.m_nFirstMaternalPattern)
        return maternal < than.m_nFirstMaternalPattern;
    return paternal < than.m_nFirstPaternalPattern;
}
}  // namespace

// One distinct gamete of a parent for the slot: the alleles it passes for the
// genes of one table, with its first phase and pattern and the summed
// probability of its patterns.
struct CSlotOutcomes::Gamete
{
    int m_nTable;  // index into m_tables
    std::vector<UINT> m_values;
    int m_nFirstPhase;
    UINT m_nFirstPattern;
    double m_dProbability;
};

BOOL CSlotOutcomes::Build(CGeneticsSection* section, const CParentAlleles& parents, int slot, int maxOutcomes)
{
    m_nSlot = slot;
    m_outcomes.clear();
    CollectGenes(section);

    std::vector<Gamete> maternal;
    std::vector<Gamete> paternal;
    CollectGametes(section, parents, 0, maternal);
    CollectGametes(section, parents, 1, paternal);

    // An autosomal group is one chain, swapped as a whole into canonical
    // order: a child's outcome comes from one pair of gametes or from the
    // pair with the parts swapped, so its whole share is known at once.
    const BOOL oneChain = m_nSlot != 0;
    std::vector<int> maternalLike;
    std::vector<int> paternalLike;
    if (oneChain)
    {
        MatchGametes(paternal, maternal, maternalLike);
        MatchGametes(maternal, paternal, paternalLike);
    }

    // The sex-chromosome slot may join several chains, so an outcome's whole
    // share is known only at the end: its outcomes are kept up to a larger
    // limit (crossover patterns of no share still make distinct outcomes
    // there, and they can decide where a child first appears), and the
    // negligible ones are dropped before the listing limit applies.
    const int storeLimit = oneChain ? maxOutcomes : std::max(maxOutcomes, SEX_SLOT_STORE_LIMIT);
    CodesIndex index;
    std::vector<UINT> child;
    for (int m = 0; m < (int)maternal.size(); m++)
    {
        const Gamete& mother = maternal[m];
        for (int f = 0; f < (int)paternal.size(); f++)
        {
            const Gamete& father = paternal[f];
            const double share = mother.m_dProbability * father.m_dProbability / 4.0;
            if (oneChain)
            {
                // The swapped pair: the mother's gamete like the father's and his like hers.
                const int swappedMother = maternalLike[f];
                const int swappedFather = paternalLike[m];
                double whole = share;
                if (swappedMother >= 0 && swappedFather >= 0 && (swappedMother != m || swappedFather != f))
                    whole += maternal[swappedMother].m_dProbability * paternal[swappedFather].m_dProbability / 4.0;
                if (IsNegligibleBound(whole))
                    continue;
            }
            int sex = SEX_EITHER;
            Combine(section, mother, father, child, sex);
            MakeCanonical(section, child, sex);
            const int phase = 2 * mother.m_nFirstPhase + father.m_nFirstPhase;
            const UINT sexBit = m_nSlot == 0 ? 1u << sex : 0u;
            const auto found = index.find(child);
            if (found == index.end())
            {
                index.emplace(child, (int)m_outcomes.size());
                CSlotOutcome outcome;
                outcome.m_alleles = child;
                outcome.m_dProbability = share;
                outcome.m_nFirstPhase = phase;
                outcome.m_nFirstMaternalPattern = mother.m_nFirstPattern;
                outcome.m_nFirstPaternalPattern = father.m_nFirstPattern;
                outcome.m_nSexMask = sexBit;
                m_outcomes.push_back(outcome);
                if ((int)m_outcomes.size() > storeLimit)
                    return FALSE;
                continue;
            }
            CSlotOutcome& outcome = m_outcomes[found->second];
            outcome.m_dProbability += share;
            outcome.m_nSexMask |= sexBit;
            if (IsEarlier(phase, mother.m_nFirstPattern, father.m_nFirstPattern, outcome))
            {
                outcome.m_nFirstPhase = phase;
                outcome.m_nFirstMaternalPattern = mother.m_nFirstPattern;
                outcome.m_nFirstPaternalPattern = father.m_nFirstPattern;
            }
        }
    }
    if (!oneChain)
    {
        m_outcomes.erase(std::remove_if(m_outcomes.begin(), m_outcomes.end(),
                                        [](const CSlotOutcome& outcome) { return IsNegligibleBound(outcome.m_dProbability); }),
                         m_outcomes.end());
        if ((int)m_outcomes.size() > maxOutcomes)
            return FALSE;
    }
    GroupByPhase();
    return TRUE;
}

// For each gamete of one parent, the other parent's gamete that passes the
// same alleles, or -1.
void CSlotOutcomes::MatchGametes(const std::vector<Gamete>& from, const std::vector<Gamete>& to,
                                 std::vector<int>& like)
{
    CodesIndex index;
    for (int i = 0; i < (int)to.size(); i++)
        index.emplace(to[i].m_values, i);
    like.assign(from.size(), -1);
    for (int i = 0; i < (int)from.size(); i++)
    {
        const auto found = index.find(from[i].m_values);
        if (found != index.end())
            like[i] = found->second;
    }
}

void CSlotOutcomes::CollectGenes(CGeneticsSection* section)
{
    m_tables.clear();
    if (m_nSlot == 0)
    {
        m_tables.push_back(0);
        m_tables.push_back(1);
    }
    else
        m_tables.push_back(m_nSlot + 1);

    m_genes.clear();
    m_tableOffsets.clear();
    m_chains.clear();
    for (int table : m_tables)
    {
        m_tableOffsets.push_back((int)m_genes.size());
        const CGametePattern* first = (const CGametePattern*)GetTable(section, 0, table)->GetAt(0);
        for (int j = 0; j < first->GetGeneCount(); j++)
        {
            const UINT gene = (UINT)abs(first->GetEntry(j));
            const int position = (int)m_genes.size();
            m_genes.push_back(gene);
            // A gene continues the chain of the gene before it when that one links to it.
            if (j > 0 && section->GetGeneDef(m_genes[position - 1])->m_nNextGene == gene)
                m_chains.back().m_nEnd = position + 1;
            else
                m_chains.push_back(Chain{position, position + 1, section->GetGeneDef(gene)->m_nSexLinkage});
        }
    }
}

int CSlotOutcomes::ChooseTable(const CGeneticsSection* section, int parent, int phase) const
{
    if (m_nSlot != 0)
        return m_nSlot + 1;
    // The heterogametic parent passes the shared sex chromosome (table 0) or
    // the unshared one (table 1); the homogametic one always the shared one.
    if (parent != HeterogameticParent(section))
        return 0;
    if (section->m_nSexSystem == SEXSYSTEM_XY)
        return phase == 0 ? 0 : 1;
    return phase == 0 ? 1 : 0;
}

void CSlotOutcomes::CollectGametes(CGeneticsSection* section, const CParentAlleles& parents, int parent,
                                   std::vector<Gamete>& gametes) const
{
    const BOOL countsAsPositive = m_nSlot == 0 && parent == HeterogameticParent(section);
    CodesIndex index;
    std::vector<UINT> key;
    for (int phase = 0; phase < 2; phase++)
    {
        const int tableNumber = ChooseTable(section, parent, phase);
        const int tableIndex = (int)(std::find(m_tables.begin(), m_tables.end(), tableNumber) - m_tables.begin());
        const COwningObArray* table = GetTable(section, parent, tableNumber);
        for (int k = 0; k < (int)table->GetSize(); k++)
        {
            const CGametePattern* pattern = (const CGametePattern*)table->GetAt(k);
            key.assign(1, (UINT)tableIndex);
            for (int j = 0; j < pattern->GetGeneCount(); j++)
            {
                const int entry = pattern->GetEntry(j);
                const int side = entry < 0 && !countsAsPositive ? 1 - phase : phase;
                key.push_back(parents.m_alleles[parent][side][(UINT)abs(entry)]);
            }
            const auto found = index.find(key);
            if (found != index.end())
            {
                gametes[found->second].m_dProbability += pattern->m_dProbability;
                continue;
            }
            index.emplace(key, (int)gametes.size());
            Gamete gamete;
            gamete.m_nTable = tableIndex;
            gamete.m_values.assign(key.begin() + 1, key.end());
            gamete.m_nFirstPhase = phase;
            gamete.m_nFirstPattern = (UINT)k;
            gamete.m_dProbability = pattern->m_dProbability;
            gametes.push_back(gamete);
        }
    }
}

void CSlotOutcomes::Combine(CGeneticsSection* section, const Gamete& maternal, const Gamete& paternal,
                            std::vector<UINT>& child, int& sex) const
{
    child.assign(2 * m_genes.size(), ALLELE_UNKNOWN);
    if (m_nSlot == 0)
    {
        const BOOL sameTable = m_tables[maternal.m_nTable] == m_tables[paternal.m_nTable];
        if (section->m_nSexSystem == SEXSYSTEM_XY)
            sex = sameTable ? SEX_FEMALE : SEX_MALE;
        else
            sex = sameTable ? SEX_MALE : SEX_FEMALE;
        for (size_t i = 0; i < m_genes.size(); i++)
        {
            for (int chromosome = 0; chromosome < 2; chromosome++)
            {
                if (!section->CanCarryAllele(m_genes[i], sex, chromosome))
                    child[2 * i + chromosome] = ALLELE_NONE;
            }
        }
    }
    const int maternalOffset = m_tableOffsets[maternal.m_nTable];
    for (size_t j = 0; j < maternal.m_values.size(); j++)
        child[2 * (maternalOffset + j)] = maternal.m_values[j];
    const int paternalOffset = m_tableOffsets[paternal.m_nTable];
    for (size_t j = 0; j < paternal.m_values.size(); j++)
        child[2 * (paternalOffset + j) + 1] = paternal.m_values[j];
}

void CSlotOutcomes::MakeCanonical(const CGeneticsSection* section, std::vector<UINT>& child, int sex) const
{
    const BOOL heterogametic = m_nSlot == 0 && sex == HeterogameticSex(section);
    for (const Chain& chain : m_chains)
    {
        // The allele order of the unshared chromosome, and of the shared one
        // in the heterogametic sex, tells which parent gave the allele.
        if (chain.m_nSexLinkage == SEXLINK_UNSHARED || (chain.m_nSexLinkage == SEXLINK_SHARED && heterogametic))
            continue;
        // Otherwise the order carries no information: a chain is swapped as a
        // whole when its first heterozygous pair is in descending order.
        for (int i = chain.m_nFirst; i < chain.m_nEnd; i++)
        {
            const UINT first = child[2 * i];
            const UINT second = child[2 * i + 1];
            if (first == second || (!IsRealAllele(first) && !IsRealAllele(second)))
                continue;
            if (first > second)
            {
                for (int k = chain.m_nFirst; k < chain.m_nEnd; k++)
                    std::swap(child[2 * k], child[2 * k + 1]);
            }
            break;
        }
    }
    for (size_t i = 0; i < m_genes.size(); i++)
    {
        if (!IsRealAllele(child[2 * i]) && !IsRealAllele(child[2 * i + 1]))
            child[2 * i] = child[2 * i + 1] = ALLELE_UNKNOWN;
    }
}

void CSlotOutcomes::GroupByPhase()
{
    m_dMaxProbability = 0.0;
    for (int phase = 0; phase < 4; phase++)
    {
        m_phaseGroups[phase].clear();
        m_phaseGroupMax[phase] = 0.0;
    }
    for (int i = 0; i < (int)m_outcomes.size(); i++)
    {
        const CSlotOutcome& outcome = m_outcomes[i];
        m_phaseGroups[outcome.m_nFirstPhase].push_back(i);
        m_phaseGroupMax[outcome.m_nFirstPhase] = std::max(m_phaseGroupMax[outcome.m_nFirstPhase], outcome.m_dProbability);
        m_dMaxProbability = std::max(m_dMaxProbability, outcome.m_dProbability);
    }
    for (int phase = 0; phase < 4; phase++)
    {
        std::sort(m_phaseGroups[phase].begin(), m_phaseGroups[phase].end(), [this](int a, int b) {
            const CSlotOutcome& first = m_outcomes[a];
            const CSlotOutcome& second = m_outcomes[b];
            if (first.m_nFirstMaternalPattern != second.m_nFirstMaternalPattern)
                return first.m_nFirstMaternalPattern < second.m_nFirstMaternalPattern;
            return first.m_nFirstPaternalPattern < second.m_nFirstPaternalPattern;
        });
    }
}
