#pragma once
// Lets the user choose which message prompts are shown; available only
// when a message prompt is registered.
#include "application/commands/AppCommand.h"

class CConfigurePromptsCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    BOOL IsEnabled() override;
    int Execute() override;
};
