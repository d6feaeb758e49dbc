#pragma once
// The common base of the application's own commands: a plain command whose
// owner is the application object. The application's command map builds one
// on the stack for each command or update and drops it afterwards.
#include "framework/messages/CommandObject.h"

class CAppCommand : public CCommandObject
{
public:
    CAppCommand(CCmdTarget* owner, UINT commandId) : CCommandObject(owner, commandId, KIND_PLAIN) {}

protected:
    // The owner as the application object (null when it is none).
    CWinApp* GetApp() const;
};

// Where the maker's web site and support mailbox are; the domain is a term,
// so the user's terminology decides it.
extern const char WebSiteAddressTemplate[];
extern const char SupportMailAddressTemplate[];
// An address template with its terms expanded.
CString ExpandAddressTemplate(LPCTSTR addressTemplate);
