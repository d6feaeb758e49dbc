#pragma once
// A button beside an edit field that fills the field with a file chosen in a
// file dialog (or, for pictures, in the picture selection dialog).
#include "framework/controls/MyButton.h"

#include <commdlg.h>

class CFileBrowseButton : public CMyButton
{
    DECLARE_DYNAMIC(CFileBrowseButton)

public:
    CEdit* m_edit = NULL;
    CString m_defaultPath;      // offered when the field is empty
    CDWordArray m_kinds;        // the picture group alone runs the picture selection
    BOOL m_open = TRUE;
    CString m_title;
    CString m_initialFolder;
    CString m_okText;
    CString m_objectName;       // what is chosen, for the picture dialog's title
    UINT m_helpId = 0;
    DWORD m_flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()
};
