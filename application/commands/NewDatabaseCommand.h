#pragma once
// Creates a new database through the application's file-new, under the wait cursor.
#include "application/commands/AppCommand.h"

class CNewDatabaseCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    // The program keeps no documents (there is no document manager), so
    // the item is disabled: there is nothing to act on.
    BOOL IsEnabled() override { return FALSE; }
    int Execute() override;
};
