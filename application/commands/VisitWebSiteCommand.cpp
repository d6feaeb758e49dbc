#include "application/commands/VisitWebSiteCommand.h"

#include "framework/shell/WebAddresses.h"

CString CVisitWebSiteCommand::GetAddress()
{
    return ExpandAddressTemplate(WebSiteAddressTemplate);
}

int CVisitWebSiteCommand::Execute()
{
    OpenWebAddress(GetAddress());
    return 1;
}
