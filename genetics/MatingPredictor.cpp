#include "genetics/MatingPredictor.h"

#include <math.h>

#include "genetics/GametePattern.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"
#include "genetics/PhenotypeTextMaker.h"

namespace
{
// Normalised shares are rounded to 40 significant bits (a relative change
// below 5e-13): shares that are equal in exact arithmetic then compare equal
// however they were summed, so the order of equal shares does not depend on
// rounding noise.
double RoundShare(double share)
{
    int exponent = 0;
    const double mantissa = frexp(share, &exponent);
    return ldexp(floor(mantissa * 1099511627776.0 + 0.5) / 1099511627776.0, exponent);
}

UINT SexFromMask(UINT mask)
{
    if (mask == 1)
        return SEX_FEMALE;
    return mask == 2 ? SEX_MALE : SEX_EITHER;
}
}  // namespace

CMatingPredictor::CMatingPredictor(CGeneticsSection* section)
    : m_pSection(section), m_pResult(NULL), m_nGeneCount(section->GetGeneCount()), m_nChildSexMask(3),
      m_bTooMany(FALSE), m_bCutOff(FALSE)
{
}

CString CMatingPredictor::Predict(CMatingResult& result, const CGenotype& maternal, const CGenotype& paternal)
{
    m_pResult = &result;
    // The limits on the offspring and on the report keep a prediction well
    // inside the memory; should it still run out, the prediction fails as
    // any other that cannot be listed, and the program goes on.
    try
    {
        return PredictWithinMemory(maternal, paternal);
    }
    catch (CMemoryException* exception)
    {
        exception->Delete();
        return Abandon("there is not enough memory to predict the mating");
    }
}

CString CMatingPredictor::Abandon(const CString& error)
{
    m_slots.clear();
    m_pResult->RemoveAll();
    m_pResult->m_pGenesSection = m_pSection;
    return error;
}

CString CMatingPredictor::PredictWithinMemory(const CGenotype& maternal, const CGenotype& paternal)
{
    CMatingResult& result = *m_pResult;
    result.RemoveAll();
    result.m_pGenesSection = m_pSection;
    if (m_pSection->m_femaleTables.GetSize() < 2)
    {
        const CString error = m_pSection->BuildLinkageTables();
        if (!error.IsEmpty())
            return error;
    }

    SetParentAlleles(0, maternal);
    SetParentAlleles(1, paternal);
    m_fixedAlleles.assign(m_nGeneCount + 1, 0);
    m_slots.clear();
    const int slotCount = (int)m_pSection->m_femaleTables.GetSize() - 1;
    for (int slot = 0; slot < slotCount; slot++)
    {
        if (slot > 0 && IsSlotFixed(slot))
            continue;
        m_slots.emplace_back();
        if (!m_slots.back().Build(m_pSection, m_parents, slot, MAX_PREDICTED_OFFSPRING))
            return TooManyOffspring();
    }
    AveragePolygenes(maternal, paternal);

    for (int chromosome = 0; chromosome < 2; chromosome++)
    {
        m_childAlleles[chromosome].assign(m_nGeneCount + 1, ALLELE_UNKNOWN);
        for (UINT gene = 1; gene <= m_nGeneCount; gene++)
        {
            if (m_fixedAlleles[gene] != 0)
                m_childAlleles[chromosome][gene] = m_fixedAlleles[gene];
        }
    }
    const int levels = (int)m_slots.size();
    m_maxRemaining.assign(levels + 1, 1.0);
    for (int level = levels - 1; level >= 0; level--)
        m_maxRemaining[level] = m_slots[level].GetMaxProbability() * m_maxRemaining[level + 1];
    m_chosenPhases.assign(levels, 0);
    m_chosenGroupMax.assign(levels + 1, 1.0);
    m_bTooMany = FALSE;
    m_bCutOff = FALSE;

    ChoosePhases(0, 1.0);
    if (m_bTooMany)
        return TooManyOffspring();
    // With enough segregating genes every child falls under the cut-off; an
    // empty list would then pass for a valid answer. When the slots allow
    // more children than can be listed, say so instead.
    if (m_bCutOff && m_pResult->GetOffspringCount() == 0 && CountPotentialOffspring() > MAX_PREDICTED_OFFSPRING)
        return TooManyOffspring();
    return Complete();
}

// The distinct children the slots can combine into: each slot's outcomes are
// independent of the others'.
double CMatingPredictor::CountPotentialOffspring() const
{
    double count = 1.0;
    for (const CSlotOutcomes& slot : m_slots)
        count *= slot.GetOutcomeCount();
    return count;
}

CString CMatingPredictor::TooManyOffspring()
{
    CString error;
    error.Format("the mating has more than %d potential genotypes, too many to list", MAX_PREDICTED_OFFSPRING);
    return Abandon(error);
}

void CMatingPredictor::SetParentAlleles(int parent, const CGenotype& genotype)
{
    for (int chromosome = 0; chromosome < 2; chromosome++)
    {
        std::vector<UINT>& alleles = m_parents.m_alleles[parent][chromosome];
        alleles.assign(m_nGeneCount + 1, ALLELE_NONE);
        for (UINT gene = 1; gene <= m_nGeneCount; gene++)
        {
            if (!m_pSection->GetGeneDef(gene)->IsPolygene())
                alleles[gene] = m_pSection->CanCarryAllele(gene, parent, chromosome) ? ALLELE_UNKNOWN : ALLELE_NONE;
        }
    }
    const CAllelePair* pairs = genotype.GetPairs();
    for (int i = 0; i < genotype.GetCount(); i++)
    {
        const CAllelePair& pair = pairs[i];
        if (pair.IsPolygene() || pair.m_nGene == 0 || pair.m_nGene > m_nGeneCount)
            continue;
        m_parents.m_alleles[parent][0][pair.m_nGene] = pair.m_nAllele1;
        m_parents.m_alleles[parent][1][pair.m_nGene] = pair.m_nAllele2;
    }
}

// A slot is fixed when both parents hold one and the same code on every
// chromosome for every gene of its group: it has a single outcome.
BOOL CMatingPredictor::IsSlotFixed(int slot)
{
    const COwningObArray* table = (const COwningObArray*)m_pSection->m_femaleTables.GetAt(slot + 1);
    const CGametePattern* first = (const CGametePattern*)table->GetAt(0);
    for (int j = 0; j < first->GetGeneCount(); j++)
    {
        const UINT gene = (UINT)abs(first->GetEntry(j));
        const UINT code = m_parents.m_alleles[0][0][gene];
        if (m_parents.m_alleles[0][1][gene] != code || m_parents.m_alleles[1][0][gene] != code ||
            m_parents.m_alleles[1][1][gene] != code)
            return FALSE;
    }
    for (int j = 0; j < first->GetGeneCount(); j++)
    {
        const UINT gene = (UINT)abs(first->GetEntry(j));
        m_fixedAlleles[gene] = m_parents.m_alleles[0][0][gene];
    }
    return TRUE;
}

// A polygene that both parents give is given the mean of their values (a
// range counting as its midpoint); one that only one parent gives is dropped.
void CMatingPredictor::AveragePolygenes(const CGenotype& maternal, const CGenotype& paternal)
{
    m_polygenes.RemoveAll();
    const CAllelePair* pairs = paternal.GetPairs();
    for (int i = 0; i < paternal.GetCount(); i++)
    {
        const CAllelePair& father = pairs[i];
        if (!father.IsPolygene())
            continue;
        const CAllelePair* mother = maternal.FindPair(father.m_nGene);
        if (mother == NULL)
            continue;
        const CGeneDef* def = father.m_nGene <= m_nGeneCount ? m_pSection->GetGeneDef(father.m_nGene) : NULL;
        CAllelePair mean;
        mean.m_nGene = father.m_nGene;
        mean.m_nFlags = ((UINT)(def != NULL ? def->m_nPlaces : 0) << PAIR_PLACES_SHIFT) | PAIR_PARSED | PAIR_POLY_VALUE;
        mean.m_dValue = (father.GetMidpoint() + mother->GetMidpoint()) / 2.0;
        m_polygenes.AddPair(mean);
    }
}

void CMatingPredictor::ChoosePhases(int level, double bound)
{
    const int levels = (int)m_slots.size();
    if (level == levels)
    {
        for (int k = levels - 1; k >= 0; k--)
            m_chosenGroupMax[k] = m_slots[k].GetPhaseGroupMax(m_chosenPhases[k]) * m_chosenGroupMax[k + 1];
        ChooseOutcomes(0, 1.0);
        return;
    }
    const CSlotOutcomes& slot = m_slots[level];
    for (int phase = 0; phase < 4 && !m_bTooMany; phase++)
    {
        if (slot.GetPhaseGroup(phase).empty())
            continue;
        const double groupBound = bound * slot.GetPhaseGroupMax(phase);
        if (IsNegligibleBound(groupBound * m_maxRemaining[level + 1]))
        {
            m_bCutOff = TRUE;
            continue;
        }
        m_chosenPhases[level] = phase;
        ChoosePhases(level + 1, groupBound);
    }
}

void CMatingPredictor::ChooseOutcomes(int level, double share)
{
    const int levels = (int)m_slots.size();
    if (level == levels)
    {
        AddOffspring(share);
        return;
    }
    const CSlotOutcomes& slot = m_slots[level];
    const std::vector<UINT>& genes = slot.GetGenes();
    for (int index : slot.GetPhaseGroup(m_chosenPhases[level]))
    {
        if (m_bTooMany)
            return;
        const CSlotOutcome& outcome = slot.GetOutcome(index);
        const double outcomeShare = share * outcome.m_dProbability;
        if (IsNegligibleBound(outcomeShare * m_chosenGroupMax[level + 1]))
        {
            m_bCutOff = TRUE;
            continue;
        }
        for (size_t i = 0; i < genes.size(); i++)
        {
            m_childAlleles[0][genes[i]] = outcome.m_alleles[2 * i];
            m_childAlleles[1][genes[i]] = outcome.m_alleles[2 * i + 1];
        }
        if (slot.GetSlot() == 0)
            m_nChildSexMask = outcome.m_nSexMask;
        ChooseOutcomes(level + 1, outcomeShare);
    }
}

void CMatingPredictor::AddOffspring(double share)
{
    if (!(share > NEGLIGIBLE_SHARE))
    {
        m_bCutOff = TRUE;
        return;
    }
    CGenotype genotype;
    for (UINT gene = 1; gene <= m_nGeneCount; gene++)
    {
        const UINT maternal = m_childAlleles[0][gene];
        const UINT paternal = m_childAlleles[1][gene];
        if (!IsRealAllele(maternal) && !IsRealAllele(paternal))
            continue;
        if (m_pSection->GetGeneDef(gene)->IsPolygene())
            continue;
        CAllelePair pair;
        pair.m_nGene = gene;
        pair.m_nAllele1 = maternal;
        pair.m_nAllele2 = paternal;
        pair.m_nFlags = PAIR_PARSED;
        genotype.AddPair(pair);
    }
    if (m_pSection->IsLethal(genotype))
        return;
    if (m_pResult->GetOffspringCount() >= MAX_PREDICTED_OFFSPRING)
    {
        m_bTooMany = TRUE;
        return;
    }
    CPredictedOffspring* offspring = new CPredictedOffspring;
    offspring->m_dProbability = share;
    offspring->m_nSex = SexFromMask(m_nChildSexMask);
    offspring->m_genotype.Copy(genotype);
    offspring->m_polygenes.Copy(m_polygenes);
    offspring->m_pGenesSection = m_pSection;
    m_pResult->AddOffspring(offspring);
}

CString CMatingPredictor::Complete()
{
    CMatingResult& result = *m_pResult;
    double sum = 0.0;
    for (int i = 0; i < result.GetOffspringCount(); i++)
        sum += result.GetOffspring(i)->m_dProbability;
    if (sum > 5e-8)
    {
        for (int i = 0; i < result.GetOffspringCount(); i++)
            result.GetOffspring(i)->m_dProbability = RoundShare(result.GetOffspring(i)->m_dProbability / sum);
    }

    // Each offspring's line in the report holds its phenotype with carried
    // traits: once those alone pass the report's limit, the texts of the
    // offspring still to come need not be made at all.
    const unsigned long long lineOverhead = 16;  // share, separators and line end
    unsigned long long reportLength = 0;
    CString firstRulesSection;
    CGenotype full;
    CPhenotypeTexts texts;
    CPhenotypeTextMaker maker;
    for (int i = 0; i < result.GetOffspringCount(); i++)
    {
        CPredictedOffspring* offspring = result.GetOffspring(i);
        offspring->MakeFullGenotype(full);
        maker.Deduce(m_pSection, full, texts);
        reportLength += texts.m_strPhenotypeWithCarriedTraits.GetLength() + lineOverhead;
        if (reportLength > result.m_nMaxReportLength)
            return Abandon(result.TooLongReport());
        offspring->m_strRulesSectionName = texts.m_strRulesSectionName;
        offspring->m_pRulesSection =
            m_pSection->m_pConfig != NULL ? m_pSection->m_pConfig->FindSection(texts.m_strRulesSectionName) : NULL;
        offspring->m_strPhenotype = texts.m_strPhenotype;
        offspring->m_strPhenotypeWithCarriedTraits = texts.m_strPhenotypeWithCarriedTraits;
        offspring->m_strCarriedTraits = texts.m_strCarriedTraits;
        offspring->m_bTextsDeduced = TRUE;
        if (texts.m_strRulesSectionName.IsEmpty())
            continue;
        if (firstRulesSection.IsEmpty())
            firstRulesSection = texts.m_strRulesSectionName;
        else if (texts.m_strRulesSectionName != firstRulesSection)
            result.m_bRulesSectionsDiffer = 1;
    }
    result.CollateTexts();
    result.SortByShare();
    return CString();
}
