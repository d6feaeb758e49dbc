#include "foundation/windows/ListOrCombo.h"

HWND CListOrCombo::Window() const
{
    return m_pListBox != NULL ? m_pListBox->m_hWnd : m_pComboBox->m_hWnd;
}

BOOL CListOrCombo::IsMultiSelect() const
{
    if (m_pListBox == NULL)
        return FALSE;
    return (::GetWindowLongA(m_pListBox->m_hWnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int CListOrCombo::GetCurSel() const
{
    UINT message = m_pListBox != NULL ? LB_GETCURSEL : CB_GETCURSEL;
    return (int)::SendMessageA(Window(), message, 0, 0);
}

int CListOrCombo::SetCurSel(int index)
{
    UINT message = m_pListBox != NULL ? LB_SETCURSEL : CB_SETCURSEL;
    return (int)::SendMessageA(Window(), message, (WPARAM)index, 0);
}

int CListOrCombo::SelectItem(int index)
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_SETSEL, TRUE, (LPARAM)index);
    if (index == -1)
        return -1;
    return SetCurSel(index);
}
