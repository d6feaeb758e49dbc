#pragma once
// Date formats: texts of format elements ("dd", "mmm", "yyyy", ...) and
// separator characters, chosen by the user from fixed lists.
#include "afx/core/AfxCore.h"

enum DateElementKind
{
    DATE_ELEMENT_WEEKDAY,
    DATE_ELEMENT_DAY,
    DATE_ELEMENT_MONTH_NAME,
    DATE_ELEMENT_MONTH,
    DATE_ELEMENT_YEAR,
    DATE_ELEMENT_AGE,
};

struct DateFormatElement
{
    const char* text;
    DateElementKind kind;
    BOOL abbreviated; // the abbreviated names (weekdays and months)
};

// The characters that end a field of a typed date.
extern const char DateSeparatorCharacters[];

// The next element of a format from *position, advancing it past the
// element; the separators skipped on the way are appended to *literal (when
// given), except "'". Null when no element follows.
const DateFormatElement* GetNextDateFormatElement(LPCTSTR format, int* position, CString* literal);

// The comma lists of weekday and month names from the terminology (with the
// English names when the terms are not defined), read on first use.
const CString& GetMonthNameList(BOOL abbreviated);
const CString& GetWeekdayNameList(BOOL abbreviated);
// Forgets the lists, so that they are read again (terminology changed).
void ReleaseDateNames();

// The lists of accepted formats with their descriptions: the full-date list
// (with copies for the export and imported-text preferences) and the display
// list, whose dates may lack their day.
struct CDateFormatLists
{
    CStringArray formats, descriptions;
    CStringArray exportFormats, exportDescriptions;
    CStringArray importFormats, importDescriptions;
    CStringArray displayFormats, displayDescriptions;
};
CDateFormatLists& DateFormatLists();
// Fills the lists (start-up).
void InitDateFormats();
// Splits "format;description" (or a bare format, its own description).
void SplitDateFormatEntry(LPCTSTR entry, CString* format, CString* description);

// The default format from the regional settings ("intl", "iDate").
CString GetRegionalDateFormat(BOOL allowPartial);

// Exchanges a date-format preference with the settings store; a loaded value
// that is not exactly one of the list's formats becomes the default.
void ExchangeDateFormatSetting(int* changed, BOOL load, LPCTSTR section, LPCTSTR key,
                               LPCTSTR defaultFormat, CString& value, CString* copy,
                               const CStringArray& list);
