#pragma once
// Any fault that nothing else handles ends the program here: a report of what
// faulted, the registers and the call stack is shown under "Fatal Application
// Error", appended to the error log, and the process ends.
#include <windows.h>

typedef LONG (*FatalErrorHandlerProc)(EXCEPTION_POINTERS* pointers);

// Records the handler and, the first time, installs the unhandled-exception
// filter that calls it. Returns TRUE.
BOOL InstallFatalErrorFilter(FatalErrorHandlerProc handler);
// Puts back the filter that was in force before ours, unless another has
// replaced ours since.
void RemoveFatalErrorFilter();
LONG WINAPI FatalErrorFilter(EXCEPTION_POINTERS* pointers);
// Shows and logs the report, then ends the process.
LONG FatalErrorHandler(EXCEPTION_POINTERS* pointers);

enum
{
    FAULT_REPORT_SIZE = 32768
};

// The report of at most FAULT_REPORT_SIZE - 1 characters: each piece is
// appended only when it fits whole; a piece that does not fit is skipped and
// later pieces are still tried.
void BuildFaultReport(EXCEPTION_POINTERS* pointers, char* report);
// Appends one piece when it fits whole; null pieces are skipped.
void AppendFaultPiece(char* report, const char* piece);
// Appends the dated entry for the report to the log file; FALSE when the log
// cannot be written.
BOOL AppendFaultLog(const char* logPath, const char* report);
