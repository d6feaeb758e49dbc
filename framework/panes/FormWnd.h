#pragma once
// A child window made from a dialog template that gives the focus back to
// the control that last had it.
#include "afx/app/AfxWin.h"

class CFormWnd : public CDialog
{
    DECLARE_DYNAMIC(CFormWnd)

public:
    CFormWnd();

    // Creates the form from the template as a child of the parent.
    BOOL Create(UINT templateId, CWnd* parent);

    CFormWnd* m_self = NULL; // set once the window is created
    HWND m_lastFocus = NULL; // the child that last had the focus

    // Remembers the focused control when it is one of the form's.
    void RememberFocus();
    BOOL OnInitDialog() override;

protected:
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnEnable(BOOL enable);
    DECLARE_MESSAGE_MAP()
};
