#pragma once
// Prints a message box's title and text: it opens, prints at once and closes.
#include "framework/dialogs/PrintableDlg.h"

#include "framework/messages/MessagePrintIds.h"

class CMessagePrintDlg : public CPrintableDlg
{
    DECLARE_DYNAMIC(CMessagePrintDlg)

public:
    explicit CMessagePrintDlg(CWnd* messageBox);

    // The text with its line feeds made carriage return and line feed.
    void SetText(const CString& text);

    BOOL m_useOwnPrintTitle = FALSE;
    CString m_printTitle;
    CString m_printText;

    BOOL OnInitDialog() override;
    CString GetPrintTitle() override;
    CString GetPrintText() override { return m_printText; }

protected:
    afx_msg void OnPrintMessage();
    afx_msg void OnUpdatePrintMessage(CCmdUI* cmdUI);

    DECLARE_MESSAGE_MAP()
};
