#pragma once
// Duplicate: a name, then the properties of a copy of the selected entry.
#include "framework/named/NamedObjectAction.h"

class CDuplicateNamedObjectCommand : public CNamedObjectAction
{
public:
    explicit CDuplicateNamedObjectCommand(CNamedObjectListDlg* dialog);
    BOOL IsEnabled() override;
    int Execute() override;
};
