#pragma once

#include "application/selection/Field.h"

// A label and a combo box (editable or a drop-down list) with an optional
// other-value edit, or a group of radio buttons.
class CChoiceField : public CField
{
    DECLARE_DYNAMIC(CChoiceField)
public:
    CChoiceField();
    BOOL Create(CFieldList& list, HWND& previous) override;
    void DestroyWindows() override;
    void SetFocus() override;
    void Exchange(CDataExchange* pDX) override;
    BOOL IsChange(UINT code, UINT id) override;
    void OnCommand(UINT id, UINT code) override;
    BOOL IsMainWindow(HWND window) const override;

    BOOL IsRadio() const { return (m_style & FS_CHOICE_RADIO) != 0; }
    BOOL IsDropList() const { return (m_style & FS_DROP_LIST) != 0; }
    BOOL IsOtherSelected() const;
    // Shows the value: the matching item (item 0, or the "other" item with
    // the value in its edit, when none matches).
    void SelectText(const CString& text);
    // Shows the item by its index, which tells apart items of equal texts;
    // the "other" item shows the other text in its edit; -1 shows none.
    void SelectItem(int item, const CString& otherText);
    // The index of the shown item; -1 when none.
    int GetSelectedIndex() const;
    CString GetText() const;

    CStringArray m_items;
    CStringArray m_values;
    CString m_text;
    int m_nWidthChars;
    UINT m_nComboId;
    UINT m_nFirstRadioId;
    CComboBox m_combo;
    int m_nSelected;
    BOOL m_bHasLabelWindow;
    CStringArray m_otherTexts;
    BOOL m_bOtherValue;
    int m_nOtherWidthChars;
    UINT m_nOtherEditId;
    CString m_otherHelp;

private:
    int FindValue(const CString& text) const;
    int GetSelectedItem() const; // the item index of the combo's selection, -1 when none
    HWND OtherEdit() const;
    void ShowSelection(int index, const CString& otherText);
    HWND m_firstRadio = NULL;
};
