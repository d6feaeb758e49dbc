#pragma once
// Asks for one line of text, typically a name: OK is enabled only while the
// text is acceptable, and an unacceptable text is refused again on OK with a
// message that names the offending character.
#include "framework/dialogs/MyDialog.h"
#include "framework/controls/MyEdit.h"
#include "framework/dialogs/NameEntryIds.h"

class CNameEntryDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CNameEntryDlg)

public:
    CNameEntryDlg(UINT templateId, CWnd* parent);

    // The defaults: an empty text allowed, message 2008 for an empty text,
    // no help.
    void Init();
    // Empty when the text is acceptable, else the reason.
    virtual CString Validate(LPCTSTR text);

    CMyEdit m_edit;
    CString m_initialName;
    CString m_name;
    CString m_label;
    BOOL m_allowEmpty;
    CString m_okCaption;
    CString m_cancelCaption;
    UINT m_emptyErrorId;
    CString m_allowedCharacters;
    CString m_forbiddenCharacters;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnEditChange();
    DECLARE_MESSAGE_MAP()

private:
    void EnableOk();
};
