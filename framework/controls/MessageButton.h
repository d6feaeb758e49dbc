#pragma once
// A button whose click sends (or posts) a stored message with its stored
// parameters to a stored window, in place of telling its parent.
#include "framework/controls/MyButton.h"

class CMessageButton : public CMyButton
{
    DECLARE_DYNCREATE(CMessageButton)

public:
    HWND m_target = NULL;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
    BOOL m_post = FALSE;

protected:
    // Handled (1) when a window is set; without one the parent sees the click.
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
