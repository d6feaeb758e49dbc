#include "genetics/PredictedOffspring.h"

#include "foundation/terminology/TokenExpander.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"

CPredictedOffspring::CPredictedOffspring()
    : m_dProbability(0.0), m_nSex(SEX_EITHER), m_pGenesSection(NULL), m_pRulesSection(NULL),
      m_bTextsDeduced(FALSE)
{
}

void CPredictedOffspring::MakeFullGenotype(CGenotype& full) const
{
    full.Copy(m_genotype);
    full.Merge(m_polygenes);
    full.Sort();
}

CString CPredictedOffspring::Describe(const CDWordArray& commonGenes) const
{
    CGenotype full;
    MakeFullGenotype(full);
    const int pairCount = full.GetCount();
    if (m_pRulesSection != NULL)
    {
        // Only the pairs of the common genes are offered for removal: the
        // removal also runs through the base sections, without the filter,
        // and would otherwise hide assumed pairs that only some offspring have.
        CGenotype common;
        for (int i = 0; i < commonGenes.GetSize(); i++)
        {
            const CAllelePair* pair = full.FindPair(commonGenes[i]);
            if (pair == NULL)
                continue;
            common.AddPair(*pair);
            full.RemoveGene(commonGenes[i]);
        }
        m_pRulesSection->RemoveAssumedAlleles(common, (int)m_nSex, NULL, &commonGenes);
        full.Merge(common);
        full.Sort();
    }
    CString text = full.Format(m_pGenesSection, 0);
    if (text.IsEmpty())
        ExpandTokens(pairCount == 0 ? "~Unknown~ ~genotype~" : "[~Default~]", text);
    return text;
}

CString CPredictedOffspring::GetCarriedTraits() const
{
    if (!m_strCarriedTraits.IsEmpty())
        return m_strCarriedTraits;
    CString none;
    ExpandTokens("~None~", none);
    return none;
}

CString AppendSexSuffix(const CString& text, UINT sex)
{
    if (sex == (UINT)SEX_FEMALE)
        return text + FemaleLetterSuffix;
    if (sex == (UINT)SEX_MALE)
        return text + MaleLetterSuffix;
    return text;
}
