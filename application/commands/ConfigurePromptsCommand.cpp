#include "application/commands/ConfigurePromptsCommand.h"

#include "framework/messages/MessagePrompts.h"

BOOL CConfigurePromptsCommand::IsEnabled()
{
    return CAppCommand::IsEnabled() && HasMessagePrompts();
}

int CConfigurePromptsCommand::Execute()
{
    return ConfigureMessagePrompts(NULL);
}
