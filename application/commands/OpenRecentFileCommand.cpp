#include "application/commands/OpenRecentFileCommand.h"

int COpenRecentFileCommand::Execute()
{
    CWinApp* app = GetApp();
    return app != NULL && app->OnOpenRecentFile(commandId) ? 1 : 0;
}

void COpenRecentFileCommand::UpdateCmdUI(CCmdUI* pCmdUI)
{
    // The first entry's update looks after the whole recent-file list.
    CWinApp* app = GetApp();
    if (commandId == ID_FILE_MRU_FILE1 && app != NULL)
        app->OnUpdateRecentFileMenu(pCmdUI);
}
