#pragma once
// The button beside a date field: it reads the typed date in the field's
// format and opens the drop-down calendar on it.
#include "afx/AfxWin.h"

class CDateButton : public CButton
{
public:
    CEdit* m_edit = NULL; // the field holding the date text (not owned)
    CString m_format;     // its date format

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
