#include "framework/named/DuplicateNamedObjectCommand.h"

#include "framework/named/NamedObjectListDlg.h"

CDuplicateNamedObjectCommand::CDuplicateNamedObjectCommand(CNamedObjectListDlg* dialog)
    : CNamedObjectAction(dialog, IDC_NAMED_OBJECT_DUPLICATE)
{
}

BOOL CDuplicateNamedObjectCommand::IsEnabled()
{
    return CCommandObject::IsEnabled() && !m_dialog->m_noCopyOrEdit && m_dialog->m_workingObject != NULL &&
           !m_dialog->IsListFull() && HasSelection();
}

int CDuplicateNamedObjectCommand::Execute()
{
    CString source = m_dialog->GetSelectedName();
    CString title = "Duplicate " + m_dialog->m_kindName;
    return AddNewEntry(title, "Duplicate of " + source, source, title);
}
