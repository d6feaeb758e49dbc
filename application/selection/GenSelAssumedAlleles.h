#pragma once

#include "application/selection/GenSelItem.h"

// Places the form's display field of the assumed alleles among the other fields.
class CGenSelAssumedAlleles : public CGenSelItem
{
    DECLARE_DYNAMIC(CGenSelAssumedAlleles)
public:
    CMyCmdTarget* Clone() const override;
    int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                 CDWordArray& coveredGenes, const CString& groupText) override;
};
