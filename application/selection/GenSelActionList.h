#pragma once

#include "application/selection/GenSelAction.h"

// The actions that a button or a menu item runs, in text order.
class CGenSelActionList
{
public:
    // A named list (a menu item) is written as its name, a colon and the actions.
    CString Parse(const CGeneticsSection* section, const CString& text, BOOL named);
    void Run(const CGeneticsSection* section, const CGenotype& before, CGenotype& working) const;

    std::vector<CGenSelAction> m_actions;
    CString m_strName;
};
