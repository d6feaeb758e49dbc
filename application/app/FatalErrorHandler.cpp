#include "application/app/FatalErrorHandler.h"

#include "application/app/AppVersion.h"
#include "application/app/FaultReport.h"
#include "application/app/StartupPaths.h"
#include "foundation/files/ProgramFolder.h"

#include <stdio.h>
#include <string.h>
#include <time.h>

namespace
{
FatalErrorHandlerProc InstalledHandler = NULL;
LPTOP_LEVEL_EXCEPTION_FILTER PreviousFilter = NULL;
BOOL FilterInstalled = FALSE;
// Set while the filter runs: a fault of the report routines themselves is left
// to Windows instead of starting a second report.
volatile LONG FilterBusy = 0;
char ReportBuffer[FAULT_REPORT_SIZE];
}  // namespace

BOOL InstallFatalErrorFilter(FatalErrorHandlerProc handler)
{
    InstalledHandler = handler;
    if (!FilterInstalled)
    {
        PreviousFilter = ::SetUnhandledExceptionFilter(FatalErrorFilter);
        FilterInstalled = TRUE;
    }
    return TRUE;
}

void RemoveFatalErrorFilter()
{
    if (!FilterInstalled)
        return;
    // A filter installed after ours stays in force.
    const LPTOP_LEVEL_EXCEPTION_FILTER current = ::SetUnhandledExceptionFilter(PreviousFilter);
    if (current != FatalErrorFilter)
        ::SetUnhandledExceptionFilter(current);
    PreviousFilter = NULL;
    FilterInstalled = FALSE;
}

LONG WINAPI FatalErrorFilter(EXCEPTION_POINTERS* pointers)
{
    if (InstalledHandler == NULL || ::InterlockedExchange(&FilterBusy, 1) != 0)
        return EXCEPTION_CONTINUE_SEARCH;
    InitSymbolEngine();
    LONG result = EXCEPTION_CONTINUE_SEARCH;
    if (!::IsBadCodePtr(reinterpret_cast<FARPROC>(InstalledHandler)))
        result = InstalledHandler(pointers);
    CleanupSymbolEngine();
    ::InterlockedExchange(&FilterBusy, 0);
    return result;
}

void AppendFaultPiece(char* report, const char* piece)
{
    if (piece == NULL)
        return;
    const size_t length = strlen(report);
    const size_t pieceLength = strlen(piece);
    if (pieceLength <= FAULT_REPORT_SIZE - 1 - length)
        memcpy(report + length, piece, pieceLength + 1);
}

void BuildFaultReport(EXCEPTION_POINTERS* pointers, char* report)
{
    report[0] = '\0';
    AppendFaultPiece(report, DescribeFault(pointers));
    AppendFaultPiece(report, "\n");
    AppendFaultPiece(report, DescribeRegisters(pointers));
    AppendFaultPiece(report, "\n");
    for (const char* line = FirstCallStackLine(CALLSTACK_ALL, pointers); line != NULL;
         line = NextCallStackLine(CALLSTACK_ALL, pointers))
    {
        AppendFaultPiece(report, line);
        AppendFaultPiece(report, "\n");
    }
}

BOOL AppendFaultLog(const char* logPath, const char* report)
{
    if (logPath == NULL || logPath[0] == '\0')
        return FALSE;
    FILE* log = fopen(logPath, "at");
    if (log == NULL)
        return FALSE;
    const time_t now = time(NULL);
    const char* stamp = ctime(&now);
    fprintf(log, "\nAt %s%s\\%s v%s %s:\n%s", stamp != NULL ? stamp : "\n", (const char*)ProgramFolder,
            (const char*)ProgramExeName, AppVersionText, AppBuildText, report);
    return fclose(log) == 0;
}

LONG FatalErrorHandler(EXCEPTION_POINTERS* pointers)
{
    BuildFaultReport(pointers, ReportBuffer);
    ::MessageBoxA(NULL, ReportBuffer, "Fatal Application Error", MB_ICONHAND);
    AppendFaultLog(ErrorLogPath, ReportBuffer);
    ::ExitProcess(0);
    return EXCEPTION_EXECUTE_HANDLER;
}
