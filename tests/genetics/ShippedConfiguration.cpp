#include "ShippedConfiguration.h"

CShippedConfiguration::CShippedConfiguration(const char* name)
{
    EXPECT_TEXT(LoadShippedConfiguration(m_config, name), "") << name;
    m_pRules = m_config.FindFirstRulesSection();
    m_pGenes = m_pRules != NULL ? m_pRules->GetGenesSection() : NULL;
}

CGenotype CShippedConfiguration::Parent(const char* text, int sex) const
{
    CGenotype genotype;
    if (*text != 0)
        genotype = ParseGenotype(m_pGenes, text, sex);
    m_pRules->AddAssumedAlleles(genotype, sex);
    return genotype;
}

CString CShippedConfiguration::Phenotype(const char* text, int sex, int mode) const
{
    return m_pGenes->DeducePhenotype(Parent(text, sex), mode);
}

void CShippedConfiguration::Predict(CMatingResult& result, const char* mother, const char* father) const
{
    EXPECT_TEXT(m_pGenes->PredictMating(result, Parent(mother, SEX_FEMALE), Parent(father, SEX_MALE)), "");
}
