#include "application/main/ConfigNotesCommand.h"

#include "application/config/ConfigNotesText.h"
#include "application/main/GeneticsMainDlg.h"
#include "application/main/MainDlgIds.h"
#include "application/viewer/TextViewerDlg.h"
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
    CTextViewerDlg viewer(VIEWER_CLOSE_BUTTON | VIEWER_NO_COPY, m_dialog);
    viewer.SetTitle("Genetics Configuration Notes");
    viewer.m_printTitle = "Genetics Configuration Notes";
    viewer.SetText(BuildConfigNotesText(CurrentGeneticsConfig->GetNotes()));
    viewer.DoModal();
    return 1;
}
