#pragma once
// An edit that pushes its text into a linked window whenever what it stands
// for changes: its text, a kind value or a number that its owner keeps up to
// date (numbers within 0.005 count as equal).
#include "framework/controls/MyEdit.h"

class CLinkedTextEdit : public CMyEdit
{
    DECLARE_DYNAMIC(CLinkedTextEdit)

public:
    // Stores and pushes the text when anything differs from what was pushed
    // last, or always when forced; TRUE when it pushed.
    BOOL Push(BOOL force);

    CWnd* m_linked = NULL; // receives the text (not owned)
    int m_kind = 0;
    double m_number = 0.0;

    CString m_pushedText;
    int m_pushedKind = 0;
    double m_pushedNumber = 0.0;

protected:
    // The parent sees the change as well.
    afx_msg BOOL OnChange();
    DECLARE_MESSAGE_MAP()
};
