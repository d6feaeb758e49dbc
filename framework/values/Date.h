#pragma once
// A calendar date {year, month, day}, each 0 when not given; the all-zero
// value is the empty date.
#include "afx/core/AfxCore.h"

// 1 for Sunday to 7 for Saturday (Gregorian calendar).
int DayOfWeek(int year, int month, int day);
BOOL IsLeapYear(int year);
// -1 for a month outside 1..12.
int DaysInMonth(int year, int month);
// The month's full name (1..12), empty for any other month.
CString GetMonthName(int month);

// Checks a date; with allowPartial a year alone or a year and month are
// valid. FALSE with the reason in *error (when given).
BOOL ValidateDate(int year, int month, int day, BOOL allowPartial, CString* error);

class CDate
{
public:
    CDate() : m_year(0), m_month(0), m_day(0) {}
    CDate(int year, int month, int day) : m_year(year), m_month(month), m_day(day) {}

    BOOL IsEmpty() const { return m_year == 0 && m_month == 0 && m_day == 0; }
    int DaysInMonth() const { return ::DaysInMonth(m_year, m_month); }
    void SetToday();
    // Validates, then stores; the date is unchanged when it fails.
    BOOL Set(int year, int month, int day, BOOL allowPartial, CString* error);
    // Reads a typed date in a date format; an empty text gives the empty
    // date. FALSE with the reason in *error (when given).
    BOOL Parse(LPCTSTR text, LPCTSTR format, BOOL allowPartial, CString* error);

    // Calendar steps of a complete date: days across month and year ends;
    // months keep the day, or take the new month's last day.
    void AddDays(int days);
    void AddMonths(int months);

    bool operator==(const CDate& other) const
    {
        return m_year == other.m_year && m_month == other.m_month && m_day == other.m_day;
    }

    int m_year;
    int m_month;
    int m_day;
};
