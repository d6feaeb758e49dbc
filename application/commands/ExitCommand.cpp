#include "application/commands/ExitCommand.h"

int CExitCommand::Execute()
{
    CWinApp* app = GetApp();
    if (app == NULL)
        return 0;
    app->OnAppExit();
    return 1;
}
