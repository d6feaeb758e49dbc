#pragma once
// Opens the maker's web site in the user's browser.
#include "application/commands/AppCommand.h"

class CVisitWebSiteCommand : public CAppCommand
{
public:
    using CAppCommand::CAppCommand;

    // The address opened: the web-site template with its terms expanded.
    static CString GetAddress();
    int Execute() override;
};
