#pragma once

#include "application/GenSelActionItem.h"
#include "application/GenSelActionList.h"

// A button that runs one action list ("onclick").
class CGenSelButton : public CGenSelActionItem
{
    DECLARE_DYNAMIC(CGenSelButton)
public:
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;

    CGenSelActionList m_actions;
};
