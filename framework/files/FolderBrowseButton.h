#pragma once
// A button beside an edit field that fills the field with a folder chosen in
// the shell's folder browser, which opens on the field's folder.
#include "framework/controls/MyButton.h"

class CFolderBrowseButton : public CMyButton
{
    DECLARE_DYNAMIC(CFolderBrowseButton)

public:
    CEdit* m_edit = NULL;

protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()
};
