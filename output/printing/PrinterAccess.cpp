#include "output/printing/PrinterAccess.h"

#include "foundation/windows/GlobalBlocks.h"
#include "foundation/windows/OwnedHandle.h"

#include <string.h>
#include <winspool.h>

namespace
{
    struct CPrinterFreeing
    {
        static HANDLE Empty() { return NULL; }
        static void Free(HANDLE printer) { ::ClosePrinter(printer); }
    };
    using CPrinterHandle = COwnedHandle<HANDLE, CPrinterFreeing>;

    // The printer opened by name, closed when the handle goes out of scope.
    CPrinterHandle OpenPrinterByName(LPCTSTR printerName)
    {
        HANDLE printer = NULL;
        return CPrinterHandle(::OpenPrinterA(const_cast<LPSTR>(printerName), &printer, NULL) ? printer : NULL);
    }

    LONG DriverDevModeSize(const CPrinterHandle& printer, LPCTSTR printerName)
    {
        return ::DocumentPropertiesA(NULL, printer.Get(), const_cast<LPSTR>(printerName), NULL, NULL, 0);
    }
}

BOOL ParsePrinterDevice(LPCTSTR deviceText, CString* driver, CString* printerName, CString* port)
{
    if (driver != NULL)
        driver->Empty();
    if (printerName != NULL)
        printerName->Empty();
    if (port != NULL)
        port->Empty();
    if (deviceText == NULL)
        return FALSE;
    const char* first = strchr(deviceText, ',');
    if (first == NULL)
        return FALSE;
    const char* second = strchr(first + 1, ',');
    if (second == NULL)
        return FALSE;
    if (printerName != NULL)
        *printerName = CString(deviceText, (int)(first - deviceText));
    if (driver != NULL)
        *driver = CString(first + 1, (int)(second - first - 1));
    if (port != NULL)
        *port = second + 1;
    return TRUE;
}

BOOL GetDefaultPrinterInfo(CString* driver, CString* printerName, CString* port)
{
    char device[1024];
    device[0] = '\0';
    if (::GetProfileStringA("windows", "device", "", device, sizeof(device)) == 0)
    {
        ParsePrinterDevice(NULL, driver, printerName, port);
        return FALSE;
    }
    return ParsePrinterDevice(device, driver, printerName, port);
}

CString GetPrinterDescription(LPCTSTR printerName, LPCTSTR port)
{
    CString name = printerName != NULL ? printerName : "";
    CString portText = port != NULL ? port : "";
    bool isDefault = false;
    if (name.IsEmpty() || portText.IsEmpty())
    {
        GetDefaultPrinterInfo(NULL, &name, &portText);
        isDefault = true;
    }
    if (name.IsEmpty() || portText.IsEmpty())
        return CString("'printer not set'");
    CString description = name + " on " + portText;
    if (isDefault)
        description += " (default)";
    return description;
}

HGLOBAL GetPrinterDevMode(LPCTSTR printerName)
{
    const CPrinterHandle printer = OpenPrinterByName(printerName);
    if (!printer)
        return NULL;
    LONG size = DriverDevModeSize(printer, printerName);
    if (size < 1)
        return NULL;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)size);
    if (block == NULL)
        return NULL;
    DEVMODEA* devMode = (DEVMODEA*)::GlobalLock(block);
    LONG result = devMode == NULL ? -1
        : ::DocumentPropertiesA(NULL, printer.Get(), const_cast<LPSTR>(printerName), devMode, NULL, DM_OUT_BUFFER);
    if (devMode != NULL)
        ::GlobalUnlock(block);
    if (result != IDOK)
    {
        ::GlobalFree(block);
        return NULL;
    }
    return block;
}

BOOL EditPrinterDevMode(HWND owner, LPCTSTR printerName, HGLOBAL devMode)
{
    if (devMode == NULL)
        return FALSE;
    const CPrinterHandle printer = OpenPrinterByName(printerName);
    if (!printer)
        return FALSE;

    // The driver writes its whole device mode, which may be larger than the
    // stored block; it writes into a working block of at least its own size.
    LONG driverSize = DriverDevModeSize(printer, printerName);
    if (driverSize < 1)
        return FALSE;
    SIZE_T storedSize = ::GlobalSize(devMode);
    SIZE_T workSize = storedSize > (SIZE_T)driverSize ? storedSize : (SIZE_T)driverSize;
    HGLOBAL work = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, workSize);
    if (work == NULL)
        return FALSE;
    BYTE* workBytes = (BYTE*)::GlobalLock(work);
    const BYTE* stored = workBytes != NULL ? (const BYTE*)::GlobalLock(devMode) : NULL;
    if (stored == NULL)
    {
        if (workBytes != NULL)
            ::GlobalUnlock(work);
        ::GlobalFree(work);
        return FALSE;
    }
    memcpy(workBytes, stored, storedSize);
    ::GlobalUnlock(devMode);

    LONG answer = ::DocumentPropertiesA(owner, printer.Get(), const_cast<LPSTR>(printerName),
                                        (DEVMODEA*)workBytes, (DEVMODEA*)workBytes,
                                        DM_IN_BUFFER | DM_IN_PROMPT | DM_OUT_BUFFER);
    BOOL updated = FALSE;
    if (answer == IDOK)
    {
        // A stored block smaller than the driver's device mode grows in place
        // first; when it cannot, it is left as it was.
        if (storedSize < (SIZE_T)driverSize)
        {
            HGLOBAL grown = ::GlobalReAlloc(devMode, (SIZE_T)driverSize, GMEM_MOVEABLE);
            if (grown == devMode)
                storedSize = ::GlobalSize(devMode);
        }
        if (storedSize >= (SIZE_T)driverSize)
        {
            BYTE* target = (BYTE*)::GlobalLock(devMode);
            if (target != NULL)
            {
                memcpy(target, workBytes, storedSize < workSize ? storedSize : workSize);
                ::GlobalUnlock(devMode);
                updated = TRUE;
            }
        }
    }
    ::GlobalUnlock(work);
    ::GlobalFree(work);
    return updated;
}
