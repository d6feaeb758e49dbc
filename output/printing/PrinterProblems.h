#pragma once
// Printer problems are reported once per run: with ReportPrinterProblemsOnce
// set, a problem message is shown only while PrinterProblemReported is clear,
// and showing it sets that flag.
#include "afx/core/AfxCore.h"

extern BOOL ReportPrinterProblemsOnce;
extern BOOL PrinterProblemReported;

// TRUE when a printer-problem message may be shown now.
BOOL MayReportPrinterProblem();
// Records that a printer-problem message was shown.
void NotePrinterProblemReported();
