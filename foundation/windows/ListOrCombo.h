#pragma once

#include "afx/AfxWin.h"

// One set of list operations over either a list box or a combo box; the list
// box is used when it is set.
class CListOrCombo
{
public:
    explicit CListOrCombo(CListBox* listBox) : m_pListBox(listBox), m_pComboBox(NULL) {}
    explicit CListOrCombo(CComboBox* comboBox) : m_pListBox(NULL), m_pComboBox(comboBox) {}

    BOOL IsMultiSelect() const;
    int GetCurSel() const;
    int SetCurSel(int index);

    // Multi-selection list: selects the item (-1 selects every item). Else
    // makes it the current selection, and does nothing for -1.
    int SelectItem(int index);

    CListBox* m_pListBox;
    CComboBox* m_pComboBox;

private:
    HWND Window() const;
};
