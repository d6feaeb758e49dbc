#include "framework/dialogs/ListEntriesDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "afx/dialogs/Ddx.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/dialogs/NameEntryDlg.h"
#include "framework/messages/CommandObject.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CListEntriesDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CListEntriesDlg, CMyDialog)
ON_BN_CLICKED(IDC_LIST_ENTRIES_ADD, OnAdd)
ON_BN_CLICKED(IDC_LIST_ENTRIES_UPDATE, OnUpdateEntry)
ON_UPDATE_COMMAND_UI(IDC_LIST_ENTRIES_UPDATE, OnUpdateUpdateEntry)
ON_BN_CLICKED(IDC_LIST_ENTRIES_DELETE, OnDelete)
ON_UPDATE_COMMAND_UI(IDC_LIST_ENTRIES_DELETE, OnUpdateUpdateEntry)
ON_BN_CLICKED(IDC_LIST_ENTRIES_DELETE_ALL, OnDeleteAll)
ON_UPDATE_COMMAND_UI(IDC_LIST_ENTRIES_DELETE_ALL, OnUpdateDeleteAll)
ON_LBN_SELCHANGE(IDC_LIST_ENTRIES_LIST, OnSelectionChange)
END_MESSAGE_MAP()

namespace
{
// Empties the list; enabled while it has an entry.
class CDeleteAllEntriesCommand : public CCommandObject
{
public:
    CDeleteAllEntriesCommand(CCmdTarget* owner, CListBox& list)
        : CCommandObject(owner, IDC_LIST_ENTRIES_DELETE_ALL), m_list(list)
    {
    }
    BOOL IsEnabled() override { return CCommandObject::IsEnabled() && m_list.GetCount() > 0; }
    int Execute() override
    {
        m_list.ResetContent();
        return 1;
    }

private:
    CListBox& m_list;
};
}

CListEntriesDlg::CListEntriesDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
}

void CListEntriesDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_ENTRIES_LIST, m_list);
    if (pDX->m_bSaveAndValidate)
    {
        m_entries.RemoveAll();
        for (int i = 0; i < m_list.GetCount(); ++i)
        {
            CString text;
            m_list.GetText(i, text);
            m_entries.Add(text);
        }
    }
}

BOOL CListEntriesDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    for (int i = 0; i < m_entries.GetSize(); ++i)
        m_list.AddString(m_entries[i]);
    UpdateControls();
    return TRUE;
}

int CListEntriesDlg::FindDuplicate(LPCTSTR text, int skip)
{
    int first = (int)m_list.SendMessage(LB_FINDSTRING, (WPARAM)-1, (LPARAM)text);
    for (int found = first; found != LB_ERR;)
    {
        CString entry;
        m_list.GetText(found, entry);
        if (found != skip && (m_prefixMatch || entry == text))
            return found;
        found = (int)m_list.SendMessage(LB_FINDSTRING, found, (LPARAM)text);
        if (found == first)
            break;
    }
    return -1;
}

BOOL CListEntriesDlg::AskForEntry(LPCTSTR titleFormat, LPCTSTR initialText, LPCTSTR okCaption, CString& text)
{
    CNameEntryDlg dialog(IDD_NAME_ENTRY_UNDER, this);
    dialog.Init();
    dialog.SetTitle(titleFormat, (LPCTSTR)m_titleWord);
    dialog.m_label.Format("Enter the new %s below:", (LPCTSTR)m_entryWord);
    dialog.m_initialName = initialText;
    dialog.m_okCaption = okCaption;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    text = dialog.m_name;
    return TRUE;
}

void CListEntriesDlg::PutEntry(LPCTSTR text, int replace)
{
    int selection = replace >= 0 ? replace : m_list.GetCurSel();
    if (*text == '\0')
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    if (FindDuplicate(text, replace) >= 0)
    {
        ShowError(NULL, 0, "Sorry, but there is an existing %s that matches '%s'", (LPCTSTR)m_entryWord, text);
        return;
    }
    if (replace >= 0)
        m_list.DeleteString(replace);
    int index = (m_list.GetStyle() & LBS_SORT) != 0 ? m_list.AddString(text) : m_list.InsertString(selection, text);
    if (index < 0)
        ::MessageBeep((UINT)-1);
    else
        m_list.SetCurSel(index);
    UpdateControls();
}

void CListEntriesDlg::OnAdd()
{
    CString text;
    if (AskForEntry("New %s", m_newEntryText, "Add", text))
        PutEntry(text, -1);
}

void CListEntriesDlg::OnUpdateEntry()
{
    int selection = m_list.GetCurSel();
    CString current, text;
    if (selection < 0)
        return;
    m_list.GetText(selection, current);
    if (AskForEntry("Update %s", current, "", text) && text != current)
        PutEntry(text, selection);
}

void CListEntriesDlg::OnUpdateUpdateEntry(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_list.GetCurSel() >= 0);
}

void CListEntriesDlg::OnDelete()
{
    int selection = m_list.GetCurSel();
    if (selection < 0)
        return;
    m_list.DeleteString(selection);
    m_list.SetCurSel(std::min(selection, m_list.GetCount() - 1));
    UpdateControls();
}

void CListEntriesDlg::OnDeleteAll()
{
    CDeleteAllEntriesCommand(this, m_list).Run();
    UpdateControls();
}

void CListEntriesDlg::OnUpdateDeleteAll(CCmdUI* cmdUI)
{
    CDeleteAllEntriesCommand(this, m_list).UpdateCmdUI(cmdUI);
}

void CListEntriesDlg::OnSelectionChange()
{
    UpdateControls();
}
