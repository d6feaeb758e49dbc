#include "framework/controls/MessageButton.h"

IMPLEMENT_DYNCREATE(CMessageButton, CMyButton)

BEGIN_MESSAGE_MAP(CMessageButton, CMyButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL CMessageButton::OnClicked()
{
    if (m_target == NULL)
        return FALSE;
    if (m_post)
        ::PostMessageA(m_target, m_message, m_wParam, m_lParam);
    else
        ::SendMessageA(m_target, m_message, m_wParam, m_lParam);
    return TRUE;
}
