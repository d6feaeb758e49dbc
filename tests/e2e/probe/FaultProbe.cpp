// A test build of the fatal-error path: arms the program's handler with the
// error log beside this executable, then divides by zero.
#include "application/app/FatalErrorHandler.h"
#include "application/app/StartupPaths.h"
#include "foundation/files/ProgramFolder.h"

#include <windows.h>

volatile int Divisor = 0;

int main()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    ProgramFolder = ProgramFolderOf(path);
    ProgramExeName = "fault_probe";
    ErrorLogPath = ErrorLogPathOf(path);
    InstallFatalErrorFilter(FatalErrorHandler);
    return 100 / Divisor;
}
