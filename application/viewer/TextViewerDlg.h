#pragma once
// Shows a heading and a long read-only text, with a Copy button and either an
// OK button or a Yes/No pair for a question that needs a long text.
#include "framework/dialogs/PrintableDlg.h"

enum TextViewerFlags
{
    VIEWER_YES_IS_DEFAULT = 1,  // OK/Enter answers Yes; Yes is the default of the question template
    VIEWER_OK_STYLE = 2,        // the OK-style template
    VIEWER_CLOSE_BUTTON = 8,    // OK-style, with the OK button labelled "&Close"
    VIEWER_NO_COPY = 16,        // the Copy button is disabled and hidden
    VIEWER_FIXED_FONT = 32,     // the text in the shared fixed-pitch font
    VIEWER_WIDE = 64,           // the wide template
    VIEWER_FIT_LINES = 128      // long lines are broken to fit the text control before they are shown
};

class CTextViewerDlg : public CPrintableDlg
{
public:
    // A template id of 0 is chosen from the flags.
    CTextViewerDlg(DWORD flags, CWnd* parent, UINT templateId = 0);

    static UINT ChooseTemplate(DWORD flags);

    void SetHeading(LPCTSTR heading);
    void SetText(LPCTSTR text);
    const CString& GetText() const { return m_text; }
    CString GetPrintText() override { return m_text; }
    CString GetPrintHeader1() override;

    BOOL OnInitDialog() override;

    DWORD m_flags;
    CString m_text;
    CEdit m_textCtrl;
    CString m_heading;
    CString m_printTitle;
    BOOL m_printTitleSet;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Puts the text into the text control, its lines broken to fit with
    // VIEWER_FIT_LINES.
    void ShowText();
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnYes();
    afx_msg void OnNo();
    afx_msg void OnCopy();
    afx_msg void OnUpdateCopy(CCmdUI* pCmdUI);
    afx_msg void OnPrint();
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
