#pragma once
// The enlarged text editor: a resizable dialog whose large multi-line box
// edits the whole text of a field, in the field's font. After OK the result
// holds the edited text.
#include "framework/controls/MyEdit.h"
#include "framework/dialogs/MyDialog.h"

class CZoomEditDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CZoomEditDlg)

public:
    CZoomEditDlg(UINT templateId, CWnd* parent);

    CMyEdit m_edit;
    CString m_text;
    CString m_result;
    CFont* m_font = NULL;     // none: the dialog's own
    BOOL m_readOnly = FALSE;

    void SetText(LPCTSTR text);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
