#include "framework/named/RenameNamedObjectCommand.h"

#include "framework/named/NamedObjectListDlg.h"

CRenameNamedObjectCommand::CRenameNamedObjectCommand(CNamedObjectListDlg* dialog)
    : CNamedObjectAction(dialog, IDC_NAMED_OBJECT_RENAME)
{
}

BOOL CRenameNamedObjectCommand::IsEnabled()
{
    CString name = m_dialog->GetSelectedName();
    return CCommandObject::IsEnabled() && !m_dialog->m_readOnly && !name.IsEmpty() && !m_dialog->IsFixedName(name);
}

int CRenameNamedObjectCommand::Execute()
{
    CNamedObjectListDlg* dialog = m_dialog;
    CString oldName = dialog->GetSelectedName();
    CString lowerKind = dialog->m_kindName;
    lowerKind.MakeLower();
    CString title = "Rename " + dialog->m_kindName;
    CString label;
    label.Format("Enter the new name for the %s currently named '%s':", (LPCTSTR)lowerKind, (LPCTSTR)oldName);
    CString newName;
    if (!dialog->AskForName(title, label, oldName,
                            "There is already a %s with the name '%s'. \n\nPlease choose a different name.",
                            oldName, &newName) ||
        newName == oldName)
        return 0;

    CString text;
    DWORD tag = 0;
    dialog->m_textMap.Lookup(oldName, text);
    dialog->m_valueMap.Lookup(oldName, tag);
    dialog->m_textMap.RemoveKey(oldName);
    dialog->m_valueMap.RemoveKey(oldName);
    dialog->m_descriptions.RemoveKey(oldName);
    ReplaceSelectedEntry(newName, text, tag);
    dialog->OnEntryChanged(newName);
    return 1;
}
