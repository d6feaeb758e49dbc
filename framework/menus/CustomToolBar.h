#pragma once
// A toolbar whose buttons the user may arrange in the platform's customise
// dialog: it knows its full button set, hides chosen commands on a reset,
// names its buttons by the commands' menu texts, and keeps its arrangement
// in the registry when it is destroyed.
#include "afx/windows/ToolBar.h"

#include <vector>

class CCustomToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CCustomToolBar)

public:
    CCustomToolBar() {}

    // The buttons a reset brings back and the user may choose from.
    void SetFullButtonSet(const TBBUTTON* buttons, int count);
    // Commands whose buttons a reset leaves out.
    void SetHiddenCommands(const UINT* commands, int count);
    // Where the arrangement is saved: no sub-key, no saving.
    void SetStatePlace(HKEY key, LPCTSTR subKey, LPCTSTR valueName);
    // Takes out separators that stand first or right after another separator.
    void RemoveRedundantSeparators();

protected:
    afx_msg void OnGetButtonInfo(NMHDR* notify, LRESULT* result);
    afx_msg void OnQueryInsertOrDelete(NMHDR* notify, LRESULT* result);
    afx_msg void OnReset(NMHDR* notify, LRESULT* result);
    afx_msg void OnEndAdjust(NMHDR* notify, LRESULT* result);
    afx_msg void OnToolBarChange(NMHDR* notify, LRESULT* result);
    afx_msg void OnNothing(NMHDR* notify, LRESULT* result);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Lays the frame out again and repaints the resized toolbar.
    void Relayout();

    std::vector<TBBUTTON> m_fullSet;
    std::vector<UINT> m_hidden;
    HKEY m_stateKey = HKEY_CURRENT_USER;
    CString m_subKey;
    CString m_valueName;
};
