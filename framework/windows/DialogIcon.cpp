#include "framework/windows/DialogIcon.h"

#include "foundation/windows/OwnedHandle.h"

void CDialogIcon::SetFromResource(UINT controlId, UINT iconId)
{
    Set(controlId, AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId));
}

void CDialogIcon::Set(UINT controlId, HINSTANCE instance, LPCTSTR name)
{
    m_controlId = controlId;
    m_instance = instance;
    m_resourceName = name;
}

void CDialogIcon::Load()
{
    if (m_controlId == 0 || m_owner == NULL || m_owner->GetSafeHwnd() == NULL)
        return;
    HWND item = ::GetDlgItem(m_owner->GetSafeHwnd(), m_controlId);
    if (item == NULL)
        return;
    Release();
    m_icon = ::LoadIconA(m_instance, m_resourceName);
    if (m_icon != NULL)
        ::SendMessageA(item, STM_SETICON, (WPARAM)m_icon, 0);
}

void CDialogIcon::Release()
{
    // An icon loaded from a module is the record's own; system icons are shared.
    COwnedIcon loaded(m_instance != NULL ? m_icon : NULL);
    m_icon = NULL;
}
