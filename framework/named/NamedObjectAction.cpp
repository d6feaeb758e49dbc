#include "framework/named/NamedObjectAction.h"

#include "framework/named/NamedObjectListDlg.h"

CNamedObjectAction::CNamedObjectAction(CNamedObjectListDlg* dialog, UINT commandId)
    : CCommandObject(dialog, commandId), m_dialog(dialog)
{
}

BOOL CNamedObjectAction::HasSelection() const
{
    return !m_dialog->GetSelectedName().IsEmpty();
}

int CNamedObjectAction::AddNewEntry(LPCTSTR title, LPCTSTR initialName, LPCTSTR source, LPCTSTR editTitle)
{
    CNamedObjectListDlg* dialog = m_dialog;
    CString lowerKind = dialog->m_kindName;
    lowerKind.MakeLower();
    CString label;
    label.Format("Enter a name for the new %s:", (LPCTSTR)lowerKind);
    CString name;
    if (!dialog->AskForName(title, label, initialName,
                            "There is already a %s with the name '%s'.\n\nPlease choose a different name.", NULL,
                            &name))
        return 0;

    CString text;
    DWORD tag = (DWORD)-1;
    CNamedObject* object = dialog->m_workingObject;
    if (object != NULL)
    {
        if (source != NULL)
        {
            dialog->OnBeforeLoad(source);
            object->SetText(dialog->GetStoredText(source));
            object->m_tag = 0;
            dialog->m_valueMap.Lookup(source, object->m_tag);
        }
        else
        {
            object->SetDefaults();
            object->m_tag = (DWORD)-1;
        }
        if (object->EditProperties(dialog, editTitle, TRUE, dialog->m_parameter1, dialog->m_parameter2) == 0)
            return 0;
        text = object->GetText();
        tag = object->m_tag;
    }
    dialog->m_textMap.SetAt(name, text);
    dialog->m_valueMap.SetAt(name, tag);
    dialog->SelectItem(dialog->AddEntryItem(name, text, tag));
    dialog->OnEntryAdded(name);
    return 1;
}

void CNamedObjectAction::ReplaceSelectedEntry(LPCTSTR name, LPCTSTR text, DWORD tag)
{
    CNamedObjectListDlg* dialog = m_dialog;
    dialog->m_textMap.SetAt(name, text);
    dialog->m_valueMap.SetAt(name, tag);
    dialog->m_list.DeleteString(dialog->m_list.GetCurSel());
    dialog->SelectItem(dialog->AddEntryItem(name, text, tag));
}
