#pragma once
// The current local date and time as a short text of the pieces asked for.
#include "afx/core/AfxCore.h"

enum DateTimeTextFlags
{
    DATETEXT_WEEKDAY = 1,  // "Mon"
    DATETEXT_MONTH = 2,    // "Jan"
    DATETEXT_DAY = 4,      // "07"
    DATETEXT_TIME = 8,     // "14:05", after ", "
    DATETEXT_YEAR = 16,    // "2005"
    DATETEXT_CENTURY = 32  // "20", the first two digits of the year
};

CString GetDateTimeText(DWORD flags);
// The same for a given ctime-style text (25 characters); null gives an
// empty text.
CString BuildDateTimeText(const char* ctimeText, DWORD flags);
