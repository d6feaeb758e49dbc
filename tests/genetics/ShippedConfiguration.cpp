#include "ShippedConfiguration.h"

#include "genetics/ConfigurationFile.h"

namespace
{
const char* const kConfigFolder = KESTROVA_SOURCE_DIR "/configurations/";
}

std::vector<CString> ShippedConfigurations()
{
    std::vector<CString> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(CString(kConfigFolder) + "*.txt", &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

CString LoadShippedConfiguration(CGeneticsConfig& config, const char* name)
{
    EnsureDefaultTerms();
    RefreshSexLetterTexts();
    CStringArray lines;
    const CString error = ReadConfigurationFile(CString(kConfigFolder) + name, lines);
    return error.IsEmpty() ? config.Read(lines) : error;
}

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
