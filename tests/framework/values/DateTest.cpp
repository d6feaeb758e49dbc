#include "framework/values/Date.h"
#include "framework/values/DateFormats.h"

#include "foundation/settings/RegionalSettings.h"
#include "support/TestApp.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <string>

TEST(DateTest, CalendarArithmetic)
{
    const struct
    {
        int year, month, day, weekday;
    } weekdays[] = {
        {2000, 1, 1, 7}, {2004, 2, 29, 1}, {1970, 1, 1, 5}, {2026, 12, 7, 2},
        {1600, 3, 1, 4}, {1900, 2, 28, 4}, {2100, 3, 1, 2},
    };
    for (const auto& c : weekdays)
        EXPECT_EQ(DayOfWeek(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;

    const struct
    {
        int year, month, days;
    } lengths[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2005, 2, 28}, {2100, 2, 28}, {2005, 1, 31},
        {2005, 4, 30}, {2005, 12, 31}, {2004, 13, -1}, {2004, 0, -1},
    };
    for (const auto& c : lengths)
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
    EXPECT_EQ(CDate(2004, 2, 1).DaysInMonth(), 29);
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(1600));
}

TEST(DateTest, TodayIsTheLocalDate)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CDate today;
    today.SetToday();
    EXPECT_EQ(today, CDate(now.wYear, now.wMonth, now.wDay));
}

TEST(DateTest, ValidationGivesTheFirstProblem)
{
    const struct
    {
        int year, month, day;
        BOOL partial;
        const char* error; // empty: valid
    } cases[] = {
        {1599, 1, 1, TRUE, "Year must be given"},
        {-2005, 1, 1, TRUE, "Year must be given"},
        {2005, 0, 0, FALSE, "The month must be given"},
        {2005, 13, 0, TRUE, "Invalid month"},
        {2005, -1, 1, TRUE, "Invalid month"},
        {2005, 0, 3, TRUE, "The day in the month must not be given unless the month is also given"},
        {2004, 2, 30, TRUE, "Invalid day of the month 30 for February 2004"},
        {2005, 4, -1, FALSE, "Invalid day of the month -1 for April 2005"},
        {2005, 4, 0, FALSE, "The day in the month must be given"},
        {2005, 0, 0, TRUE, ""},
        {2005, 4, 0, TRUE, ""},
        {2004, 2, 29, FALSE, ""},
    };
    for (const auto& c : cases)
    {
        CString error;
        CDate date(1, 2, 3);
        bool valid = *c.error == '\0';
        EXPECT_EQ(date.Set(c.year, c.month, c.day, c.partial, &error), valid ? TRUE : FALSE);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(date, valid ? CDate(c.year, c.month, c.day) : CDate(1, 2, 3));
    }
}

TEST(DateTest, ParsesTypedDates)
{
    const struct
    {
        const char* text;
        const char* format;
        BOOL partial;
        CDate date;        // when it reads
        const char* error; // when it does not
    } cases[] = {
        {"3/4/05", "dd/mm/yy", FALSE, CDate(2005, 4, 3), ""},
        {"3/4/50", "dd/mm/yy", FALSE, CDate(1950, 4, 3), ""},
        {"3/4/19", "dd/mm/yy", FALSE, CDate(2019, 4, 3), ""},
        {"", "dd/mm/yy", FALSE, CDate(), ""},
        {"?/12/2004", "(dd(/mm/yyyy", TRUE, CDate(2004, 12, 0), ""},
        {"0/12/2004", "(dd(/mm/yyyy", TRUE, CDate(2004, 12, 0), ""},
        {"03042005", "ddmmyyyy", FALSE, CDate(2005, 4, 3), ""},
        {" 3 - sept - 2005 ", "dd-mmmm-yyyy", FALSE, CDate(2005, 9, 3), ""},
        {"3 May 2005", "dd mmm yyyy", FALSE, CDate(2005, 5, 3), ""},
        {"3 jUNE 2005", "dd mmmm yyyy", FALSE, CDate(2005, 6, 3), ""},
        {"3 April 2005", "(dddd( d( mmmm yyyy", FALSE, CDate(2005, 4, 3), ""},
        {"31/02/2004", "dd/mm/yyyy", FALSE, CDate(), "Invalid day of the month 31 for February 2004"},
        {"12/2004", "(dd(/mm/yyyy", TRUE, CDate(), "Invalid month"},
        {"3/4", "dd/mm/yy", FALSE, CDate(), "Date is incomplete\n\nExpected date format is dd/mm/yy."},
        {"x/4/05", "dd/mm/yy", FALSE, CDate(),
         "Date error, 'x' seen but a number was expected\n\nExpected date format is dd/mm/yy."},
        {"3/Foo/2005", "dd/mmm/yyyy", FALSE, CDate(), "Invalid month\n\nExpected date format is dd/mmm/yyyy."},
        {"3 Ma 2005", "dd mmm yyyy", FALSE, CDate(),
         "The month 'Ma' is ambiguous\n\nExpected date format is dd mmm yyyy."},
        {"3 Ju 2005", "dd mmmm yyyy", FALSE, CDate(),
         "The month 'Ju' is ambiguous\n\nExpected date format is dd mmmm yyyy."},
        {"3/4/-5", "dd/mm/yy", FALSE, CDate(),
         "Date error, '-5' is not a year: years may not be negative\n\nExpected date format is dd/mm/yy."},
        {"-3/4/2005", "dd/mm/yyyy", FALSE, CDate(), "Invalid day of the month -3 for April 2005"},
        {"3-4-2005", "dd-mm-yyyy", FALSE, CDate(2005, 4, 3), ""},
    };
    for (const auto& c : cases)
    {
        CString error;
        CDate date(1, 1, 1);
        bool valid = *c.error == '\0';
        EXPECT_EQ(date.Parse(c.text, c.format, c.partial, &error), valid ? TRUE : FALSE) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        if (valid)
        {
            EXPECT_EQ(date, c.date) << c.text;
        }
    }
    CDate date;
    EXPECT_FALSE(date.Parse("3/4", "dd/mm/yy", FALSE, NULL));
}

namespace
{
    // 3 April 2005 written in a format (weekdays, ages and brackets left out).
    std::string WriteDate(const CString& format)
    {
        std::string text;
        int position = 0;
        for (;;)
        {
            CString literal;
            const DateFormatElement* element = GetNextDateFormatElement(format, &position, &literal);
            literal.Remove('(');
            text += (LPCTSTR)literal;
            if (element == NULL)
                return text;
            const std::string name = element->text;
            if (name == "dd" || name == "mm" || name == "yy")
                text += name == "dd" ? "03" : name == "mm" ? "04" : "05";
            else if (name == "d" || name == "m")
                text += name == "d" ? "3" : "4";
            else if (name == "mmm" || name == "mmmm")
                text += name == "mmm" ? "Apr" : "April";
            else if (name == "yyyy")
                text += "2005";
        }
    }
}

TEST(DateFormatsTest, EveryFormatReadsTheDatesItWrites)
{
    InitDateFormats();
    CDateFormatLists& lists = DateFormatLists();
    ASSERT_EQ(lists.formats.GetSize(), 72);
    ASSERT_EQ(lists.displayFormats.GetSize(), 85);
    int read = 0;
    for (const CStringArray* formats : {&lists.formats, &lists.displayFormats})
    {
        for (int i = 0; i < formats->GetSize(); i++)
        {
            const CString& format = formats->GetAt(i);
            if (format.Find('y') < 0 || format.Find('m') < 0 || format.Find("months") >= 0)
                continue;
            std::string text = WriteDate(format);
            CDate date;
            CString error;
            EXPECT_TRUE(date.Parse(text.c_str(), format, FALSE, &error)) << format << ": " << error;
            EXPECT_EQ(date, CDate(2005, 4, 3)) << format << " " << text;
            ++read;
        }
    }
    EXPECT_EQ(read, 72 + 74);
}

TEST(DateFormatsTest, ListsPairEachFormatWithItsDescription)
{
    InitDateFormats();
    CDateFormatLists& lists = DateFormatLists();
    EXPECT_EQ(lists.formats[5], "dd/mmm/yy");
    EXPECT_EQ(lists.descriptions[5], "dd/mon/yy");
    EXPECT_EQ(lists.formats[0], "dd/mm/yyyy");
    EXPECT_EQ(lists.descriptions[0], "dd/mm/yyyy");
    EXPECT_EQ(lists.exportFormats.GetSize(), 72);
    EXPECT_EQ(lists.importDescriptions[71], "yyyy mon dd");
    EXPECT_EQ(lists.displayFormats[79], "ddd");
    EXPECT_EQ(lists.displayDescriptions[77], "age in months not including years");

    CString literal;
    int position = 0;
    const DateFormatElement* element = GetNextDateFormatElement("(dddd( d( 'mmmm", &position, &literal);
    ASSERT_NE(element, nullptr);
    EXPECT_STREQ(element->text, "dddd");
    element = GetNextDateFormatElement("(dddd( d( 'mmmm", &position, &literal);
    element = GetNextDateFormatElement("(dddd( d( 'mmmm", &position, &literal);
    ASSERT_NE(element, nullptr);
    EXPECT_STREQ(element->text, "mmmm");
    EXPECT_EQ(literal, "(( ( ");
    EXPECT_EQ(GetNextDateFormatElement("(dddd( d( 'mmmm", &position, NULL), nullptr);
    position = 0;
    EXPECT_EQ(GetNextDateFormatElement("qq", &position, NULL), nullptr);
}

TEST(DateFormatsTest, RegionalDefaultFollowsTheDateOrder)
{
    char saved[16] = "";
    BOOL had = ::GetProfileStringA("intl", "iDate", "", saved, sizeof(saved)) > 0;
    const struct
    {
        const char* order;
        const char* format;
        const char* partial;
    } cases[] = {
        {"0", "mm/dd/yyyy", "mm/dd/yyyy"},
        {"1", "dd/mm/yyyy", "(dd(/mm/yyyy"},
        {"2", "yyyy/mm/dd", "yyyy/mm/dd"},
        {"7", "mm/dd/yyyy", "mm/dd/yyyy"},
    };
    for (const auto& c : cases)
    {
        ::WriteProfileStringA("intl", "iDate", c.order);
        EXPECT_EQ(GetRegionalDateFormat(FALSE), c.format);
        EXPECT_EQ(GetRegionalDateFormat(TRUE), c.partial);
    }
    ::WriteProfileStringA("intl", "iDate", NULL);
    EXPECT_EQ(GetRegionalDateFormat(FALSE), IsCountryEuropean() ? "dd/mm/yyyy" : "mm/dd/yyyy");
    ::WriteProfileStringA("intl", "iDate", had ? saved : NULL);
}

TEST(DateFormatsTest, AStoredFormatOutsideTheListBecomesTheDefault)
{
    CTestRegistryKey registry("KestrovaDateFormatTest");
    CTestApp app("KestrovaDateFormatTest");
    InitDateFormats();
    const CStringArray& display = DateFormatLists().displayFormats;
    CString value = "dd/mon/yy";
    ExchangeDateFormatSetting(NULL, FALSE, "Preferences", "OutputDateFormat", "(dd(/mm/yyyy", value, NULL, display);
    ExchangeDateFormatSetting(NULL, TRUE, "Preferences", "OutputDateFormat", "(dd(/mm/yyyy", value, NULL, display);
    EXPECT_EQ(value, "(dd(/mm/yyyy");

    value = "yyyy mmm dd";
    ExchangeDateFormatSetting(NULL, FALSE, "Preferences", "OutputDateFormat", "(dd(/mm/yyyy", value, NULL, display);
    value.Empty();
    ExchangeDateFormatSetting(NULL, TRUE, "Preferences", "OutputDateFormat", "(dd(/mm/yyyy", value, NULL, display);
    EXPECT_EQ(value, "yyyy mmm dd");

    CString copy = "YYYY MMM DD";
    ExchangeDateFormatSetting(NULL, TRUE, "Preferences", "OutputDateFormat", "(dd(/mm/yyyy", value, &copy, display);
    EXPECT_EQ(copy, "yyyy mmm dd");
}

TEST(DateTest, CalendarStepsCrossMonthAndYearEnds)
{
    const struct
    {
        CDate from;
        int days, months;
        CDate to;
    } cases[] = {
        {CDate(2004, 1, 31), 0, 1, CDate(2004, 2, 29)},  {CDate(2005, 1, 31), 0, 1, CDate(2005, 2, 28)},
        {CDate(2005, 12, 31), 1, 0, CDate(2006, 1, 1)},  {CDate(2005, 3, 1), -1, 0, CDate(2005, 2, 28)},
        {CDate(2005, 3, 3), -7, 0, CDate(2005, 2, 24)},  {CDate(2004, 1, 31), 30, 0, CDate(2004, 3, 1)},
        {CDate(2005, 1, 2), -7, 0, CDate(2004, 12, 26)}, {CDate(2004, 2, 29), 0, 12, CDate(2005, 2, 28)},
        {CDate(2005, 1, 15), 0, -13, CDate(2003, 12, 15)},
    };
    for (const auto& c : cases)
    {
        CDate date = c.from;
        date.AddDays(c.days);
        date.AddMonths(c.months);
        EXPECT_EQ(date, c.to) << c.from.m_year << "-" << c.from.m_month << "-" << c.from.m_day;
    }
}
