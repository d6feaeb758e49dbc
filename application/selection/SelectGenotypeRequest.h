#pragma once
// What a Select... button hands to the genotype selection window: the parent,
// the configuration's sections and the genotype, which comes back only when
// the user confirms it.
#include "genetics/Genotype.h"

class CGeneticsSection;
class CWnd;

class CSelectGenotypeRequest
{
public:
    CSelectGenotypeRequest(int sex, CGeneticsSection* rules, CGeneticsSection* genes, CWnd* owner);

    // The groups (pages) of the selection elements that apply to the sex:
    // elements before the first tab belong to "General".
    CStringArray& CountGroups(CStringArray& groups) const;
    // 1 when the user confirmed a genotype (now in m_genotype), else 0.
    int Run();

    int m_nSex;
    CGeneticsSection* m_pRules;
    CGeneticsSection* m_pGenes;
    CGenotype m_genotype;
    CString m_title;
    CWnd* m_pOwner;
};
