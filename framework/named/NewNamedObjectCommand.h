#pragma once
// New: a name, then the properties of an object with the kind's defaults.
#include "framework/named/NamedObjectAction.h"

class CNewNamedObjectCommand : public CNamedObjectAction
{
public:
    explicit CNewNamedObjectCommand(CNamedObjectListDlg* dialog);
    BOOL IsEnabled() override;
    int Execute() override;
};
