// The application's tests run with the hooks that the program installs when
// it starts: the configuration reader makes the real selection elements, the
// messages are the program's own and its message box can print. Like the
// program, they report a printer problem once: the message box that reports
// it looks for the printer too.
#include "application/app/ApplicationHooks.h"
#include "output/printing/PrinterProblems.h"
#include "support/BeforeTests.h"

namespace
{
void InstallAsTheProgramStarts()
{
    ReportPrinterProblemsOnce = TRUE;
    InstallApplicationHooks();
}

const bool installed = RunBeforeTests(&InstallAsTheProgramStarts);
}
