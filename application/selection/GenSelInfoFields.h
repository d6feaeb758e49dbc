#pragma once
// The three information fields of a genotype selection form.
#include "afx/core/AfxCore.h"

class CFieldList;

enum GenSelInfoField
{
    INFO_GENOTYPE,
    INFO_ASSUMED_ALLELES,
    INFO_PHENOTYPE
};

// Adds the read-only field that shows the specified genotype, the assumed
// alleles or the computed phenotype; its index.
int AddGenSelInfoField(CFieldList& list, GenSelInfoField which, DWORD style, const CString& groupText);
