#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "afx/core/AfxCore.h"
#include "genetics/PhenotypeTexts.h"

// Deduces the texts of many genotypes, as a prediction does for each of its
// offspring. Each text is written into one reused work buffer and kept only
// once: offspring with equal texts share one string, and no text is built
// piece by piece on the heap. The connecting words are expanded once, so the
// maker serves one run of deductions under one terminology.
class CPhenotypeTextMaker
{
public:
    CPhenotypeTextMaker();

    // The same texts as DeduceAllPhenotypeTexts.
    void Deduce(CGeneticsSection* section, const CGenotype& genotype, CPhenotypeTexts& texts);

private:
    void Join(const CStringArray& parts, const CString& separator);
    const CString& Keep();

    CString m_strCarrying;  // " carrying ", between phenotype and carried traits
    CString m_strCarries;   // "carries ", before carried traits without a phenotype
    CString m_strPlus;
    CString m_strBlank;
    CStringArray m_words;
    CStringArray m_traits;
    std::string m_work;
    // Each kept text under a key that views its own characters.
    std::unordered_map<std::string_view, CString> m_kept;
};
