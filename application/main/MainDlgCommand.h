#pragma once
// The base of the main dialog's button commands: a command object that knows
// the dialog.
#include "framework/messages/CommandObject.h"

class CGeneticsMainDlg;

class CMainDlgCommand : public CCommandObject
{
public:
    CMainDlgCommand(CGeneticsMainDlg* dialog, UINT commandId);

protected:
    CGeneticsMainDlg* m_dialog;
};
