#pragma once
// Notes...: the current configuration's notes in a text viewer.
#include "application/main/MainDlgCommand.h"

class CConfigNotesCommand : public CMainDlgCommand
{
public:
    explicit CConfigNotesCommand(CGeneticsMainDlg* dialog);
    // The base allows it and a configuration with a rules section is loaded.
    BOOL IsEnabled() override;
    int Execute() override;
};
