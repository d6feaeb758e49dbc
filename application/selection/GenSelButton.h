#pragma once

#include "application/selection/GenSelActionItem.h"
#include "application/selection/GenSelActionList.h"

// A button that runs one action list ("onclick").
class CGenSelButton : public CGenSelActionItem
{
    DECLARE_DYNAMIC(CGenSelButton)
public:
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;
    void DoAction(const CGeneticsSection* genes, CWnd* window, UINT controlId, const CGenotype& before,
                  CGenotype& working) override;

    CGenSelActionList m_actions;
};
