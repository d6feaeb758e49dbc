#include "framework/values/CalculatorPopup.h"

#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "framework/values/CalculatorSequences.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    class CalculatorPopupTest : public ::testing::Test
    {
    protected:
        CCalculatorPopup* Open(double value)
        {
            RECT rect;
            ::GetWindowRect(m_owner.Handle(), &rect);
            return OpenCalculatorPopup(CPoint(rect.left, rect.bottom), CPoint(rect.left, rect.top), m_owner.Wnd(),
                                       value);
        }
        static void Type(CCalculatorPopup* popup, const char* keys)
        {
            for (const char* key = keys; *key != '\0'; key++)
                popup->SendMessage(WM_CHAR, (BYTE)*key, 0);
        }
        // The notification the owner got: 0x40E, 0x40F or 0 (none), with
        // the value of 0x40E.
        UINT Notification(double* value = NULL)
        {
            MSG msg;
            UINT found = 0;
            while (::PeekMessageA(&msg, m_owner.Handle(), WM_USER + 14, WM_USER + 15, PM_REMOVE))
            {
                EXPECT_EQ(found, 0u) << "a second notification";
                found = msg.message;
                unsigned long long bits = ((unsigned long long)(DWORD)msg.wParam << 32) | (DWORD)msg.lParam;
                if (value != NULL)
                    memcpy(value, &bits, sizeof(*value));
            }
            return found;
        }

        CFrameworkTestApp m_app;
        CTestWindow m_owner;
    };
}

TEST_F(CalculatorPopupTest, KeySequencesTypedOnThePopup)
{
    ::ShowWindow(m_owner.Handle(), SW_SHOWNA);
    for (const CalculatorSequence& sequence : calculatorSequences)
    {
        CCalculatorPopup* popup = Open(0.0);
        ASSERT_NE(popup, nullptr);
        HWND window = popup->GetSafeHwnd();
        Type(popup, sequence.keys);
        EXPECT_EQ(popup->GetDisplayText(), sequence.display) << sequence.keys;
        ::SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(Notification(), (UINT)(WM_USER + 15)) << sequence.keys;
    }
}

TEST_F(CalculatorPopupTest, EnterFinishesTheSumAndPostsTheValue)
{
    CCalculatorPopup* popup = Open(12.5);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetDisplayText(), "12.5");
    Type(popup, "*2");
    SaveWindowScreenshot(popup->GetSafeHwnd(), "calculator_popup");
    HWND window = popup->GetSafeHwnd();
    ::SendMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(::IsWindow(window));
    double value = 0;
    EXPECT_EQ(Notification(&value), (UINT)(WM_USER + 14));
    EXPECT_DOUBLE_EQ(value, 25.0);

    popup = Open(0.0);
    window = popup->GetSafeHwnd();
    Type(popup, "1/0=");
    ::SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0); // OK in the error state cancels
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Notification(), (UINT)(WM_USER + 15));
}

TEST_F(CalculatorPopupTest, KeysPressedWithTheMouse)
{
    CCalculatorPopup* popup = Open(0.0);
    ASSERT_NE(popup, nullptr);
    auto click = [&](const char* label) {
        for (const CCalculatorKey& key : popup->m_keys)
        {
            if (key.label == label)
            {
                LPARAM at = MAKELPARAM(key.rect.CenterPoint().x, key.rect.CenterPoint().y);
                popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
                popup->SendMessage(WM_LBUTTONUP, 0, at);
                return;
            }
        }
        ADD_FAILURE() << label;
    };
    click("9");
    click("Del");
    click("4");
    click("+");
    click("3");
    click("=");
    EXPECT_EQ(popup->GetDisplayText(), "7.");
    // Released away from the key that was pressed: nothing happens.
    const CCalculatorKey& five = popup->m_keys[6];
    popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(five.rect.CenterPoint().x, five.rect.CenterPoint().y));
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(popup->GetDisplayText(), "7.");
    HWND window = popup->GetSafeHwnd();
    click("OK");
    MSG msg;
    while (::IsWindow(window) && ::PeekMessageA(&msg, window, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindow(window));
    double value = 0;
    EXPECT_EQ(Notification(&value), (UINT)(WM_USER + 14));
    EXPECT_DOUBLE_EQ(value, 7.0);
}
