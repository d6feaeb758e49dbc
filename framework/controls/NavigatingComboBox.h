#pragma once
// A combo box with an edit field for editing in place: the navigation keys
// with Ctrl (or always, when asked) and the ending keys (Tab, Enter, Esc,
// Cancel) typed in its edit field are handed to the parent (ParentKeyNotice);
// Esc and Cancel first put the text back as it was.
#include "framework/controls/MyComboBox.h"
#include "framework/controls/ParentKeyNotice.h"

class CNavigatingComboBox;

// The combo box's edit field (id 1001): passes those keys to the combo box.
class CNavigatingComboEdit : public CEdit
{
    DECLARE_DYNAMIC(CNavigatingComboEdit)

public:
    CNavigatingComboBox* m_combo = NULL;

protected:
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    DECLARE_MESSAGE_MAP()
};

class CNavigatingComboBox : public CMyComboBox
{
    DECLARE_DYNCREATE(CNavigatingComboBox)

public:
    CNavigatingComboBox() { m_edit.m_combo = this; }

    // Its edit field lost the focus.
    virtual void OnEditKillFocus(CWnd* newWnd) {}

    CNavigatingComboEdit m_edit;
    CParentKeyNotice m_parentKey;
    CString m_restoreText;         // the text Esc and Cancel put back
    BOOL m_navigateAlways = FALSE; // navigation keys go to the parent without Ctrl too

protected:
    void PreSubclassWindow() override;
    void SubclassEditField();

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()
};
