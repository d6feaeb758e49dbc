#include "framework/named/NamedObjectListDlg.h"

#include "afx/dialogs/DataExchange.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/dialogs/NameEntryDlg.h"
#include "framework/named/DeleteNamedObjectCommand.h"
#include "framework/named/DuplicateNamedObjectCommand.h"
#include "framework/named/NamedObjectPropertiesCommand.h"
#include "framework/named/NewNamedObjectCommand.h"
#include "framework/named/RenameNamedObjectCommand.h"

IMPLEMENT_DYNAMIC(CNamedObjectListDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CNamedObjectListDlg, CMyDialog)
    ON_BN_CLICKED(IDC_NAMED_OBJECT_NEW, OnNew)
    ON_BN_CLICKED(IDC_NAMED_OBJECT_DUPLICATE, OnDuplicate)
    ON_BN_CLICKED(IDC_NAMED_OBJECT_UPDATE, OnProperties)
    ON_BN_CLICKED(IDC_NAMED_OBJECT_RENAME, OnRename)
    ON_BN_CLICKED(IDC_NAMED_OBJECT_DELETE, OnDelete)
    ON_LBN_DBLCLK(IDC_NAMED_OBJECT_LIST, OnProperties)
    ON_LBN_SELCHANGE(IDC_NAMED_OBJECT_LIST, OnSelectionChange)
    ON_UPDATE_COMMAND_UI(IDC_NAMED_OBJECT_NEW, OnUpdateNew)
    ON_UPDATE_COMMAND_UI(IDC_NAMED_OBJECT_DUPLICATE, OnUpdateDuplicate)
    ON_UPDATE_COMMAND_UI(IDC_NAMED_OBJECT_UPDATE, OnUpdateProperties)
    ON_UPDATE_COMMAND_UI(IDC_NAMED_OBJECT_RENAME, OnUpdateRename)
    ON_UPDATE_COMMAND_UI(IDC_NAMED_OBJECT_DELETE, OnUpdateDelete)
END_MESSAGE_MAP()

namespace
{
    void CopyStore(const CMapStringToString& texts, const CNamedObjectTagMap& tags, CMapStringToString* textCopy,
                   CNamedObjectTagMap* tagCopy)
    {
        textCopy->RemoveAll();
        POSITION pos = texts.GetStartPosition();
        while (pos != NULL)
        {
            CString name, text;
            texts.GetNextAssoc(pos, name, text);
            textCopy->SetAt(name, text);
        }
        tagCopy->RemoveAll();
        pos = tags.GetStartPosition();
        while (pos != NULL)
        {
            CString name;
            DWORD tag = 0;
            tags.GetNextAssoc(pos, name, tag);
            tagCopy->SetAt(name, tag);
        }
    }
}

CNamedObjectListDlg::CNamedObjectListDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
}

BOOL CNamedObjectListDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    CString plural = m_kindNamePlural;
    CString title;
    GetWindowText(title);
    title.Replace("%s", plural);
    SetWindowText(title);
    FillTemplateText(IDC_NAMED_OBJECT_EXISTING_LABEL, plural);
    FillTemplateText(IDC_NAMED_OBJECT_SELECTED_LABEL, m_kindName);
    plural.MakeLower();
    FillTemplateText(IDC_NAMED_OBJECT_NOTE, plural);

    POSITION pos = m_textMap.GetStartPosition();
    while (pos != NULL)
    {
        CString name, text;
        m_textMap.GetNextAssoc(pos, name, text);
        DWORD tag = 0;
        m_valueMap.Lookup(name, tag);
        AddEntryItem(name, GetStoredText(name), tag);
    }
    SelectItem(0);
    UpdateControls();
    return TRUE;
}

void CNamedObjectListDlg::FillTemplateText(int id, LPCTSTR word)
{
    CWnd* item = GetDlgItem(id);
    if (item == NULL)
        return;
    CString text;
    item->GetWindowText(text);
    text.Replace("%s", word);
    item->SetWindowText(text);
}

void CNamedObjectListDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NAMED_OBJECT_LIST, m_list);
    if (GetDlgItem(IDC_NAMED_OBJECT_DESCRIPTION) != NULL)
        DDX_Control(pDX, IDC_NAMED_OBJECT_DESCRIPTION, m_descriptionLabel);
}

int CNamedObjectListDlg::AddEntryItem(LPCTSTR name, LPCTSTR text, DWORD tag)
{
    CString shown(name);
    if (m_readOnly || IsFixedName(name))
        shown += "*";
    if (m_showDescriptions && m_workingObject != NULL)
    {
        OnBeforeLoad(name);
        m_workingObject->SetText(text);
        m_descriptions.SetAt(name, m_workingObject->GetDescription());
    }
    int index = m_list.AddString(shown);
    if (index >= 0)
        m_list.SetItemData(index, tag);
    ShowCount();
    return index;
}

CString CNamedObjectListDlg::GetItemName(int index) const
{
    CString text;
    if (index < 0 || index >= m_list.GetCount())
        return text;
    m_list.GetText(index, text);
    if (!text.IsEmpty() && text[text.GetLength() - 1] == '*')
        text = text.Left(text.GetLength() - 1);
    return text;
}

CString CNamedObjectListDlg::GetSelectedName() const
{
    return GetItemName(m_list.GetSafeHwnd() != NULL ? m_list.GetCurSel() : -1);
}

CString CNamedObjectListDlg::GetStoredText(LPCTSTR name) const
{
    CString text;
    m_textMap.Lookup(name, text);
    if (text.IsEmpty() && m_defaultTextFn != NULL)
        text = m_defaultTextFn(name, m_parameter1, m_parameter2);
    return text;
}

BOOL CNamedObjectListDlg::NameExists(LPCTSTR name) const
{
    return FindNamedObjectKey(m_textMap, name, NULL);
}

BOOL CNamedObjectListDlg::IsFixedName(LPCTSTR name) const
{
    return IsNamedObjectNameIn(m_fixedNames, name);
}

BOOL CNamedObjectListDlg::IsListFull() const
{
    return m_maximumCount >= 0 && m_list.GetCount() >= m_maximumCount;
}

void CNamedObjectListDlg::SelectItem(int index)
{
    m_list.SetCurSel(index);
    ShowSelectedDescription();
}

void CNamedObjectListDlg::ShowCount()
{
    int count = m_list.GetCount();
    CString text;
    text.Format("%d %s", count, (LPCTSTR)(count == 1 ? m_kindName : m_kindNamePlural));
    text.MakeLower();
    SetDlgItemText(IDC_NAMED_OBJECT_COUNT, text);
}

void CNamedObjectListDlg::ShowSelectedDescription()
{
    if (!m_showDescriptions || m_descriptionLabel.GetSafeHwnd() == NULL)
        return;
    CString description;
    m_descriptions.Lookup(GetSelectedName(), description);
    m_descriptionLabel.SetWindowText(description);
}

BOOL CNamedObjectListDlg::AskForName(LPCTSTR title, LPCTSTR label, LPCTSTR initialName, LPCTSTR alreadyFormat,
                                     LPCTSTR own, CString* name)
{
    CString lowerKind = m_kindName;
    lowerKind.MakeLower();
    CString initial(initialName);
    for (;;)
    {
        CNameEntryDlg entry(IDD_NAME_ENTRY, this);
        entry.SetTitle("%s", title);
        entry.m_label = label;
        entry.m_initialName = initial;
        entry.m_allowEmpty = FALSE;
        entry.m_allowedCharacters = m_wideNameCharacters ? NamedObjectNameCharactersWide : NamedObjectNameCharacters;
        if (entry.DoModal() != IDOK)
            return FALSE;
        *name = entry.m_name;
        BOOL ownName = own != NULL && name->CompareNoCase(own) == 0;
        if (ownName || !NameExists(*name))
            return TRUE;
        ShowError(NULL, 0, alreadyFormat, (LPCTSTR)lowerKind, (LPCTSTR)*name);
        initial = *name;
    }
}

void CNamedObjectListDlg::OnNew()
{
    CNewNamedObjectCommand command(this);
    command.Run();
    UpdateControls();
}

void CNamedObjectListDlg::OnDuplicate()
{
    CDuplicateNamedObjectCommand command(this);
    command.Run();
    UpdateControls();
}

void CNamedObjectListDlg::OnProperties()
{
    CNamedObjectPropertiesCommand command(this);
    command.Run();
    UpdateControls();
}

void CNamedObjectListDlg::OnRename()
{
    CRenameNamedObjectCommand command(this);
    command.Run();
    UpdateControls();
}

void CNamedObjectListDlg::OnDelete()
{
    CDeleteNamedObjectCommand command(this);
    command.Run();
    UpdateControls();
}

void CNamedObjectListDlg::OnUpdateNew(CCmdUI* pCmdUI)
{
    CNewNamedObjectCommand command(this);
    command.UpdateCmdUI(pCmdUI);
}

void CNamedObjectListDlg::OnUpdateDuplicate(CCmdUI* pCmdUI)
{
    CDuplicateNamedObjectCommand command(this);
    command.UpdateCmdUI(pCmdUI);
}

void CNamedObjectListDlg::OnUpdateProperties(CCmdUI* pCmdUI)
{
    CNamedObjectPropertiesCommand command(this);
    command.UpdateCmdUI(pCmdUI);
}

void CNamedObjectListDlg::OnUpdateRename(CCmdUI* pCmdUI)
{
    CRenameNamedObjectCommand command(this);
    command.UpdateCmdUI(pCmdUI);
}

void CNamedObjectListDlg::OnUpdateDelete(CCmdUI* pCmdUI)
{
    CDeleteNamedObjectCommand command(this);
    command.UpdateCmdUI(pCmdUI);
}

void CNamedObjectListDlg::OnSelectionChange()
{
    ShowSelectedDescription();
    UpdateControls();
}

BOOL EditNamedObjectList(CNamedObjectListDlg& dialog, CMapStringToString* textMap, CNamedObjectTagMap* valueMap)
{
    CopyStore(*textMap, *valueMap, &dialog.m_textMap, &dialog.m_valueMap);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    CopyStore(dialog.m_textMap, dialog.m_valueMap, textMap, valueMap);
    return TRUE;
}
