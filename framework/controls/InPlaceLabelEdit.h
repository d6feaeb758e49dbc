#pragma once
// An edit for changing a label in place: it widens with its text (up to its
// parent's width), and hands the ending keys (Tab, Enter, Esc, Cancel) and
// the navigation keys with Ctrl (or always, when asked) to its parent
// (ParentKeyNotice); Esc and Cancel first put the text back as it was.
#include "framework/controls/MyEdit.h"
#include "framework/controls/ParentKeyNotice.h"

class CInPlaceLabelEdit : public CMyEdit
{
    DECLARE_DYNAMIC(CInPlaceLabelEdit)

public:
    // It lost the focus.
    virtual void OnEditKillFocus(CWnd* newWnd) {}

    CParentKeyNotice m_parentKey;
    CString m_restoreText;         // the text Esc and Cancel put back
    BOOL m_navigateAlways = FALSE; // navigation keys go to the parent without Ctrl too

protected:
    // Widens the field to its text and two blanks, up to the parent's width.
    void FitToText();

    afx_msg void OnChar(UINT character, UINT repeat, UINT flags);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    DECLARE_MESSAGE_MAP()
};
