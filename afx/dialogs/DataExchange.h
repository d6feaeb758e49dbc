// CDataExchange: the record a dialog's DoDataExchange works on, moving values
// between member variables and controls in one direction.
#pragma once

#include "afx/core/AfxCore.h"

class CWnd;
class CToolTipCtrl;

class CDataExchange
{
public:
    BOOL m_bSaveAndValidate;    // TRUE: controls to variables, with validation
    CWnd* m_pDlgWnd;            // the dialog or window exchanged with
    CToolTipCtrl* m_pToolTip;   // the dialog's tooltip control, null when none
    HWND m_hWndLastControl;     // the control prepared last; Fail focuses it
    BOOL m_bEditLastControl;    // it is an edit control: Fail selects its text

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Looks the control up (a missing one raises the not-supported
    // exception) and records it as the one a failure refers to.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);

    // Ends a failed exchange: the last prepared control gets the focus (an
    // edit control with all its text selected) and the user exception is
    // raised. The caller has shown its message already.
    [[noreturn]] void Fail();
};
