#pragma once

#include "GeneticsTestSupport.h"
#include "genetics/MatingResult.h"

// Checks that two results agree: the offspring in the same order with the
// same sexes, genotypes, polygenes, texts and shares (to 1e-12), the same
// three lists in the same order and the same report lines.
void ExpectSameResults(const CMatingResult& fast, const CMatingResult& oracle);

// Predicts with the product and with the oracle and checks that they agree.
void ExpectPredictionsAgree(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father);

// The share of the offspring whose genotype, formatted with FORMAT_SHOW_NONE,
// is the given text, or -1 when there is none.
double OffspringShare(const CMatingResult& result, const char* genotype);
// The offspring whose formatted genotype is the given text, or NULL.
const CPredictedOffspring* FindPredicted(const CMatingResult& result, const char* genotype);
// The share of the item of a list with exactly this text, or -1.
double ItemShare(const CMatingResult& result, int list, const char* text);
// A genotype text of the result's offspring, in list order, for messages.
CString DescribeOffspring(const CMatingResult& result);

// The summed share of all offspring.
double TotalShare(const CMatingResult& result);

// A genes section of genes G0, G1, ... with the alleles Pi and qi; the
// genotype heterozygous in all of them in heterozygous.
CString ManyHeterozygousGenes(int count, CString& heterozygous);
