#pragma once
// The base of every kind's properties dialog: the dialog base with the named
// object it edits.
#include "framework/dialogs/MyDialog.h"
#include "framework/named/NamedObject.h"

class CNamedObjectPropertiesDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CNamedObjectPropertiesDlg)

public:
    CNamedObjectPropertiesDlg(CNamedObject* object, UINT templateId, CWnd* parent)
        : CMyDialog(templateId, parent), m_object(object)
    {
    }

    CNamedObject* m_object; // not owned
};
