#include "framework/values/DateFormats.h"

#include "foundation/settings/RegionalSettings.h"
#include "foundation/settings/ProfileExchange.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/text/StringLists.h"

#include <memory>
#include <string.h>

const char DateSeparatorCharacters[] = " !\"\xA3$%^&*()_-+={}[]~#@':;/<>.,|\\";

namespace
{
    // In the order a format is matched against them, so the longest wins.
    const DateFormatElement elements[] = {
        {"dddd", DATE_ELEMENT_WEEKDAY, FALSE},   {"ddd", DATE_ELEMENT_WEEKDAY, TRUE},
        {"dd", DATE_ELEMENT_DAY, FALSE},         {"d", DATE_ELEMENT_DAY, FALSE},
        {"mmmm", DATE_ELEMENT_MONTH_NAME, FALSE}, {"mmm", DATE_ELEMENT_MONTH_NAME, TRUE},
        {"mm", DATE_ELEMENT_MONTH, FALSE},       {"m", DATE_ELEMENT_MONTH, FALSE},
        {"yyyy", DATE_ELEMENT_YEAR, FALSE},      {"yy", DATE_ELEMENT_YEAR, FALSE},
        {"days", DATE_ELEMENT_AGE, FALSE},       {"months", DATE_ELEMENT_AGE, FALSE},
        {"years", DATE_ELEMENT_AGE, FALSE},      {"andmonths", DATE_ELEMENT_AGE, FALSE},
    };

    const char* const fullDateEntries[] = {
        "dd/mm/yyyy", "dd-mm-yyyy", "dd.mm.yyyy", "dd mm yyyy", "ddmmyyyy", "dd/mmm/yy;dd/mon/yy",
        "dd-mmm-yy;dd-mon-yy", "dd.mmm.yy;dd.mon.yy", "dd mmm yy;dd mon yy", "dd/mm/yy", "dd-mm-yy",
        "dd.mm.yy", "dd mm yy", "ddmmyy", "dd/mmm/yyyy;dd/mon/yyyy", "dd-mmm-yyyy;dd-mon-yyyy",
        "dd.mmm.yyyy;dd.mon.yyyy", "dd mmm yyyy;dd mon yyyy", "mm/dd/yy", "mm-dd-yy", "mm.dd.yy",
        "mm dd yy", "mmddyy", "mmm/dd/yy;mon/dd/yy", "mmm-dd-yy;mon-dd-yy", "mmm.dd.yy;mon.dd.yy",
        "mmm dd yy;mon dd yy", "mm/dd/yyyy", "mm-dd-yyyy", "mm.dd.yyyy", "mm dd yyyy", "mmddyyyy",
        "mmm/dd/yyyy;mon/dd/yyyy", "mmm-dd-yyyy;mon-dd-yyyy", "mmm.dd.yyyy;mon.dd.yyyy",
        "mmm dd yyyy;mon dd yyyy", "yyyy/dd/mm", "yyyy-dd-mm", "yyyy.dd.mm", "yyyy dd mm", "yyyyddmm",
        "yy/dd/mmm;yy/dd/mon", "yy-dd-mmm;yy-dd-mon", "yy.dd.mmm;yy.dd.mon", "yy dd mmm;yy dd mon",
        "yy/dd/mm", "yy-dd-mm", "yy.dd.mm", "yy dd mm", "yyddmm", "yyyy/dd/mmm;yyyy/dd/mon",
        "yyyy-dd-mmm;yyyy-dd-mon", "yyyy.dd.mmm;yyyy.dd.mon", "yyyy dd mmm;yyyy dd mon", "yy/mm/dd",
        "yy-mm-dd", "yy.mm.dd", "yy mm dd", "yymmdd", "yy/mmm/dd;yy/mon/dd", "yy-mmm-dd;yy-mon-dd",
        "yy.mmm.dd;yy.mon.dd", "yy mmm dd;yy mon dd", "yyyy/mm/dd", "yyyy-mm-dd", "yyyy.mm.dd",
        "yyyy mm dd", "yyyymmdd", "yyyy/mmm/dd;yyyy/mon/dd", "yyyy-mmm-dd;yyyy-mon-dd",
        "yyyy.mmm.dd;yyyy.mon.dd", "yyyy mmm dd;yyyy mon dd",
    };

    const char* const displayEntries[] = {
        "(dd(/mm/yy;dd/mm/yy", "(dd( mm yy;dd mm yy", "(dd(-mm-yy;dd-mm-yy", "(dd(.mm.yy;dd.mm.yy",
        "(dd(/mmm/yy;dd/mon/yy", "(dd( mmm yy;dd mon yy", "(dd(-mmm-yy;dd-mon-yy",
        "(dd(.mmm.yy;dd.mon.yy", "(dd(/mm/yyyy;dd/mm/yyyy", "(dd( mm yyyy;dd mm yyyy",
        "(dd(-mm-yyyy;dd-mm-yyyy", "(dd(.mm.yyyy;dd.mm.yyyy", "(dd(/mmm/yyyy;dd/mon/yyyy",
        "(dd( mmm yyyy;dd mon yyyy", "(dd(-mmm-yyyy;dd-mon-yyyy", "(dd(.mmm.yyyy;dd.mon.yyyy",
        "ddmmyy;ddmmyy", "ddmmyyyy;ddmmyyyy", "mm/dd/yy;mm/dd/yy", "mm dd yy;mm dd yy", "mmddyy;mmddyy",
        "mm-dd-yy;mm-dd-yy", "mm.dd.yy;mm.dd.yy", "mmm/dd/yy;mon/dd/yy", "mmm dd yy;mon dd yy",
        "mmm-dd-yy;mon-dd-yy", "mmm.dd.yy;mon.dd.yy", "mm/dd/yyyy;mm/dd/yyyy", "mm dd yyyy;mm dd yyyy",
        "mmddyyyy;mmddyyyy", "mm-dd-yyyy;mm-dd-yyyy", "mm.dd.yyyy;mm.dd.yyyy",
        "mmm/dd/yyyy;mon/dd/yyyy", "mmm dd yyyy;mon dd yyyy", "mmm-dd-yyyy;mon-dd-yyyy",
        "mmm.dd.yyyy;mon.dd.yyyy", "yy/dd/mm", "yy-dd-mm", "yy.dd.mm", "yy dd mm", "yyddmm",
        "yy/dd/mmm;yy/dd/mon", "yy-dd-mmm;yy-dd-mon", "yy.dd.mmm;yy.dd.mon", "yy dd mmm;yy dd mon",
        "yyyy/dd/mm", "yyyy-dd-mm", "yyyy.dd.mm", "yyyy dd mm", "yyyyddmm", "yyyy/dd/mmm;yyyy/dd/mon",
        "yyyy-dd-mmm;yyyy-dd-mon", "yyyy.dd.mmm;yyyy.dd.mon", "yyyy dd mmm;yyyy dd mon", "yy/mm/dd",
        "yy-mm-dd", "yy.mm.dd", "yy mm dd", "yymmdd", "yy/mmm/dd;yy/mon/dd", "yy-mmm-dd;yy-mon-dd",
        "yy.mmm.dd;yy.mon.dd", "yy mmm dd;yy mon dd", "yyyy/mm/dd", "yyyy-mm-dd", "yyyy.mm.dd",
        "yyyy mm dd", "yyyymmdd", "yyyy/mmm/dd;yyyy/mon/dd", "yyyy-mmm-dd;yyyy-mon-dd",
        "yyyy.mmm.dd;yyyy.mon.dd", "yyyy mmm dd;yyyy mon dd",
        "(dddd( d( mmmm yyyy;weekday day month yyyy", "(ddd( dd( mmm yyyy;wday dd mon yyyy",
        "days;age in days", "months;age in months", "years;age in years",
        "andmonths;age in months not including years", "dd", "ddd;wday", "dddd;weekday", "mm", "mmm;mon",
        "yy", "yyyy",
    };

    struct NameList
    {
        const char* term;
        const char* english;
        std::unique_ptr<CString> names;
    };
    NameList nameLists[] = {
        {"Weekdays", "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday", nullptr},
        {"WeekdaysAbbrev", "Sun,Mon,Tue,Wed,Thu,Fri,Sat", nullptr},
        {"Months", "January,February,March,April,May,June,July,August,September,October,November,December", nullptr},
        {"MonthsAbbrev", "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec", nullptr},
    };

    const CString& Names(NameList& list)
    {
        if (list.names == NULL)
        {
            CString text;
            if (!TermsMap.Lookup(list.term, text) || text.IsEmpty())
                text = list.english;
            list.names = std::make_unique<CString>(text);
        }
        return *list.names;
    }

    template <size_t N>
    void SplitEntries(const char* const (&entries)[N], CStringArray& formats, CStringArray& descriptions)
    {
        formats.RemoveAll();
        descriptions.RemoveAll();
        for (const char* entry : entries)
        {
            CString format, description;
            SplitDateFormatEntry(entry, &format, &description);
            formats.Add(format);
            descriptions.Add(description);
        }
    }
}

const DateFormatElement* GetNextDateFormatElement(LPCTSTR format, int* position, CString* literal)
{
    const char* p = format + *position;
    while (*p != '\0' && strchr(DateSeparatorCharacters, *p) != NULL)
    {
        if (literal != NULL && *p != '\'')
            *literal += *p;
        p++;
    }
    *position = (int)(p - format);
    if (*p == '\0')
        return NULL;
    for (const DateFormatElement& element : elements)
    {
        size_t length = strlen(element.text);
        if (strncmp(p, element.text, length) == 0)
        {
            *position += (int)length;
            return &element;
        }
    }
    return NULL;
}

const CString& GetMonthNameList(BOOL abbreviated)
{
    return Names(nameLists[abbreviated ? 3 : 2]);
}

const CString& GetWeekdayNameList(BOOL abbreviated)
{
    return Names(nameLists[abbreviated ? 1 : 0]);
}

void ReleaseDateNames()
{
    for (NameList& list : nameLists)
    {
        list.names.reset();
    }
}

CDateFormatLists& DateFormatLists()
{
    static CDateFormatLists lists;
    return lists;
}

void SplitDateFormatEntry(LPCTSTR entry, CString* format, CString* description)
{
    const char* semicolon = strchr(entry, ';');
    if (semicolon == NULL)
    {
        *format = entry;
        *description = entry;
        return;
    }
    *format = CString(entry, (int)(semicolon - entry));
    *description = semicolon + 1;
}

void InitDateFormats()
{
    CDateFormatLists& lists = DateFormatLists();
    SplitEntries(fullDateEntries, lists.formats, lists.descriptions);
    SplitEntries(fullDateEntries, lists.exportFormats, lists.exportDescriptions);
    SplitEntries(fullDateEntries, lists.importFormats, lists.importDescriptions);
    SplitEntries(displayEntries, lists.displayFormats, lists.displayDescriptions);
}

CString GetRegionalDateFormat(BOOL allowPartial)
{
    int order = (int)::GetProfileIntA("intl", "iDate", -1);
    if (order == -1)
        order = IsCountryEuropean() ? 1 : 0;
    if (order == 1)
        return allowPartial ? "(dd(/mm/yyyy" : "dd/mm/yyyy";
    if (order == 2)
        return "yyyy/mm/dd";
    return "mm/dd/yyyy";
}

void ExchangeDateFormatSetting(int* changed, BOOL load, LPCTSTR section, LPCTSTR key,
                               LPCTSTR defaultFormat, CString& value, CString* copy,
                               const CStringArray& list)
{
    ExchangeProfileString(changed, load, section, key, defaultFormat, value, copy);
    if (load && copy == NULL && FindStringInArray(list, value, TRUE) < 0)
        value = defaultFormat;
}
