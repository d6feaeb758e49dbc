#pragma once
// The "Error(s)/Warning(s)" list: the messages in a list, which can be
// printed or copied, answered by OK or by Yes and No.
#include "framework/dialogs/PrintableDlg.h"

class CErrorListDlg : public CPrintableDlg
{
    DECLARE_DYNAMIC(CErrorListDlg)

public:
    CErrorListDlg(UINT templateId, CWnd* parent);

    CString m_message;
    CStringArray m_entries;

    // One line per entry, joined with CR LF; an entry whose tab stands at
    // 0 to 10 has its second part moved to column 11.
    static CString FormatEntries(const CStringArray& entries);
    CString GetPrintText() override;
    BOOL OnInitDialog() override;

protected:
    afx_msg void OnYes();
    afx_msg void OnNo();
    afx_msg void OnPrintList();
    afx_msg void OnCopy();

    DECLARE_MESSAGE_MAP()
};
