#pragma once

#include "genetics/GeneticsSection.h"
#include "genetics/MatingResult.h"

// The mating prediction as the straightforward enumeration of every gamete
// combination, leaf by leaf, with the linear search of the offspring list at
// every leaf. It is far too slow for the product beyond six segregating
// genes, but it is the reference that the fast prediction must reproduce
// exactly: same offspring in the same order, same sexes, shares, texts and
// lists. It carries the two corrections of the product: linked pairs are put
// into canonical order chain by chain, and the cut-off of negligible shares
// follows the merge of equal genotypes.
CString OraclePredictMating(CGeneticsSection& section, CMatingResult& result, const CGenotype& maternal,
                            const CGenotype& paternal);

// The result collation done the plain quadratic way, for checking the
// product's hashed collation.
void OracleCollateTexts(CMatingResult& result);
void OracleCollate(const CMatingResult& result, CStringArray& lines);
