#pragma once

#include <vector>

#include "afx/core/AfxCore.h"
#include "genetics/Genotype.h"
#include "genetics/SlotOutcomes.h"

class CGeneticsSection;
class CMatingResult;

// Offspring whose share is at most 5e-8 are left out of a prediction. Shares
// summed in different orders differ in their last bits, so a share equal to
// the cut-off up to rounding counts as equal to it and is left out too.
const double NEGLIGIBLE_SHARE = 5e-8 * (1.0 + 1e-9);

// TRUE when no offspring whose share is at most the bound can stay. Bounds are
// products taken in another order than the shares themselves; the slack keeps
// rounding from cutting off an offspring whose share lies just above the cut-off.
inline BOOL IsNegligibleBound(double bound)
{
    return bound * (1.0 + 1e-9) <= NEGLIGIBLE_SHARE;
}

// A mating with more distinct offspring than this is refused rather than
// listed. No gene gives more than four distinct pairs, so so many genotypes
// need at least nine segregating genes, and the report would hold more than
// 100000 genotype lines of at least nine pairs each: megabytes of text that
// nobody can read, and a result whose offspring and lists would take hundreds
// of megabytes of a 32-bit address space. Ten genes heterozygous in both
// parents (59049 genotypes) are still listed; eleven (177147) are refused.
const int MAX_PREDICTED_OFFSPRING = 100000;

// Predicts the offspring of a mating in time proportional to the number of
// distinct offspring. Each linkage slot's outcomes are worked out once
// (CSlotOutcomes); the offspring are the combinations of one outcome per slot,
// produced in the order in which a full enumeration of every gamete
// combination would first meet them: that enumeration runs through the phase
// bits of every slot before the patterns of any slot, so the combinations are
// walked with all phase groups chosen first and the outcomes within them after.
class CMatingPredictor
{
public:
    explicit CMatingPredictor(CGeneticsSection* section);

    CString Predict(CMatingResult& result, const CGenotype& maternal, const CGenotype& paternal);

private:
    void SetParentAlleles(int parent, const CGenotype& genotype);
    BOOL IsSlotFixed(int slot);
    void AveragePolygenes(const CGenotype& maternal, const CGenotype& paternal);
    void ChoosePhases(int level, double bound);
    void ChooseOutcomes(int level, double share);
    void AddOffspring(double share);
    CString PredictWithinMemory(const CGenotype& maternal, const CGenotype& paternal);
    CString Complete();
    CString TooManyOffspring();
    // Empties the result and gives the error.
    CString Abandon(const CString& error);
    double CountPotentialOffspring() const;

    CGeneticsSection* m_pSection;
    CMatingResult* m_pResult;
    UINT m_nGeneCount;
    CParentAlleles m_parents;
    std::vector<UINT> m_fixedAlleles;           // per gene, 0 unless its slot is fixed
    std::vector<CSlotOutcomes> m_slots;         // slot 0 and every slot that is not fixed
    std::vector<double> m_maxRemaining;         // product of the slots' maxima from a level on
    std::vector<int> m_chosenPhases;
    std::vector<double> m_chosenGroupMax;
    std::vector<UINT> m_childAlleles[2];        // per gene
    CGenotype m_polygenes;
    UINT m_nChildSexMask;
    BOOL m_bTooMany;
    BOOL m_bCutOff;      // some child was left out as negligible
};
