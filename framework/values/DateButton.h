#pragma once
// The button beside a date field: it reads the typed date in the field's
// format and opens the drop-down calendar on it.
#include "framework/controls/MyButton.h"

class CDateButton : public CMyButton
{
    DECLARE_DYNAMIC(CDateButton)

public:
    CEdit* m_edit = NULL; // the field holding the date text (not owned)
    CString m_format;     // its date format

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
