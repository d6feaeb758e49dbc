#include "application/terminology/TerminologyDlg.h"

#include "application/terminology/TerminologyIds.h"
#include "foundation/windows/ListOrCombo.h"

namespace
{
// Holds a dialog's update lock while its controls are being set.
class CUpdateLock
{
public:
    explicit CUpdateLock(BOOL& lock) : m_lock(lock), m_previous(lock) { m_lock = TRUE; }
    ~CUpdateLock() { m_lock = m_previous; }

private:
    BOOL& m_lock;
    BOOL m_previous;
};

const char TitleCaseNote[] = "\n\nNote: ";
const char TitleCaseText[] = "Enter the value in Title Case, i.e. with the first letter of each word in capitals.";
}  // namespace

BEGIN_MESSAGE_MAP(CTerminologyDlg, CMyDialog)
    ON_LBN_SELCHANGE(IDC_TERM_LIST, OnSelChange)
    ON_EN_CHANGE(IDC_TERM_VALUE, OnValueChanged)
    ON_BN_CLICKED(IDC_TERM_RESET, OnResetTerm)
    ON_BN_CLICKED(IDC_TERM_RESET_ALL, OnResetAll)
END_MESSAGE_MAP()

CTerminologyDlg::CTerminologyDlg(CWnd* parent) : CMyDialog(IDD_TERMINOLOGY, parent)
{
}

int CTerminologyDlg::AddTerm(LPCTSTR token, LPCTSTR displayName, LPCTSTR comment, LPCTSTR value, BOOL titleCase)
{
    m_tokens.Add(token);
    m_displayNames.Add(displayName);
    m_comments.Add(comment);
    m_titleCase.Add(titleCase ? 1 : 0);
    return (int)m_values.Add(value);
}

void CTerminologyDlg::SetDefault(LPCTSTR token, LPCTSTR text)
{
    m_defaults.SetAt(token, text);
}

CString CTerminologyDlg::GetDefault(const CString& token) const
{
    CString text;
    if (m_defaults.Lookup(token, text))
        return text;
    return token;
}

CString CTerminologyDlg::GetLineText(int term) const
{
    return m_displayNames[term] + ":\t" + m_values[term];
}

int CTerminologyDlg::GetSelectedTerm() const
{
    const int line = m_list.GetCurSel();
    if (line < 0)
        return -1;
    const int term = (int)m_list.GetItemData(line);
    return term >= 0 && term < m_values.GetSize() ? term : -1;
}

void CTerminologyDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    if (m_list.GetSafeHwnd() != NULL)
        return;
    DDX_Control(pDX, IDC_TERM_LIST, m_list);
    DDX_Control(pDX, IDC_TERM_NAME, m_name);
    DDX_Control(pDX, IDC_TERM_VALUE, m_value);
    DDX_Control(pDX, IDC_TERM_DEFAULT, m_default);
    DDX_Control(pDX, IDC_TERM_COMMENTS, m_commentText);
}

BOOL CTerminologyDlg::OnInitDialog()
{
    BOOL result = CMyDialog::OnInitDialog();
    {
        CUpdateLock lock(m_updating);
        FillList();
        m_list.SetCurSel(0);
    }
    OnSelChange();
    return result;
}

void CTerminologyDlg::FillList()
{
    m_list.ResetContent();
    for (int term = 0; term < m_values.GetSize(); term++)
        m_list.SetItemData(m_list.AddString(GetLineText(term)), (DWORD_PTR)term);
    FitTabStops();
}

void CTerminologyDlg::FitTabStops()
{
    CListOrCombo(&m_list).SetTabStopsToFit();
}

void CTerminologyDlg::OnSelChange()
{
    if (m_updating)
        return;
    const int term = GetSelectedTerm();
    if (term < 0)
        return;
    CUpdateLock lock(m_updating);
    m_name.SetWindowText(m_displayNames[term]);
    m_value.SetWindowText(m_values[term]);
    CString comment = m_comments[term];
    if (m_titleCase[term])
    {
        if (!comment.IsEmpty())
            comment += TitleCaseNote;
        comment += TitleCaseText;
    }
    m_commentText.SetWindowText(comment);
    const CString defaultText = GetDefault(m_tokens[term]);
    m_default.SetWindowText(defaultText.IsEmpty() ? CString("no default") : "''" + defaultText + "''");
}

void CTerminologyDlg::SetSelectedValue(const CString& text, BOOL alsoEdit)
{
    const int term = GetSelectedTerm();
    if (term < 0)
        return;
    CUpdateLock lock(m_updating);
    m_values[term] = text;
    // The list is sorted: the term's line is found by its data and, with its
    // new text, may stand elsewhere.
    m_list.DeleteString(m_list.GetCurSel());
    const int line = m_list.AddString(GetLineText(term));
    m_list.SetItemData(line, (DWORD_PTR)term);
    m_list.SetCurSel(line);
    FitTabStops();
    if (alsoEdit)
        m_value.SetWindowText(text);
}

void CTerminologyDlg::OnValueChanged()
{
    if (m_updating)
        return;
    CString text;
    m_value.GetWindowText(text);
    SetSelectedValue(text, FALSE);
}

void CTerminologyDlg::OnResetTerm()
{
    if (m_updating)
        return;
    const int term = GetSelectedTerm();
    if (term >= 0)
        SetSelectedValue(GetDefault(m_tokens[term]), TRUE);
}

void CTerminologyDlg::OnResetAll()
{
    if (m_updating)
        return;
    {
        CUpdateLock lock(m_updating);
        const int selected = m_list.GetCurSel();
        for (int term = 0; term < m_values.GetSize(); term++)
            m_values[term] = GetDefault(m_tokens[term]);
        FillList();
        m_list.SetCurSel(selected);
        m_list.SetFocus();
    }
    OnSelChange();
}
