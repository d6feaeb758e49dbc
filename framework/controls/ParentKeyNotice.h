#pragma once
// The keys that in-place editing controls hand to their parent (Tab, Enter,
// Esc, Cancel, and the navigation keys with Ctrl): the control remembers the
// key and tells the parent at once, which reads it and ends or moves the
// editing as it sees fit.
#include "afx/app/AfxWin.h"
#include "framework/messages/PrivateMessages.h"

// Page Up, Page Down and the arrow keys.
BOOL IsNavigationKey(UINT key);
// Tab, Enter, Esc and Cancel.
BOOL IsEndingKey(UINT key);
BOOL IsControlHeld();

class CParentKeyNotice
{
public:
    // Remembers the key and sends WM_CONTROL_KEY to the control's parent.
    void Remember(CWnd* control, UINT key);
    // Hands a navigation key over when Ctrl is held, or always when asked;
    // TRUE when it did.
    BOOL HandOverNavigation(CWnd* control, UINT key, BOOL always);
    // Hands an ending key over, Esc and Cancel first putting the text back;
    // TRUE when it did.
    BOOL HandOverEnding(CWnd* control, UINT key, const CString& restoreText);

    UINT m_key = 0; // the key last handed over, 0 none
};
