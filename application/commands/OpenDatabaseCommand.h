#pragma once
// Opens an existing database through the application's file-open.
#include "application/commands/AppCommand.h"

class COpenDatabaseCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    // The program keeps no documents (there is no document manager), so
    // the item is disabled: there is nothing to act on.
    BOOL IsEnabled() override { return FALSE; }
    int Execute() override;
};
