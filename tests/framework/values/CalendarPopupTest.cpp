#include "framework/values/CalendarPopup.h"

#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    class CalendarPopupTest : public ::testing::Test
    {
    protected:
        CCalendarPopup* Open(const CDate& date)
        {
            RECT rect;
            ::GetWindowRect(m_owner.Handle(), &rect);
            return OpenCalendarPopup(rect, m_owner.Wnd(), date);
        }
        // The date the owner was sent, or the empty date for a cancel.
        CDate Notified(UINT* message)
        {
            MSG msg;
            *message = 0;
            CDate date;
            while (::PeekMessageA(&msg, m_owner.Handle(), WM_USER + 14, WM_USER + 15, PM_REMOVE))
            {
                EXPECT_EQ(*message, 0u) << "a second notification";
                *message = msg.message;
                if (msg.message == WM_USER + 14)
                    date = CDate((int)msg.wParam, (int)msg.lParam / 100, (int)msg.lParam % 100);
            }
            return date;
        }

        CFrameworkTestApp m_app;
        CTestWindow m_owner;
    };
}

TEST_F(CalendarPopupTest, KeysMoveTheShownDay)
{
    const struct
    {
        CDate from;
        UINT key;
        CDate to;
    } cases[] = {
        {CDate(2005, 12, 31), VK_RIGHT, CDate(2006, 1, 1)}, {CDate(2005, 1, 1), VK_LEFT, CDate(2004, 12, 31)},
        {CDate(2005, 3, 3), VK_UP, CDate(2005, 2, 24)},     {CDate(2005, 2, 24), VK_DOWN, CDate(2005, 3, 3)},
        {CDate(2004, 1, 31), VK_NEXT, CDate(2004, 2, 29)},  {CDate(2004, 3, 31), VK_PRIOR, CDate(2004, 2, 29)},
        {CDate(2004, 5, 0), VK_RIGHT, CDate(2004, 5, 2)},
    };
    for (const auto& c : cases)
    {
        CCalendarPopup* popup = Open(c.from);
        ASSERT_NE(popup, nullptr);
        HWND window = popup->GetSafeHwnd();
        popup->SendMessage(WM_KEYDOWN, c.key, 0);
        EXPECT_EQ(popup->m_date, c.to) << c.from.m_year << "-" << c.from.m_month << "-" << c.from.m_day;
        ::SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_FALSE(::IsWindow(window));
        UINT message = 0;
        EXPECT_EQ(Notified(&message), c.to);
        EXPECT_EQ(message, (UINT)(WM_USER + 14));
    }
}

TEST_F(CalendarPopupTest, ButtonsChangeMonthAndYearAndEscapeCancels)
{
    CCalendarPopup* popup = Open(CDate(2004, 1, 31));
    ASSERT_NE(popup, nullptr);
    HWND window = popup->GetSafeHwnd();
    const struct
    {
        int command;
        CDate to;
    } steps[] = {
        {CCalendarPopup::ID_NEXT_MONTH, CDate(2004, 2, 29)},
        {CCalendarPopup::ID_NEXT_YEAR, CDate(2005, 2, 28)},
        {CCalendarPopup::ID_PREVIOUS_MONTH, CDate(2005, 1, 28)},
        {CCalendarPopup::ID_PREVIOUS_YEAR, CDate(2004, 1, 28)},
    };
    for (const auto& step : steps)
    {
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(step.command, BN_CLICKED),
                       (LPARAM)::GetDlgItem(window, step.command));
        EXPECT_EQ(popup->m_date, step.to) << step.command;
    }
    ::UpdateWindow(window);
    SaveWindowScreenshot(window, "calendar_popup");
    popup->m_lineUnderWeekdays = FALSE;
    ::InvalidateRect(window, NULL, TRUE);
    ::UpdateWindow(window);
    SaveWindowScreenshot(window, "calendar_popup_outlined");
    ::SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(::IsWindow(window));
    UINT message = 0;
    Notified(&message);
    EXPECT_EQ(message, (UINT)(WM_USER + 15));
}

TEST_F(CalendarPopupTest, ClickingADayAcceptsIt)
{
    CCalendarPopup* popup = Open(CDate(2005, 4, 3));
    ASSERT_NE(popup, nullptr);
    HWND window = popup->GetSafeHwnd();
    ::UpdateWindow(window);
    CPoint at = popup->m_dayRects[19].CenterPoint(); // the 20th
    popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(popup->m_date, CDate(2005, 4, 20));
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_FALSE(::IsWindow(window));
    UINT message = 0;
    EXPECT_EQ(Notified(&message), CDate(2005, 4, 20));
}
