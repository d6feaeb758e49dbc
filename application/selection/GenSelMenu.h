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
    // Pops up the lists' names beside the button and runs the one chosen.
    void DoAction(const CGeneticsSection* genes, CWnd* window, UINT controlId, const CGenotype& before,
                  CGenotype& working) override;
    // The chosen command's list; null for no choice or an id out of range.
    const CGenSelActionList* FindList(UINT command) const;

    std::vector<CGenSelActionList> m_lists;
};
