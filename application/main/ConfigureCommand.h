#pragma once
// Configure...: chooses and installs a standard genetics configuration.
#include "application/main/MainDlgCommand.h"

class CConfigureCommand : public CMainDlgCommand
{
public:
    explicit CConfigureCommand(CGeneticsMainDlg* dialog);
    int Execute() override;
};
