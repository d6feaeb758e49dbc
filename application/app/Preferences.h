#pragma once
// The application-wide preferences kept in the profile section "Preferences":
// loaded at start-up, read by their users, written back at exit when a
// setting changed. The framework's own preferences (tool tips, spelling,
// clock, print colour) and the value formats live with their readers; this
// exchanger moves them all.
#include "afx/AfxCore.h"

extern int BackupCount;
extern CString DefaultLogoPath;
extern CString DefaultLogoText;
extern int DefaultLogoIsPath;
extern int DefaultLogoIsText;
extern CString DataEntryDateFormat;
extern CString ExportDateFormat;
extern CString ImportTextDateFormat;
extern CString OutputDateFormat;
extern CString PositiveListCurrencyFormat, PositiveExportCurrencyFormat, PositiveImportTextCurrencyFormat;
extern CString NegativeListCurrencyFormat, NegativeExportCurrencyFormat, NegativeImportTextCurrencyFormat;
extern int EntColour, EntBg, EntBgAlternate, EntBgSelected;
extern int ListFontPtSize;
extern int AlternatingIndexBackgroundColours;
extern CString BackupDeviceDir;
extern CString RestoreDir;
extern int WarnWhenOverwritingBackups;

// The settings exchanger of the preferences (no page: every value); returns
// nonzero when a value changed.
int ExchangePreferences(DWORD context, BOOL load);
// MeasurementUnits kept within 0..3.
int ClampMeasurementUnits(int units);
