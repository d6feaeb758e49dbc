#include "framework/named/NamedObjectPropertiesCommand.h"

#include "foundation/windows/Drawing.h"
#include "framework/named/NamedObjectListDlg.h"
#include "foundation/system/SoundBeep.h"

CNamedObjectPropertiesCommand::CNamedObjectPropertiesCommand(CNamedObjectListDlg* dialog)
    : CNamedObjectAction(dialog, IDC_NAMED_OBJECT_UPDATE)
{
}

BOOL CNamedObjectPropertiesCommand::IsEnabled()
{
    CString name = m_dialog->GetSelectedName();
    return CCommandObject::IsEnabled() && !m_dialog->m_noCopyOrEdit && m_dialog->m_workingObject != NULL &&
           !name.IsEmpty() && !IsNamedObjectNameIn(m_dialog->m_noPropertiesNames, name);
}

int CNamedObjectPropertiesCommand::Execute()
{
    CNamedObjectListDlg* dialog = m_dialog;
    CNamedObject* object = dialog->m_workingObject;
    CString name = dialog->GetSelectedName();
    DWORD tag = 0;
    dialog->m_valueMap.Lookup(name, tag);
    dialog->OnBeforeLoad(name);
    if (!object->SetText(dialog->GetStoredText(name)))
    {
        SoundBeep();
        return 0;
    }
    object->m_tag = tag;
    CString title;
    title.Format(" '%s' %s Properties", (LPCTSTR)name, (LPCTSTR)dialog->m_kindName);
    if (object->EditProperties(dialog, title, FALSE, dialog->m_parameter1, dialog->m_parameter2) == 0)
        return 0;
    ReplaceSelectedEntry(name, object->GetText(), object->m_tag);
    dialog->OnEntryChanged(name);
    return 1;
}
