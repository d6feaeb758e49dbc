#include "framework/controls/ParentKeyNotice.h"

BOOL IsNavigationKey(UINT key)
{
    return key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

BOOL IsEndingKey(UINT key)
{
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_CANCEL;
}

BOOL IsControlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void CParentKeyNotice::Remember(CWnd* control, UINT key)
{
    m_key = key;
    HWND parent = ::GetParent(control->m_hWnd);
    if (parent != NULL)
        ::SendMessageA(parent, WM_CONTROL_KEY, key, (LPARAM)control->m_hWnd);
}

BOOL CParentKeyNotice::HandOverNavigation(CWnd* control, UINT key, BOOL always)
{
    if (!IsNavigationKey(key) || !(always || IsControlHeld()))
        return FALSE;
    Remember(control, key);
    return TRUE;
}

BOOL CParentKeyNotice::HandOverEnding(CWnd* control, UINT key, const CString& restoreText)
{
    if (!IsEndingKey(key))
        return FALSE;
    if (key == VK_ESCAPE || key == VK_CANCEL)
        control->SetWindowText(restoreText);
    Remember(control, key);
    return TRUE;
}
