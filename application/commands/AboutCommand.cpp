#include "application/commands/AboutCommand.h"

#include "application/about/AboutWnd.h"

int CAboutCommand::Execute()
{
    CAboutWnd::Run();
    return 1;
}
