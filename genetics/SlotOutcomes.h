#pragma once

#include <vector>

#include "afx/core/AfxCore.h"

class CGeneticsSection;

// Outcomes of the sex-chromosome slot kept while its shares are summed.
const int SEX_SLOT_STORE_LIMIT = 1000000;

// The parents' alleles as the prediction sees them: [parent][chromosome][gene].
struct CParentAlleles
{
    std::vector<UINT> m_alleles[2][2];
};

// One distinct outcome of a linkage slot: the alleles that a child receives
// for the slot's genes, put into canonical order, with the share of the
// slot's gamete combinations that give it and the first combination, in the
// order of enumeration, that gives it.
struct CSlotOutcome
{
    // Two codes per gene of the slot (maternal, paternal); a gene without a
    // real allele on either side holds ALLELE_UNKNOWN twice (no pair).
    std::vector<UINT> m_alleles;
    double m_dProbability;
    // First combination: phase index (2 x maternal phase bit + paternal one),
    // then the maternal and the paternal pattern numbers.
    int m_nFirstPhase;
    UINT m_nFirstMaternalPattern;
    UINT m_nFirstPaternalPattern;
    // Sexes of the children that get it: bit 0 female, bit 1 male.
    UINT m_nSexMask;
};

// The outcomes of one linkage slot, computed once and combined with those of
// the other slots: slots are inherited independently, so a child is one
// outcome per slot and its share the product of the outcomes' shares.
class CSlotOutcomes
{
public:
    CSlotOutcomes() : m_nSlot(0), m_dMaxProbability(0.0) {}

    // Enumerates both parents' gametes for the slot and every combination of
    // them; slot 0 is the sex-chromosome slot. Outcomes of a linkage group
    // whose share alone is negligible are left out, since every child that
    // has one is cut off. FALSE when the slot has more than maxOutcomes other
    // outcomes: the mating is then too large to list.
    BOOL Build(CGeneticsSection* section, const CParentAlleles& parents, int slot, int maxOutcomes);

    int GetSlot() const { return m_nSlot; }
    const std::vector<UINT>& GetGenes() const { return m_genes; }
    const CSlotOutcome& GetOutcome(int index) const { return m_outcomes[index]; }
    int GetOutcomeCount() const { return (int)m_outcomes.size(); }

    // The outcomes whose first combination has the given phase index, in the
    // order of their first maternal and paternal patterns.
    const std::vector<int>& GetPhaseGroup(int phase) const { return m_phaseGroups[phase]; }
    double GetPhaseGroupMax(int phase) const { return m_phaseGroupMax[phase]; }
    double GetMaxProbability() const { return m_dMaxProbability; }

private:
    struct Gamete;
    struct Chain
    {
        int m_nFirst;
        int m_nEnd;
        UINT m_nSexLinkage;
    };

    void CollectGenes(CGeneticsSection* section);
    void CollectGametes(CGeneticsSection* section, const CParentAlleles& parents, int parent,
                        std::vector<Gamete>& gametes) const;
    int ChooseTable(const CGeneticsSection* section, int parent, int phase) const;
    void Combine(CGeneticsSection* section, const Gamete& maternal, const Gamete& paternal,
                 std::vector<UINT>& child, int& sex) const;
    void MakeCanonical(const CGeneticsSection* section, std::vector<UINT>& child, int sex) const;
    void GroupByPhase();
    static void MatchGametes(const std::vector<Gamete>& from, const std::vector<Gamete>& to, std::vector<int>& like);

    int m_nSlot;
    std::vector<UINT> m_genes;          // the slot's genes: per table, in chain order
    std::vector<int> m_tableOffsets;    // first position of each table's genes
    std::vector<int> m_tables;          // the tables that serve the slot
    std::vector<Chain> m_chains;
    std::vector<CSlotOutcome> m_outcomes;
    std::vector<int> m_phaseGroups[4];
    double m_phaseGroupMax[4];
    double m_dMaxProbability;
};
