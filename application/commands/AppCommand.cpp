#include "application/commands/AppCommand.h"

#include "foundation/terminology/TokenExpander.h"

const char WebSiteAddressTemplate[] = "www.~mirolfdomain~/kestrova/";
const char SupportMailAddressTemplate[] = "kestrova.support@~mirolfdomain~";

CWinApp* CAppCommand::GetApp() const
{
    CObject* object = owner;
    return object != NULL && object->IsKindOf(RUNTIME_CLASS(CWinApp)) ? static_cast<CWinApp*>(owner) : NULL;
}

CString ExpandAddressTemplate(LPCTSTR addressTemplate)
{
    CString address;
    ExpandTokens(addressTemplate, address);
    return address;
}
