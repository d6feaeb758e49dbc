#pragma once

#include "application/selection/GenSelItem.h"

// Places the form's display field of the genotype among the other fields.
class CGenSelGenotype : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelGenotype)
public:
    CMyCmdTarget* Clone() const override;
    int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                 CDWordArray& coveredGenes, const CString& groupText) override;
};
