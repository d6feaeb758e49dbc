#pragma once
// Shows the About window until the user closes it.
#include "application/commands/AppCommand.h"

class CAboutCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    int Execute() override;
};
