#include "framework/values/Date.h"

#include "foundation/text/CommaList.h"
#include "foundation/values/NumberText.h"
#include "framework/values/DateFormats.h"

#include <ctype.h>
#include <string.h>
#include <time.h>

namespace
{
    void StepMonth(int* year, int* month, int months)
    {
        int index = *year * 12 + (*month - 1) + months;
        *year = index / 12;
        *month = index % 12 + 1;
    }

    const int monthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

    BOOL Fail(CString* error, const CString& text)
    {
        if (error != NULL)
            *error = text;
        return FALSE;
    }

    BOOL IsSeparator(char c)
    {
        return c != '\0' && strchr(DateSeparatorCharacters, c) != NULL;
    }

    // The fields of a typed date. A minus sign that opens a number (at the
    // start or after another separator) belongs to the number, so that a
    // negative value is seen rather than silently read as positive.
    void SplitFields(LPCTSTR text, CStringArray& fields)
    {
        CString field;
        char previous = 0;
        for (const char* p = text; *p != '\0'; previous = *p++)
        {
            BOOL sign = *p == '-' && field.IsEmpty() && isdigit((unsigned char)p[1]) &&
                        (previous == 0 || IsSeparator(previous));
            if (IsSeparator(*p) && !sign)
            {
                field.TrimLeft();
                field.TrimRight();
                if (!field.IsEmpty())
                    fields.Add(field);
                field.Empty();
            }
            else
                field += *p;
        }
        field.TrimLeft();
        field.TrimRight();
        if (!field.IsEmpty())
            fields.Add(field);
    }

    // The month's number (1..12) for a name or the beginning of exactly one
    // name; 0 when none or several match.
    int FindMonth(LPCTSTR field, BOOL abbreviated)
    {
        const CString& names = GetMonthNameList(abbreviated);
        int index = FindInCommaList(names, field, FALSE);
        if (index >= 0)
            return index + 1;
        index = FindInCommaList(names, field, TRUE);
        if (index < 0)
            return 0;
        CString rest = names;
        int comma = -1;
        for (int i = 0; i <= index; i++)
            comma = rest.Find(',', comma + 1);
        if (comma >= 0 && FindInCommaList(rest.Mid(comma + 1), field, TRUE) >= 0)
            return -1;
        return index + 1;
    }
}

int DayOfWeek(int year, int month, int day)
{
    int a = (14 - month) / 12;
    int y = year - a;
    int m = month + 12 * a - 2;
    return (day + y + y / 4 - y / 100 + y / 400 + 31 * m / 12) % 7 + 1;
}

BOOL IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return -1;
    if (month == 2)
        return IsLeapYear(year) ? 29 : 28;
    return monthLengths[month - 1];
}

CString GetMonthName(int month)
{
    const CString& names = GetMonthNameList(FALSE);
    int start = 0;
    for (int i = 1; i <= 12; i++)
    {
        int comma = names.Find(',', start);
        if (i == month)
            return comma < 0 ? names.Mid(start) : names.Mid(start, comma - start);
        if (comma < 0)
            break;
        start = comma + 1;
    }
    return CString();
}

BOOL ValidateDate(int year, int month, int day, BOOL allowPartial, CString* error)
{
    if (year < 1600)
        return Fail(error, "Year must be given");
    if (month == 0 && !allowPartial)
        return Fail(error, "The month must be given");
    if (month < 0 || month > 12)
        return Fail(error, "Invalid month");
    if (day != 0)
    {
        if (month == 0)
            return Fail(error, "The day in the month must not be given unless the month is also given");
        if (day < 1 || day > DaysInMonth(year, month))
        {
            CString text;
            text.Format("Invalid day of the month %d for %s %d", day, (LPCTSTR)GetMonthName(month), year);
            return Fail(error, text);
        }
    }
    else if (!allowPartial)
        return Fail(error, "The day in the month must be given");
    return TRUE;
}

void CDate::SetToday()
{
    time_t now = time(NULL);
    struct tm* local = localtime(&now);
    if (local == NULL)
        return;
    m_year = local->tm_year + 1900;
    m_month = local->tm_mon + 1;
    m_day = local->tm_mday;
}

BOOL CDate::Set(int year, int month, int day, BOOL allowPartial, CString* error)
{
    if (!ValidateDate(year, month, day, allowPartial, error))
        return FALSE;
    m_year = year;
    m_month = month;
    m_day = day;
    return TRUE;
}

void CDate::AddDays(int days)
{
    m_day += days;
    while (m_day < 1)
    {
        StepMonth(&m_year, &m_month, -1);
        m_day += DaysInMonth();
    }
    while (m_day > DaysInMonth())
    {
        m_day -= DaysInMonth();
        StepMonth(&m_year, &m_month, 1);
    }
}

void CDate::AddMonths(int months)
{
    StepMonth(&m_year, &m_month, months);
    int last = DaysInMonth();
    if (m_day > last)
        m_day = last;
}

BOOL CDate::Parse(LPCTSTR text, LPCTSTR format, BOOL allowPartial, CString* error)
{
    if (text == NULL || *text == '\0')
    {
        *this = CDate();
        return TRUE;
    }
    CString suffix;
    if (error != NULL)
        suffix.Format("\n\nExpected date format is %s.", format);

    CStringArray fields;
    SplitFields(text, fields);
    int nextField = 0;
    CString carried;
    int values[3] = {0, 0, 0}; // year, month, day
    int position = 0;
    for (;;)
    {
        const DateFormatElement* element = GetNextDateFormatElement(format, &position, NULL);
        if (element == NULL)
            return Set(values[0], values[1], values[2], allowPartial, error);
        if (element->kind == DATE_ELEMENT_WEEKDAY || element->kind == DATE_ELEMENT_AGE)
            continue;
        if (carried.IsEmpty() && nextField >= fields.GetSize())
            return Fail(error, "Date is incomplete" + suffix);

        CString field = carried.IsEmpty() ? fields[nextField++] : carried;
        carried.Empty();
        BOOL number = element->kind != DATE_ELEMENT_MONTH_NAME;
        int width = (int)strlen(element->text);
        if (number && field.GetLength() > width)
        {
            // "ddmmyyyy": the rest of the field is the next field.
            carried = field.Mid(width);
            field = field.Left(width);
        }

        int value = 0;
        BOOL dayOrMonth = element->kind != DATE_ELEMENT_YEAR;
        if (field == "?" || (dayOrMonth && field == "0"))
            value = 0;
        else if (number)
        {
            if (!ParseInt(field, &value))
            {
                CString message;
                message.Format("Date error, '%s' seen but a number was expected", (LPCTSTR)field);
                return Fail(error, message + suffix);
            }
            if (element->kind == DATE_ELEMENT_YEAR)
            {
                if (value < 0)
                {
                    CString message;
                    message.Format("Date error, '%s' is not a year: years may not be negative", (LPCTSTR)field);
                    return Fail(error, message + suffix);
                }
                if (value < 20)
                    value += 2000;
                else if (value < 100)
                    value += 1900;
            }
        }
        else
        {
            value = FindMonth(field, element->abbreviated);
            if (value < 0)
            {
                CString message;
                message.Format("The month '%s' is ambiguous", (LPCTSTR)field);
                return Fail(error, message + suffix);
            }
            if (value == 0)
                return Fail(error, "Invalid month" + suffix);
        }
        switch (element->kind)
        {
        case DATE_ELEMENT_YEAR: values[0] = value; break;
        case DATE_ELEMENT_DAY: values[2] = value; break;
        default: values[1] = value; break;
        }
    }
}
