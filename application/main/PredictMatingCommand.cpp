#include "application/main/PredictMatingCommand.h"

#include "application/main/GeneticsMainDlg.h"
#include "application/main/MainDlgIds.h"
#include "foundation/text/LineBreaks.h"
#include "genetics/GeneticsConfigLoad.h"

CPredictMatingCommand::CPredictMatingCommand(CGeneticsMainDlg* dialog) : CMainDlgCommand(dialog, IDC_MAIN_PREDICT) {}

BOOL CPredictMatingCommand::IsEnabled()
{
    return CurrentGeneticsConfig != NULL && m_dialog->IsParentValid(PARENT_FEMALE) &&
           m_dialog->IsParentValid(PARENT_MALE);
}

int CPredictMatingCommand::Execute()
{
    AfxGetApp()->BeginWaitCursor();
    CString report;
    ConvertLfToCrLf(&report, m_dialog->BuildReport());
    m_dialog->SetText(report);
    AfxGetApp()->EndWaitCursor();
    return 1;
}
