#pragma once
// Preferences that the framework's windows read; the application loads them
// from the section "Preferences" at start-up and changes them in its
// preferences dialog.
#include "afx/core/AfxCore.h"

extern BOOL ToolTipsEnabled;          // "ToolTipsEnabled", on by default
extern BOOL AmericanEnglish;          // "AmericanEnglish": American spellings
extern COLORREF DefaultPrintTextColour; // "DefaultPrintTextColour"; 0xFF000000 = none
extern BOOL Use24HourClock;           // "Use24HourClock", off by default
