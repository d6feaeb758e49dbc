#include "framework/dialogs/ErrorListDlg.h"
#include "foundation/windows/Clipboard.h"
#include "framework/dialogs/ErrorListIds.h"

IMPLEMENT_DYNAMIC(CErrorListDlg, CPrintableDlg)

BEGIN_MESSAGE_MAP(CErrorListDlg, CPrintableDlg)
    ON_BN_CLICKED(IDC_ERROR_LIST_YES, OnYes)
    ON_BN_CLICKED(IDC_ERROR_LIST_NO, OnNo)
    ON_BN_CLICKED(IDC_ERROR_LIST_PRINT, OnPrintList)
    ON_BN_CLICKED(IDC_ERROR_LIST_COPY, OnCopy)
END_MESSAGE_MAP()

CErrorListDlg::CErrorListDlg(UINT templateId, CWnd* parent) : CPrintableDlg(templateId, parent)
{
}

CString CErrorListDlg::FormatEntries(const CStringArray& entries)
{
    const int secondColumn = 11;
    CString text;
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        CString entry = entries[i];
        int tab = entry.Find('\t');
        if (tab >= 0 && tab <= secondColumn - 1)
            entry = entry.Left(tab) + CString(' ', secondColumn - tab) + entry.Mid(tab + 1);
        if (i > 0)
            text += "\r\n";
        text += entry;
    }
    return text;
}

BOOL CErrorListDlg::OnInitDialog()
{
    CPrintableDlg::OnInitDialog();
    SetDlgItemText(IDC_ERROR_LIST_MESSAGE, m_message);
    for (int i = 0; i < m_entries.GetSize(); ++i)
        SendDlgItemMessage(IDC_ERROR_LIST, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)m_entries[i]);
    return TRUE;
}

CString CErrorListDlg::GetPrintText()
{
    // What the list shows, once it is there.
    CListBox* list = (CListBox*)GetDlgItem(IDC_ERROR_LIST);
    if (list == NULL)
        return FormatEntries(m_entries);
    CStringArray shown;
    for (int i = 0; i < list->GetCount(); ++i)
    {
        CString entry;
        list->GetText(i, entry);
        shown.Add(entry);
    }
    return FormatEntries(shown);
}

void CErrorListDlg::OnYes()
{
    EndDialog(IDYES);
}

void CErrorListDlg::OnNo()
{
    EndDialog(IDNO);
}

void CErrorListDlg::OnPrintList()
{
    Print();
}

void CErrorListDlg::OnCopy()
{
    CopyTextToClipboard(m_hWnd, GetPrintText());
}
