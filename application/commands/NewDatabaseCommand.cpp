#include "application/commands/NewDatabaseCommand.h"

int CNewDatabaseCommand::Execute()
{
    CWinApp* app = GetApp();
    if (app == NULL)
        return 0;
    app->DoWaitCursor(1);
    app->OnFileNew();
    app->DoWaitCursor(-1);
    return 1;
}
