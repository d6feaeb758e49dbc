#pragma once
// Starts a mail message to the maker's support mailbox.
#include "application/commands/AppCommand.h"

class CSendMailCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    // The mailbox written to: the mail template with its terms expanded.
    static CString GetAddress();
    int Execute() override;
};
