#pragma once
// The commands of a field form's pop-up menus: the menu button runs the chosen
// item itself, so the command only has to exist (enabled) for the menu.
#include "framework/messages/CommandObject.h"

class CFieldFormCommand : public CCommandObject
{
public:
    CFieldFormCommand(CCmdTarget* form, UINT commandId) : CCommandObject(form, commandId) {}
    int Execute() override { return 1; }
};
