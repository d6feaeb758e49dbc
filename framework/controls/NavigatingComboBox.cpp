#include "framework/controls/NavigatingComboBox.h"

IMPLEMENT_DYNAMIC(CNavigatingComboEdit, CEdit)

BEGIN_MESSAGE_MAP(CNavigatingComboEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CNavigatingComboEdit::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (m_combo != NULL && IsNavigationKey(key) && IsControlHeld())
    {
        m_combo->SendMessage(WM_KEYDOWN, key, (LPARAM)GetCurrentMessage()->lParam);
        return;
    }
    CEdit::OnKeyDown(key, repeat, flags);
}

void CNavigatingComboEdit::OnKeyUp(UINT key, UINT repeat, UINT flags)
{
    if (m_combo != NULL && IsEndingKey(key))
    {
        m_combo->SendMessage(WM_KEYUP, key, (LPARAM)GetCurrentMessage()->lParam);
        return;
    }
    CEdit::OnKeyUp(key, repeat, flags);
}

void CNavigatingComboEdit::OnKillFocus(CWnd* newWnd)
{
    CEdit::OnKillFocus(newWnd);
    if (m_combo != NULL)
        m_combo->OnEditKillFocus(newWnd);
}

IMPLEMENT_DYNCREATE(CNavigatingComboBox, CMyComboBox)

BEGIN_MESSAGE_MAP(CNavigatingComboBox, CMyComboBox)
ON_WM_CREATE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
END_MESSAGE_MAP()

void CNavigatingComboBox::SubclassEditField()
{
    HWND edit = ::GetDlgItem(m_hWnd, ComboEditId);
    if (edit != NULL && m_edit.m_hWnd == NULL)
        m_edit.SubclassWindow(edit);
}

void CNavigatingComboBox::PreSubclassWindow()
{
    CMyComboBox::PreSubclassWindow();
    SubclassEditField();
}

int CNavigatingComboBox::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CMyComboBox::OnCreate(createStruct) == -1)
        return -1;
    SubclassEditField();
    return 0;
}

void CNavigatingComboBox::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (m_parentKey.HandOverNavigation(this, key, m_navigateAlways))
        return;
    CMyComboBox::OnKeyDown(key, repeat, flags);
}

void CNavigatingComboBox::OnKeyUp(UINT key, UINT repeat, UINT flags)
{
    if (!m_parentKey.HandOverEnding(this, key, m_restoreText))
        CMyComboBox::OnKeyUp(key, repeat, flags);
}
