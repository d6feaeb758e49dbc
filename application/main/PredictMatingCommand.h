#pragma once
// Predict Mating: the report of the two parents into the main dialog's pane.
#include "application/main/MainDlgCommand.h"

class CPredictMatingCommand : public CMainDlgCommand
{
public:
    explicit CPredictMatingCommand(CGeneticsMainDlg* dialog);
    // A configuration is loaded and both parents' genotypes are valid.
    BOOL IsEnabled() override;
    int Execute() override;
};
