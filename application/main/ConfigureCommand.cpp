#include "application/main/ConfigureCommand.h"

#include "application/config/GeneticsConfigDlg.h"
#include "application/main/GeneticsMainDlg.h"
#include "application/main/MainDlgIds.h"
#include "genetics/GeneticsConfigLoad.h"

CConfigureCommand::CConfigureCommand(CGeneticsMainDlg* dialog) : CMainDlgCommand(dialog, IDC_MAIN_CONFIGURE) {}

int CConfigureCommand::Execute()
{
    const CGeneticsConfig* before = CurrentGeneticsConfig;
    CGeneticsConfigDlg dialog(m_dialog);
    dialog.m_reporting = TRUE;
    // A successful installation has loaded the new configuration already.
    const INT_PTR result = dialog.DoModal();
    // Whatever ended the dialog, nothing stale stays on screen once the
    // loaded configuration changed.
    if (result == IDOK || CurrentGeneticsConfig != before)
    {
        m_dialog->RefreshPhenotypes();
        m_dialog->SetText("");
    }
    return 1;
}
