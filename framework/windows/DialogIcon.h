#pragma once
// The icon a dialog shows in one of its static items.
#include "afx/app/AfxWin.h"

struct CDialogIcon
{
    UINT m_controlId = 0;          // the static item, 0 = none
    HICON m_icon = NULL;
    HINSTANCE m_instance = NULL;   // null: a system icon
    LPCTSTR m_resourceName = NULL; // name or MAKEINTRESOURCE id
    CWnd* m_owner = NULL;

    ~CDialogIcon() { Release(); }

    // An icon of the application's resources.
    void SetFromResource(UINT controlId, UINT iconId);
    void Set(UINT controlId, HINSTANCE instance, LPCTSTR name);
    // Loads the icon into the owner's item, when the owner has that item.
    void Load();
    // Destroys an icon loaded from a module; system icons are shared.
    void Release();
};
