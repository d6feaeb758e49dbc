#pragma once
// Rename: a new name for the selected entry; only its letter case may change.
#include "framework/named/NamedObjectAction.h"

class CRenameNamedObjectCommand : public CNamedObjectAction
{
public:
    explicit CRenameNamedObjectCommand(CNamedObjectListDlg* dialog);
    BOOL IsEnabled() override;
    int Execute() override;
};
