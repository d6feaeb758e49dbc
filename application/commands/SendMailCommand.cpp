#include "application/commands/SendMailCommand.h"

#include "framework/metrics/WebAddresses.h"

CString CSendMailCommand::GetAddress()
{
    return ExpandAddressTemplate(SupportMailAddressTemplate);
}

int CSendMailCommand::Execute()
{
    OpenMailToAddress(GetAddress(), NULL);
    return 1;
}
