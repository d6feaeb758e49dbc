#pragma once
// The button beside an amount field: it opens the drop-down calculator on the
// typed amount and writes the accepted value back into the field with the
// data-entry currency codes. While the calculator is open the button and its
// field are disabled.
#include "afx/AfxWin.h"

class CCalculatorButton : public CButton
{
public:
    CEdit* m_edit = NULL; // the amount field (not owned)

protected:
    afx_msg BOOL OnClicked();
    afx_msg LRESULT OnValueChosen(WPARAM high, LPARAM low);
    afx_msg LRESULT OnClosedWithoutValue(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void EnableWithField(BOOL enable);
};
