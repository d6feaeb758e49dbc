#pragma once
// The preferences as one tabbed dialog: general, logo, dates, currency and
// display. OK stores every page the user looked at; the values are written
// to the profile with the other settings.
#include "afx/app/AfxWin.h"

// The pages in their tab order.
enum PreferencesPageIndex
{
    PREFS_GENERAL,
    PREFS_LOGO,
    PREFS_DATES,
    PREFS_CURRENCY,
    PREFS_DISPLAY,
};

// Runs the preferences dialog opened on that page; IDOK or IDCANCEL.
INT_PTR RunPreferencesSheet(CWnd* parent, int firstPage);
