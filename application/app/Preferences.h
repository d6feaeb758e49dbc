#pragma once
// The application-wide preferences kept in the profile section "Preferences":
// loaded at start-up, read by their users, written back at exit when a
// setting changed, and edited on the preference pages. The framework's own preferences (tool tips, spelling,
// clock, print colour) and the value formats live with their readers; this
// exchanger moves them all.
#include "afx/core/AfxCore.h"

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

class CPreferencesPage;

// Moves the preferences. Without a page every value goes between the profile
// and its global; with one, only that page's values go between the globals
// and the page's copies (load: into the page). Returns nonzero when a value
// changed.
int ExchangePreferences(CPreferencesPage* page, BOOL load);
// The settings exchanger of the preferences: every value.
int ExchangeAllPreferences(DWORD context, BOOL load);
// MeasurementUnits kept within 0..3.
int ClampMeasurementUnits(int units);
