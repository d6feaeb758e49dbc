#include "framework/named/NamedObjectPropertiesButton.h"

#include "framework/named/NamedObjectSelector.h"

BEGIN_MESSAGE_MAP(CNamedObjectPropertiesButton, CMyButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL CNamedObjectPropertiesButton::OnClicked()
{
    if (m_selector != NULL && m_selector->OnProperties())
    {
        HWND parent = ::GetParent(m_hWnd);
        if (parent != NULL)
            ::PostMessageA(parent, WM_NAMED_OBJECTS_CHANGED, (WPARAM)::GetDlgCtrlID(m_hWnd), 0);
    }
    return TRUE;
}
