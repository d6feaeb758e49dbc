#include "application/commands/SendMailCommand.h"

#include "framework/shell/WebAddresses.h"

CString CSendMailCommand::GetAddress()
{
    return ExpandAddressTemplate(SupportMailAddressTemplate);
}

int CSendMailCommand::Execute()
{
    OpenMailToAddress(GetAddress(), NULL);
    return 1;
}
