#include "output/printing/PrinterProblems.h"

BOOL ReportPrinterProblemsOnce = FALSE;
BOOL PrinterProblemReported = FALSE;

BOOL MayReportPrinterProblem()
{
    return !(ReportPrinterProblemsOnce && PrinterProblemReported);
}

void NotePrinterProblemReported()
{
    PrinterProblemReported = TRUE;
}
