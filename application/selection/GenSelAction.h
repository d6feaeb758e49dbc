#pragma once

#include "application/selection/GenSelActionElement.h"

#include <memory>
#include <vector>

class CExprNode;

// Elements applied together, optionally only when a condition on the genotype
// as it was before the click holds.
class CGenSelAction
{
public:
    CGenSelAction();
    CGenSelAction(const CGenSelAction& other);
    CGenSelAction& operator=(const CGenSelAction& other);
    ~CGenSelAction();

    CString Parse(const CGeneticsSection* section, const CString& text);
    void Run(const CGeneticsSection* section, const CGenotype& before, CGenotype& working) const;

    std::vector<CGenSelActionElement> m_elements;
    std::unique_ptr<CExprNode> m_pCondition; // a CGeneticsExprNode tree
};
