#pragma once
// The base of the commands of the named-object list dialog.
#include "framework/messages/CommandObject.h"

class CNamedObjectListDlg;

class CNamedObjectAction : public CCommandObject
{
public:
    CNamedObjectAction(CNamedObjectListDlg* dialog, UINT commandId);

    CNamedObjectListDlg* m_dialog;

protected:
    // Asks for a name and adds an entry under it: a default object, or a
    // copy of the entry 'source', edited in the kind's properties dialog
    // titled 'editTitle'. 1 when an entry was added.
    int AddNewEntry(LPCTSTR title, LPCTSTR initialName, LPCTSTR source, LPCTSTR editTitle);
    // Stores the text and tag under the name and puts its item, in place of
    // the selected one, back into the list, selected.
    void ReplaceSelectedEntry(LPCTSTR name, LPCTSTR text, DWORD tag);
    BOOL HasSelection() const;
};
