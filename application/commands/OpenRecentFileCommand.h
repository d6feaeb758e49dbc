#pragma once
// Opens one of the recently used databases; the first entry's update fills
// (or disables) the recent-file entries of the menu for all of them.
#include "application/commands/AppCommand.h"

class COpenRecentFileCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    int Execute() override;
    void UpdateCmdUI(CCmdUI* pCmdUI) override;
};
