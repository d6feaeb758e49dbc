#pragma once

#include "application/selection/GenSelActionItem.h"
#include "application/selection/GenSelActionList.h"

// Style bit of a menu button field.
const DWORD GENSEL_STYLE_MENU_BUTTON = 0x200000;

// A menu button that offers named action lists ("items").
class CGenSelMenu : public CGenSelActionItem
{
    DECLARE_DYNAMIC(CGenSelMenu)
public:
    CMyCmdTarget* Clone() const override;
    void ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options) override;

    std::vector<CGenSelActionList> m_lists;
};
