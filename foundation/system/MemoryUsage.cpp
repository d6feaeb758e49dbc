#include "foundation/system/MemoryUsage.h"

#include "foundation/system/WindowsVersionCode.h"

#include <psapi.h>

namespace
{
    typedef BOOL(WINAPI* GetProcessMemoryInfoFunction)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);

    // Loaded once; the library is optional on the older systems.
    GetProcessMemoryInfoFunction ProcessMemoryInfo()
    {
        static bool loaded = false;
        static GetProcessMemoryInfoFunction function = NULL;
        if (!loaded)
        {
            loaded = true;
            HMODULE library = ::LoadLibraryA("PSAPI.DLL");
            if (library != NULL)
                function = (GetProcessMemoryInfoFunction)::GetProcAddress(library, "GetProcessMemoryInfo");
        }
        return function;
    }

    int WholeMegabytes(DWORD kilobytes)
    {
        return ((int)kilobytes + 1023) / 1024;
    }
}

BOOL GetProcessMemoryCounters(DWORD& workingSet, DWORD& peakWorkingSet,
                              DWORD& pagefileUsage, DWORD& peakPagefileUsage)
{
    workingSet = peakWorkingSet = pagefileUsage = peakPagefileUsage = 0;
    if (WindowsVersionCode < WindowsNT4Code)
        return FALSE;
    GetProcessMemoryInfoFunction function = ProcessMemoryInfo();
    if (function == NULL)
        return FALSE;
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof(counters));
    counters.cb = sizeof(counters);
    if (!function(::GetCurrentProcess(), &counters, sizeof(counters)))
        return FALSE;
    workingSet = (DWORD)(counters.WorkingSetSize >> 10);
    peakWorkingSet = (DWORD)(counters.PeakWorkingSetSize >> 10);
    pagefileUsage = (DWORD)(counters.PagefileUsage >> 10);
    peakPagefileUsage = (DWORD)(counters.PeakPagefileUsage >> 10);
    return TRUE;
}

CString FormatMemoryUsageText(DWORD workingSet, DWORD peakWorkingSet,
                              DWORD pagefileUsage, DWORD peakPagefileUsage)
{
    CString text;
    text.Format("Mem. Usage %dMb (max %dMb) [virt: %dMb (max %dMb)]",
                WholeMegabytes(workingSet), WholeMegabytes(peakWorkingSet),
                WholeMegabytes(pagefileUsage), WholeMegabytes(peakPagefileUsage));
    return text;
}

CString GetMemoryUsageText()
{
    DWORD workingSet, peakWorkingSet, pagefileUsage, peakPagefileUsage;
    if (!GetProcessMemoryCounters(workingSet, peakWorkingSet, pagefileUsage, peakPagefileUsage))
        return CString();
    return FormatMemoryUsageText(workingSet, peakWorkingSet, pagefileUsage, peakPagefileUsage);
}
