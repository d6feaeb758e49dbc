#pragma once

#include "afx/core/AfxCore.h"

class CGeneticsSection;
class CGenotype;

// The three texts that deduction gives for one genotype, with the name of the
// section whose rules produced them.
struct CPhenotypeTexts
{
    CString m_strRulesSectionName;
    CString m_strPhenotype;
    CString m_strPhenotypeWithCarriedTraits;
    CString m_strCarriedTraits;
};

// Deduces all three texts at once, collecting the phenotype words and the
// carried traits only once (the same texts as DeducePhenotype modes 0, 1, 2).
void DeduceAllPhenotypeTexts(CGeneticsSection* section, const CGenotype& genotype, CPhenotypeTexts& texts);

// Joins a phenotype and carried traits as deduction mode 1 does, with the
// connecting words in the user's terminology.
CString CombinePhenotypeTexts(const CString& phenotype, const CString& carriedTraits);

// The words of a rule's argument: split at blanks with bracketed groups kept
// whole, empty words and "NUL" dropped.
void SplitRuleWords(const CString& text, CStringArray& words);
