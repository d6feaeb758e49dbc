#pragma once

#include "afx/core/AfxCore.h"

// A configuration of genes G0.. with the alleles Pi and qi whose texts are
// long: both states of each gene say sayWords words and its carried trait
// carriedWords words, through the rules section "Traits". Answers the genotype
// heterozygous in every gene. (The prediction benchmark uses it too.)
CString LongTextGenesText(int genes, int sayWords, int carriedWords, CString& heterozygous);
