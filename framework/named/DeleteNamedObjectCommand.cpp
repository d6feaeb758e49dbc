#include "framework/named/DeleteNamedObjectCommand.h"

#include "framework/named/NamedObjectListDlg.h"

CDeleteNamedObjectCommand::CDeleteNamedObjectCommand(CNamedObjectListDlg* dialog)
    : CNamedObjectAction(dialog, IDC_NAMED_OBJECT_DELETE)
{
}

BOOL CDeleteNamedObjectCommand::IsEnabled()
{
    CString name = m_dialog->GetSelectedName();
    return CCommandObject::IsEnabled() && !m_dialog->m_readOnly && !name.IsEmpty() && !m_dialog->IsFixedName(name);
}

int CDeleteNamedObjectCommand::Execute()
{
    CNamedObjectListDlg* dialog = m_dialog;
    CString name = dialog->GetSelectedName();
    int index = dialog->m_list.GetCurSel();
    dialog->m_textMap.RemoveKey(name);
    dialog->m_valueMap.RemoveKey(name);
    dialog->m_descriptions.RemoveKey(name);
    dialog->m_list.DeleteString(index);
    int count = dialog->m_list.GetCount();
    dialog->SelectItem(index < count ? index : count - 1);
    dialog->ShowCount();
    dialog->OnEntryDeleted(name);
    return 1;
}
