#include "framework/values/TimeOfDay.h"

#include "framework/values/ValueFormatSettings.h"

#include <gtest/gtest.h>

TEST(TimeOfDayTest, FormatsWithEitherClock)
{
    const struct
    {
        int minutes;
        const char* twelve;
        const char* twentyFour;
    } cases[] = {
        {0, "12:00am", "00:00"},   {425, "7:05am", "07:05"},  {719, "11:59am", "11:59"},
        {720, "12:00pm", "12:00"}, {779, "12:59pm", "12:59"}, {780, "1:00pm", "13:00"},
        {1439, "11:59pm", "23:59"}, {-1, "", ""},             {1440, "", ""},
    };
    for (const auto& c : cases)
    {
        ValueFormatSettings().use24HourClock = FALSE;
        EXPECT_EQ(CTimeOfDay(c.minutes).Format(), c.twelve) << c.minutes;
        ValueFormatSettings().use24HourClock = TRUE;
        EXPECT_EQ(CTimeOfDay(c.minutes).Format(), c.twentyFour) << c.minutes;
    }
    ResetValueFormatSettings();
}

TEST(TimeOfDayTest, NowIsTheLocalTimeWithoutSeconds)
{
    SYSTEMTIME before, after;
    ::GetLocalTime(&before);
    CTimeOfDay now;
    now.SetToNow();
    ::GetLocalTime(&after);
    int low = before.wHour * 60 + before.wMinute;
    int high = after.wHour * 60 + after.wMinute;
    EXPECT_TRUE(now.m_minutes == low || now.m_minutes == high) << now.m_minutes;
}
