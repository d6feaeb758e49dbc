#include "framework/panes/FormWnd.h"

#include "afx/windows/MessageMap.h"

IMPLEMENT_DYNAMIC(CFormWnd, CDialog)

BEGIN_MESSAGE_MAP(CFormWnd, CDialog)
ON_WM_SETFOCUS()
ON_WM_ENABLE()
END_MESSAGE_MAP()

CFormWnd::CFormWnd()
{
}

BOOL CFormWnd::Create(UINT templateId, CWnd* parent)
{
    if (!CDialog::Create(templateId, parent))
        return FALSE;
    m_self = this;
    return TRUE;
}

BOOL CFormWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    return FALSE;
}

void CFormWnd::RememberFocus()
{
    HWND focus = ::GetFocus();
    if (focus != NULL && focus != m_hWnd && ::IsChild(m_hWnd, focus))
        m_lastFocus = focus;
}

void CFormWnd::OnSetFocus(CWnd*)
{
    if (m_lastFocus != NULL && ::IsWindow(m_lastFocus) && ::IsChild(m_hWnd, m_lastFocus))
    {
        ::SetFocus(m_lastFocus);
        return;
    }
    m_lastFocus = NULL;
    Default();
}

void CFormWnd::OnEnable(BOOL enable)
{
    // a page about to be hidden keeps its focused control for its return
    if (!enable)
        RememberFocus();
    Default();
}
