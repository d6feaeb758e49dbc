#include "application/commands/OpenDatabaseCommand.h"

int COpenDatabaseCommand::Execute()
{
    CWinApp* app = GetApp();
    if (app == NULL)
        return 0;
    app->OnFileOpen();
    return 1;
}
