#pragma once
// The process-wide cache of printer data: one entry per distinct
// configuration, shared by every holder, the most recently used first.
#include "afx/app/AfxWin.h"
#include "foundation/terminology/NamedStringMap.h"
#include "output/printing/PrinterProblems.h"

class CPrinterData;
class CPrinterPaperConfig;

// The printer data for the configuration, built on first request; null with
// the reason in 'error' when the printer cannot be set up. Every holder
// releases it once.
CPrinterData* GetPrinterData(const CPrinterPaperConfig& config, int mode, CString* error);
void ReleasePrinterData(CPrinterData* data);
// Deletes the entries nobody holds and forgets the paper and tray names.
void FreePrinterDataCache();
// For tests: the number of entries, and an entry's printer data and count.
int GetPrinterDataCacheSize();
CPrinterData* GetCachedPrinterData(int index, int* useCount);

// Paper and tray names by printer, port and device mode.
CNamedStringMap& CachedPaperNames();
CNamedStringMap& CachedTrayNames();

// TRUE when a printer problem should be shown now (see
// output/printing/PrinterProblems.h); marks it shown.
BOOL ShouldReportPrinterProblem();
