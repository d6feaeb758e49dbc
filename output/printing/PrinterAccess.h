#pragma once

#include "afx/core/AfxCore.h"

// The default printer's profile text is "printer name,driver,port".
BOOL ParsePrinterDevice(LPCTSTR deviceText, CString* driver, CString* printerName, CString* port);
BOOL GetDefaultPrinterInfo(CString* driver, CString* printerName, CString* port);
CString GetPrinterDescription(LPCTSTR printerName, LPCTSTR port);

// A new movable block with the driver's whole device mode, or null.
HGLOBAL GetPrinterDevMode(LPCTSTR printerName);

// Lets the user edit the device mode in the driver's own dialog; TRUE when the
// user confirmed and the block was updated.
BOOL EditPrinterDevMode(HWND owner, LPCTSTR printerName, HGLOBAL devMode);
