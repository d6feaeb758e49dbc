#include "framework/app/Preferences.h"

BOOL ToolTipsEnabled = TRUE;
BOOL AmericanEnglish = FALSE;
COLORREF DefaultPrintTextColour = 0xFF000000;
BOOL Use24HourClock = FALSE;
