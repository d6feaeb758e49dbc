#pragma once

#include "afx/core/AfxCore.h"

// The process's memory counters in KB; FALSE where the process status
// service is missing or on the Windows 95, 98 and Me family.
BOOL GetProcessMemoryCounters(DWORD& workingSet, DWORD& peakWorkingSet,
                              DWORD& pagefileUsage, DWORD& peakPagefileUsage);

// "Mem. Usage ..." for the About box; empty when the counters are missing.
CString GetMemoryUsageText();
CString FormatMemoryUsageText(DWORD workingSet, DWORD peakWorkingSet,
                              DWORD pagefileUsage, DWORD peakPagefileUsage);
