#include "application/main/MainDlgCommand.h"

#include "application/main/GeneticsMainDlg.h"

CMainDlgCommand::CMainDlgCommand(CGeneticsMainDlg* dialog, UINT commandId)
    : CCommandObject(dialog, commandId), m_dialog(dialog)
{
}
