#pragma once
// Update: the properties of the selected entry.
#include "framework/named/NamedObjectAction.h"

class CNamedObjectPropertiesCommand : public CNamedObjectAction
{
public:
    explicit CNamedObjectPropertiesCommand(CNamedObjectListDlg* dialog);
    BOOL IsEnabled() override;
    int Execute() override;
};
