#pragma once
// Ends the program by closing the main window.
#include "application/commands/AppCommand.h"

class CExitCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    int Execute() override;
};
