#pragma once
// Delete: removes the selected entry without asking.
#include "framework/named/NamedObjectAction.h"

class CDeleteNamedObjectCommand : public CNamedObjectAction
{
public:
    explicit CDeleteNamedObjectCommand(CNamedObjectListDlg* dialog);
    BOOL IsEnabled() override;
    int Execute() override;
};
