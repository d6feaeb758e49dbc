#include "framework/dialogs/NameEntryDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "foundation/text/CommaList.h"
#include "foundation/windows/DialogExchange.h"
#include "framework/messages/MessageRoutines.h"

IMPLEMENT_DYNAMIC(CNameEntryDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CNameEntryDlg, CMyDialog)
    ON_CONTROL(EN_CHANGE, IDC_NAME_ENTRY_EDIT, OnEditChange)
END_MESSAGE_MAP()

CNameEntryDlg::CNameEntryDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
    Init();
}

void CNameEntryDlg::Init()
{
    m_allowEmpty = TRUE;
    m_emptyErrorId = IDS_EMPTY_NAME_ERROR;
    m_helpContextId = 0;
    m_noHelp = TRUE;
}

CString CNameEntryDlg::Validate(LPCTSTR text)
{
    CString error;
    if (!m_allowEmpty && *text == '\0')
    {
        error.LoadString(m_emptyErrorId);
        return error;
    }
    int bad = -1;
    if (!m_allowedCharacters.IsEmpty())
        bad = FindFirstNotOf(text, m_allowedCharacters);
    else if (!m_forbiddenCharacters.IsEmpty())
        bad = FindFirstOf(text, m_forbiddenCharacters);
    if (bad >= 0)
        error.Format("You may not use the %c character here", text[bad]);
    return error;
}

BOOL CNameEntryDlg::OnInitDialog()
{
    m_name = m_initialName;
    CMyDialog::OnInitDialog();
    if (!m_okCaption.IsEmpty())
        SetDlgItemText(IDOK, m_okCaption);
    if (!m_cancelCaption.IsEmpty())
        SetDlgItemText(IDCANCEL, m_cancelCaption);
    SetDlgItemText(IDC_NAME_ENTRY_LABEL, m_label);
    EnableOk();
    m_edit.SetSel(0, -1);
    m_edit.SendMessage(EM_SCROLLCARET, 0, 0);
    m_edit.SetFocus();
    return FALSE;
}

void CNameEntryDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NAME_ENTRY_EDIT, m_edit);
    DDX_TrimmedText(pDX, IDC_NAME_ENTRY_EDIT, m_name, 0, 32767);
    if (pDX->m_bSaveAndValidate)
    {
        CString error = Validate(m_name);
        if (!error.IsEmpty())
        {
            ShowError(NULL, 0, "%s", (LPCTSTR)error);
            pDX->Fail();
        }
    }
}

void CNameEntryDlg::OnEditChange()
{
    EnableOk();
}

void CNameEntryDlg::EnableOk()
{
    CWnd* ok = GetDlgItem(IDOK);
    if (ok == NULL || m_edit.GetSafeHwnd() == NULL)
        return;
    CString text;
    m_edit.GetWindowText(text);
    ok->EnableWindow(Validate(text).IsEmpty());
}
