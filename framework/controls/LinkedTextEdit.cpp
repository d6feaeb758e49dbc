#include "framework/controls/LinkedTextEdit.h"

#include <math.h>

IMPLEMENT_DYNAMIC(CLinkedTextEdit, CMyEdit)

BEGIN_MESSAGE_MAP(CLinkedTextEdit, CMyEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

BOOL CLinkedTextEdit::Push(BOOL force)
{
    CString text;
    GetWindowText(text);
    if (!force && text == m_pushedText && m_kind == m_pushedKind && fabs(m_number - m_pushedNumber) <= 0.005)
        return FALSE;
    m_pushedText = text;
    m_pushedKind = m_kind;
    m_pushedNumber = m_number;
    if (m_linked != NULL && m_linked->GetSafeHwnd() != NULL)
        m_linked->SetWindowText(text);
    return TRUE;
}

BOOL CLinkedTextEdit::OnChange()
{
    Push(FALSE);
    return FALSE;
}
