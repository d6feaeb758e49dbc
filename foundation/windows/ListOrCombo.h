#pragma once

#include "afx/AfxWin.h"
#include "afx/DWordArray.h"
#include "afx/StringArray.h"

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

    int GetCount() const;
    CString GetText(int index) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(int index);
    void SetRedraw(BOOL redraw);

    // Moves the item (text and data) by delta places and selects it when
    // asked; returns its new index. A move past either end is refused (-1)
    // and leaves every item where it was.
    int MoveItem(int index, int delta, BOOL reselect);

    // Fills the list with the texts (item data from the array when given,
    // else the index), measuring them in the font when given; keeps the
    // selected index where the list is long enough. On a failure the list
    // is left empty and FALSE returned; redraw, the device context and its
    // font are given back on every way out.
    BOOL Fill(const CStringArray& texts, const CDWordArray* data = NULL, CFont* font = NULL);

    // List box: tab stops that let each tab-separated column of the items
    // stand clear of the next. Does nothing for a combo box.
    void SetTabStopsToFit();

    CListBox* m_pListBox;
    CComboBox* m_pComboBox;

private:
    HWND Window() const;
};
