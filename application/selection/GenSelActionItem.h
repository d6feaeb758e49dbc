#pragma once

#include "application/selection/GenSelLabelItem.h"

class CWnd;

// A push button of the selection form that runs actions on the genotype.
class CGenSelActionItem : public CGenSelLabelItem
{
    DECLARE_DYNAMIC(CGenSelActionItem)
public:
    // A push button with the label as its text; covers no genes.
    int AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype& working,
                 CDWordArray& coveredGenes, const CString& groupText) override;
    // The click of the button with that control id in the window: changes the
    // working genotype; conditions test the genotype before the click.
    virtual void DoAction(const CGeneticsSection* genes, CWnd* window, UINT controlId, const CGenotype& before,
                          CGenotype& working) = 0;
};
