#pragma once

#include "afx/core/AfxCore.h"
#include "genetics/Genotype.h"

class CGeneticsSection;

// One predicted offspring genotype with its share, sex and texts.
class CPredictedOffspring : public CObject
{
public:
    CPredictedOffspring();

    // Genotype merged with the polygenes, sorted.
    void MakeFullGenotype(CGenotype& full) const;
    // The genotype text, without the assumed pairs of the common genes.
    CString Describe(const CDWordArray& commonGenes) const;

    const CString& GetPhenotype() const { return m_strPhenotype; }
    const CString& GetPhenotypeWithCarriedTraits() const { return m_strPhenotypeWithCarriedTraits; }
    CString GetCarriedTraits() const;

    double m_dProbability;
    UINT m_nSex;
    CGenotype m_genotype;   // discrete pairs: allele 1 maternal, allele 2 paternal
    CGenotype m_polygenes;  // the parents' mean polygene values
    CGeneticsSection* m_pGenesSection;
    CGeneticsSection* m_pRulesSection;
    CString m_strRulesSectionName;
    CString m_strPhenotype;
    CString m_strPhenotypeWithCarriedTraits;
    CString m_strCarriedTraits;
    // Set once the texts above were deduced on m_pGenesSection, so that the
    // collation need not deduce them again.
    BOOL m_bTextsDeduced;

private:
    CPredictedOffspring(const CPredictedOffspring&) = delete;
    CPredictedOffspring& operator=(const CPredictedOffspring&) = delete;
};

// The text followed by the female suffix for sex 0, the male one for sex 1.
CString AppendSexSuffix(const CString& text, UINT sex);
