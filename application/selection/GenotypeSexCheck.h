#pragma once
// Whether a parent of the given sex may hold a genotype: the error that the
// parent's genotype box would give for it.
#include "afx/core/AfxCore.h"

class CGeneticsSection;
class CGenotype;

// Empty when the genotype, written as the program writes it into a parent's
// box, reads back for the sex (always for SEX_EITHER).
CString GenotypeErrorForSex(const CGeneticsSection* rules, const CGenotype& genotype, int sex);
