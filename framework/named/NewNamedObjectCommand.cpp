#include "framework/named/NewNamedObjectCommand.h"

#include "framework/named/NamedObjectListDlg.h"

CNewNamedObjectCommand::CNewNamedObjectCommand(CNamedObjectListDlg* dialog)
    : CNamedObjectAction(dialog, IDC_NAMED_OBJECT_NEW)
{
}

BOOL CNewNamedObjectCommand::IsEnabled()
{
    return CCommandObject::IsEnabled() && m_dialog->m_workingObject != NULL && !m_dialog->IsListFull();
}

int CNewNamedObjectCommand::Execute()
{
    CString kind = m_dialog->m_kindName;
    CString lowerKind = kind;
    lowerKind.MakeLower();
    return AddNewEntry("New " + kind, "New " + lowerKind, NULL, "New " + kind);
}
