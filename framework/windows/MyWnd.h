#pragma once
// The program's window base: optional painting of no background, a help
// context of its own, swallowed help, and objects that delete themselves once
// their window is gone.
#include "afx/app/AfxWin.h"
#include "framework/windows/WndToDestroyList.h"

class CMyWnd : public CWnd
{
    DECLARE_DYNAMIC(CMyWnd)

public:
    CMyWnd();
    ~CMyWnd() override;

    CWndToDestroyLink m_destroyLink;
    BOOL m_noEraseBackground = FALSE;  // WM_ERASEBKGND paints nothing
    DWORD m_helpContextId = 0;         // 0 = none
    BOOL m_noHelp = FALSE;             // help requests are swallowed
    BOOL m_autoDelete = FALSE;         // delete the object after its window

protected:
    void PostNcDestroy() override;
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The help rule shared by the window, dialog and page bases: TRUE when the
// request was handled (swallowed, or shown for the context), FALSE when the
// framework's default handling is to run.
BOOL HandleCommandHelp(BOOL noHelp, DWORD helpContextId);
