#include "application/selection/ChoiceField.h"

#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "foundation/text/StringLists.h"
#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/WindowGeometry.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CChoiceField, CField)

CChoiceField::CChoiceField()
    : CField(KIND_CHOICE), m_nWidthChars(0), m_nComboId(0), m_nFirstRadioId(0), m_nSelected(-1),
      m_bHasLabelWindow(FALSE), m_bOtherValue(FALSE), m_nOtherWidthChars(5), m_nOtherEditId(0)
{
}

int CChoiceField::FindValue(const CString& text) const
{
    return FindStringInArray(m_values, text, FALSE);
}

HWND CChoiceField::OtherEdit() const
{
    return m_bOtherValue && m_nOtherEditId != 0 ? ::GetDlgItem(::GetParent(m_windows[0]), m_nOtherEditId) : NULL;
}

BOOL CChoiceField::Create(CFieldList& list, HWND& previous)
{
    const TEXTMETRIC& metrics = list.GetTextMetrics();
    if (IsRadio())
    {
        m_bHasLabelWindow = !m_label.IsEmpty();
        m_firstRadio = CreateRadioGroup(list, previous, m_items.GetData(), (int)m_items.GetSize());
        if (m_firstRadio == NULL)
            return FALSE;
        m_nFirstRadioId = ::GetDlgCtrlID(m_firstRadio);
        return TRUE;
    }

    if (!CreateLabel(list, previous))
        return FALSE;
    static const UINT prototypes[4] = {IDC_FIELD_COMBO, IDC_FIELD_DROPLIST, IDC_FIELD_COMBO_SORTED,
                                       IDC_FIELD_DROPLIST_SORTED};
    const UINT prototype = prototypes[(m_style & (FS_DROP_LIST | FS_SORTED)) >> 17];
    const CSize size = list.GetPrototypeSize(prototype);
    int width;
    if (m_nWidthChars > 0)
        width = size.cx + (std::max(m_nWidthChars, 4) - 4) * metrics.tmAveCharWidth;
    else
    {
        int widest = 0;
        for (int i = 0; i < m_items.GetSize(); i++)
            widest = std::max(widest, (int)list.GetTextExtent(m_items[i]).cx);
        width = size.cx + widest - 4 * metrics.tmAveCharWidth;
    }
    HWND combo = AddWindow(list, prototype, 0, previous, m_nLabelWidth, m_nControlTop, width, size.cy);
    if (combo == NULL)
        return FALSE;
    m_nComboId = ::GetDlgCtrlID(combo);
    m_combo.SubclassWindow(combo);
    // A sorted list may put the items in another order: each remembers its index.
    for (int i = 0; i < m_items.GetSize(); i++)
        m_combo.SetItemData(m_combo.AddString(m_items[i]), (DWORD_PTR)i);
    if (!m_bOtherValue)
        return TRUE;
    CRect comboRect;
    m_combo.GetWindowRect(&comboRect);
    const CSize editSize = list.GetPrototypeSize(IDC_FIELD_EDIT);
    DWORD extra = 0;
    if (m_style & FS_NUMBER)
        extra |= ES_NUMBER;
    if (m_style & FS_READ_ONLY)
        extra |= ES_READONLY;
    HWND edit = AddWindow(list, IDC_FIELD_EDIT, extra, previous, m_nLabelWidth + width + editSize.cy / 2, m_nControlTop,
                          editSize.cx + (m_nOtherWidthChars - 4) * metrics.tmAveCharWidth, editSize.cy);
    if (edit == NULL)
        return FALSE;
    m_nOtherEditId = ::GetDlgCtrlID(edit);
    return TRUE;
}

void CChoiceField::DestroyWindows()
{
    if (m_combo.m_hWnd != NULL)
        m_combo.UnsubclassWindow();
    m_firstRadio = NULL;
    CField::DestroyWindows();
}

void CChoiceField::SetFocus()
{
    ::SetFocus(IsRadio() ? m_firstRadio : m_combo.m_hWnd);
}

BOOL CChoiceField::IsOtherSelected() const
{
    return m_bOtherValue && m_combo.m_hWnd != NULL && m_items.GetSize() > 0 &&
           GetSelectedItem() == m_items.GetSize() - 1;
}

int CChoiceField::GetSelectedItem() const
{
    const int position = m_combo.GetCurSel();
    return position < 0 ? -1 : (int)m_combo.GetItemData(position);
}

void CChoiceField::ShowSelection(int index, const CString& otherText)
{
    int position = -1;
    for (int i = 0; i < m_combo.GetCount() && position < 0; i++)
        if ((int)m_combo.GetItemData(i) == index)
            position = i;
    m_combo.SetCurSel(position);
    HWND edit = OtherEdit();
    if (edit == NULL)
        return;
    const BOOL other = IsOtherSelected();
    ::SetWindowTextA(edit, other ? otherText
                                 : (index >= 0 && index < m_otherTexts.GetSize() ? m_otherTexts[index] : CString()));
    ::EnableWindow(edit, other && m_bEnabled);
}

void CChoiceField::SelectText(const CString& text)
{
    const int index = FindValue(text);
    if (IsRadio())
        CheckRadioByIndex(CWnd::FromHandle(m_firstRadio), std::max(index, 0));
    else if (!IsDropList())
        m_combo.SetWindowText(text);
    else if (m_bOtherValue && index < 0)
        ShowSelection((int)m_items.GetSize() - 1, text);
    else
        ShowSelection(std::max(index, 0), text);
}

void CChoiceField::SelectItem(int item, const CString& otherText)
{
    if (IsRadio())
        CheckRadioByIndex(CWnd::FromHandle(m_firstRadio), item);
    else if (!IsDropList())
        m_combo.SetWindowText(item >= 0 && item < m_items.GetSize() ? m_items[item] : otherText);
    else
        ShowSelection(item, otherText);
}

int CChoiceField::GetSelectedIndex() const
{
    if (m_windows.GetSize() == 0)
        return m_nSelected >= 0 || m_text.IsEmpty() ? m_nSelected : FindValue(m_text);
    if (IsRadio())
        return GetCheckedRadioIndex(CWnd::FromHandle(m_firstRadio));
    return IsDropList() ? GetSelectedItem() : FindValue(GetText());
}

CString CChoiceField::GetText() const
{
    if (!IsRadio() && !IsDropList())
    {
        CString text;
        m_combo.GetWindowText(text);
        return text;
    }
    if (IsOtherSelected())
    {
        CString text;
        CWnd::FromHandle(OtherEdit())->GetWindowText(text);
        return text;
    }
    const int index = IsRadio() ? GetCheckedRadioIndex(CWnd::FromHandle(m_firstRadio)) : GetSelectedItem();
    return index >= 0 && index < m_values.GetSize() ? m_values[index] : CString();
}

void CChoiceField::Exchange(CDataExchange* pDX)
{
    if (pDX->m_bSaveAndValidate)
    {
        m_text = GetText();
        if (IsRadio())
            m_nSelected = GetCheckedRadioIndex(CWnd::FromHandle(m_firstRadio));
        else if (IsDropList())
            m_nSelected = GetSelectedItem();
        else
            m_nSelected = FindValue(m_text);
        return;
    }
    // The text names the item, except in the other item's edit, where it may
    // read like an item's text.
    if (!m_text.IsEmpty() && !(m_bOtherValue && m_nSelected == m_items.GetSize() - 1))
        m_nSelected = FindValue(m_text);
    if (!IsRadio() && !IsDropList())
        m_combo.SetWindowText(m_text);
    else if (m_bOtherValue && m_nSelected < 0 && !m_text.IsEmpty())
        ShowSelection((int)m_items.GetSize() - 1, m_text); // a value that no item holds
    else
        SelectItem(m_nSelected, m_text); // no item: no choice, as when it was saved
}

BOOL CChoiceField::IsChange(UINT code, UINT id)
{
    if (IsRadio())
        return code == BN_CLICKED;
    if (!IsDropList())
        return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    return code == CBN_SELCHANGE || (m_bOtherValue && code == EN_CHANGE && IsOtherSelected());
}

void CChoiceField::OnCommand(UINT id, UINT code)
{
    if (code == CBN_SELCHANGE && IsDropList() && m_bOtherValue)
        ShowSelection(GetSelectedItem(), CString());
}

BOOL CChoiceField::IsMainWindow(HWND window) const
{
    if (IsRadio())
        return FALSE;
    return !m_bOtherValue || window == m_combo.m_hWnd;
}
