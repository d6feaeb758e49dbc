#include "application/main/ConfigNotesCommand.h"

#include "application/config/ConfigNotesText.h"
#include "application/main/GeneticsMainDlg.h"
#include "application/main/MainDlgIds.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"

CConfigNotesCommand::CConfigNotesCommand(CGeneticsMainDlg* dialog) : CMainDlgCommand(dialog, IDC_MAIN_NOTES) {}

BOOL CConfigNotesCommand::IsEnabled()
{
    return CCommandObject::IsEnabled() && GetGeneticsConfigError().IsEmpty() &&
           CGeneticsMainDlg::GetRulesSection() != NULL;
}

int CConfigNotesCommand::Execute()
{
    ShowConfigNotes(m_dialog, "Genetics Configuration Notes", "Genetics Configuration Notes",
                    CurrentGeneticsConfig->GetNotes());
    return 1;
}
