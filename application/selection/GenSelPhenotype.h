#pragma once

#include "application/selection/GenSelItem.h"

// Places the form's display field of the phenotype among the other fields.
class CGenSelPhenotype : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelPhenotype)
public:
    CMyCmdTarget* Clone() const override;
    int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                 CDWordArray& coveredGenes, const CString& groupText) override;
};
