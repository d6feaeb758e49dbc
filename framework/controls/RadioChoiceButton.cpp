#include "framework/controls/RadioChoiceButton.h"

IMPLEMENT_DYNCREATE(CRadioChoiceButton, CMyButton)

BEGIN_MESSAGE_MAP(CRadioChoiceButton, CMyButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace
{
void EnableRange(CWnd* owner, const int range[2], BOOL enable)
{
    for (int id = range[0]; id <= range[1]; id++)
    {
        HWND control = ::GetDlgItem(owner->m_hWnd, id);
        if (control != NULL)
            ::EnableWindow(control, enable);
    }
}
}

int CRadioChoiceButton::GetChoice() const
{
    if (m_owner == NULL)
        return 0;
    for (int choice = 0; choice < 3; choice++)
    {
        if (::IsDlgButtonChecked(m_owner->m_hWnd, m_firstRadio + choice) == BST_CHECKED)
            return choice;
    }
    return 0;
}

void CRadioChoiceButton::ApplyChoice()
{
    if (m_owner == NULL || m_owner->m_hWnd == NULL)
        return;
    int choice = GetChoice();
    EnableRange(m_owner, m_firstRange, choice == 0);
    if (m_colourButton != NULL && m_colourButton->m_hWnd != NULL)
        m_colourButton->EnableWindow(choice == 0);
    EnableRange(m_owner, m_secondRange, choice == 1);
}

BOOL CRadioChoiceButton::OnClicked()
{
    ApplyChoice();
    return FALSE;
}
