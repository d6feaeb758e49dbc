#include "framework/controls/ControlPixels.h"
#include "framework/popups/PopupButton.h"
#include "framework/popups/PopupWnd.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "framework/windows/WorkArea.h"
#include "foundation/windows/SystemColours.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

namespace
{
    int selected = 0;
    int cancelled = 0;
    WPARAM selectedValue = 0;

    LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_POPUP_SELECTED)
        {
            ++selected;
            selectedValue = wParam;
        }
        if (message == WM_POPUP_CANCELLED)
            ++cancelled;
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    HWND MakeTopLevel(const char* title, int x)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "KestrovaPopupOwner";
        ::RegisterClassA(&wc);
        return ::CreateWindowA("KestrovaPopupOwner", title, WS_POPUP | WS_VISIBLE | WS_CAPTION, x, 100, 200, 120,
                               NULL, NULL, ::GetModuleHandleA(NULL), NULL);
    }

    // A pop-up that notifies like the framework's own: the value on Accept,
    // "closed" on Cancel, each before the base closes it.
    class CTestPopup : public CPopupWnd
    {
    public:
        static int alive;

        explicit CTestPopup(CWnd* owner) : m_owner(owner) { ++alive; }
        ~CTestPopup() override { --alive; }

        void Accept() override
        {
            NotifySelected(m_owner, 42, 7);
            CPopupWnd::Accept();
        }
        void Cancel() override
        {
            NotifyCancelled(m_owner);
            CPopupWnd::Cancel();
        }

        static CTestPopup* Open(CWnd* owner)
        {
            CTestPopup* popup = new CTestPopup(owner);
            CRect control;
            owner->GetWindowRect(&control);
            CRect rect = CalcPopupRect(control.left, control.bottom, control.left, control.top, 160, 90);
            if (!popup->CreatePopupWindow(owner, rect))
            {
                delete popup;
                return NULL;
            }
            const char* names[] = {"&Year", "&Month"};
            for (int i = 0; i < 2; ++i)
            {
                popup->m_buttons[i].Create(names[i], WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                           CRect(10 + 75 * i, 10, 75 + 75 * i, 34), popup, 100 + i);
                popup->RegisterChild(popup->m_buttons[i].m_hWnd);
            }
            popup->UpdateWindow();
            popup->SetFocus();
            return popup;
        }

        CPopupButton m_buttons[2];
        CWnd* m_owner;
    };
    int CTestPopup::alive = 0;

    void Pump() { PumpWaitingMessages(); }

    class PopupWndTest : public ::testing::Test
    {
    protected:
        PopupWndTest()
        {
            m_ownerWindow = MakeTopLevel("Owner", 100);
            m_other = MakeTopLevel("Other", 400);
            m_owner.Attach(m_ownerWindow);
            selected = cancelled = 0;
            selectedValue = 0;
        }
        ~PopupWndTest() override
        {
            m_owner.Detach();
            ::DestroyWindow(m_ownerWindow);
            ::DestroyWindow(m_other);
            Pump();
        }

        CFrameworkTestApp app;
        HWND m_ownerWindow;
        HWND m_other;
        CWnd m_owner;
    };
}

// Enter accepts, Escape and a focus loss cancel; each closes the pop-up,
// deletes it and tells the owner exactly once, although the closing window
// loses the focus once more on its way out.
TEST_F(PopupWndTest, EachWayOfClosingNotifiesExactlyOnce)
{
    enum Closer { ENTER, ESCAPE, FOCUS_LOSS, FOCUS_LOSS_ACCEPTING };
    for (Closer closer : {ENTER, ESCAPE, FOCUS_LOSS, FOCUS_LOSS_ACCEPTING})
    {
        SCOPED_TRACE(closer);
        selected = cancelled = 0;
        selectedValue = 0;
        CTestPopup* popup = CTestPopup::Open(&m_owner);
        ASSERT_NE(popup, (CTestPopup*)NULL);
        HWND hWnd = popup->m_hWnd;
        ASSERT_TRUE(PumpMessagesUntil([&] { return ::GetFocus() == hWnd; }));
        popup->m_acceptOnFocusLoss = closer == FOCUS_LOSS_ACCEPTING;
        if (closer == ENTER || closer == ESCAPE)
            ::PostMessageA(hWnd, WM_KEYDOWN, closer == ENTER ? VK_RETURN : VK_ESCAPE, 1);
        else
            ::SetFocus(m_other);
        EXPECT_TRUE(PumpMessagesUntil([&] { return !::IsWindow(hWnd); }));
        EXPECT_EQ(CTestPopup::alive, 0);
        bool accepting = closer == ENTER || closer == FOCUS_LOSS_ACCEPTING;
        EXPECT_EQ(selected, accepting ? 1 : 0);
        EXPECT_EQ(cancelled, accepting ? 0 : 1);
        EXPECT_EQ(selectedValue, accepting ? 42u : 0u);
    }
}

TEST_F(PopupWndTest, ItsOwnButtonsKeepItOpen)
{
    CTestPopup* popup = CTestPopup::Open(&m_owner);
    ASSERT_NE(popup, (CTestPopup*)NULL);
    HWND hWnd = popup->m_hWnd;
    HWND button = popup->m_buttons[0].m_hWnd;
    Pump();
    EXPECT_TRUE(SaveWindowScreenshot(hWnd, "framework_popup"));

    ::SetFocus(button);
    Pump();
    ::PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(::GetFocus(), hWnd);
    EXPECT_EQ(selected + cancelled, 0);

    // With closing on focus loss switched off, only a key closes it.
    popup->m_closeOnFocusLoss = FALSE;
    ::SetFocus(m_other);
    Pump();
    EXPECT_TRUE(::IsWindow(hWnd));
    ::SendMessageA(hWnd, WM_KEYDOWN, VK_CANCEL, 1);
    Pump();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(cancelled, 1);
}

// A pop-up's button is a push-button frame with its text centred: black
// while enabled, grey when disabled; pressed, its frame sinks.
TEST_F(PopupWndTest, ItsButtonsShowAPushFrameAndCentredText)
{
    CTestPopup* popup = CTestPopup::Open(&m_owner);
    ASSERT_NE(popup, (CTestPopup*)NULL);
    CPopupButton& button = popup->m_buttons[1];
    const COLORREF face = GetSystemColour(COLOR_BTNFACE), text = GetSystemColour(COLOR_BTNTEXT),
                   grey = GetSystemColour(COLOR_GRAYTEXT);

    CControlPixels up(button.m_hWnd);
    const int w = up.m_width, h = up.m_height;
    EXPECT_NE(up.At(0, 0), face) << "a frame, not a flat face";
    EXPECT_NE(up.At(w - 1, h - 1), face);
    EXPECT_NE(up.At(0, 0), up.At(w - 1, h - 1)) << "lit above, shaded below";
    const RECT letters = up.Bounds(text, {2, 2, w - 2, h - 2});
    ASSERT_LT(letters.left, letters.right);
    EXPECT_NEAR(letters.left, w - letters.right, 3);
    EXPECT_NEAR(letters.top, h - letters.bottom, 3);
    EXPECT_EQ(up.Count(grey, {2, 2, w - 2, h - 2}), 0);

    button.SendMessage(BM_SETSTATE, TRUE);
    CControlPixels pressed(button.m_hWnd);
    EXPECT_NE(pressed.At(0, 0), up.At(0, 0));
    button.SendMessage(BM_SETSTATE, FALSE);

    button.EnableWindow(FALSE);
    CControlPixels disabled(button.m_hWnd);
    EXPECT_EQ(disabled.Count(text, {2, 2, w - 2, h - 2}), 0);
    EXPECT_GT(disabled.Count(grey, {2, 2, w - 2, h - 2}), 10);
    popup->DestroyWindow();
    Pump();
}

TEST_F(PopupWndTest, AnOwnerThatIsGoneHearsNothing)
{
    HWND owner = MakeTopLevel("Short-lived", 250);
    CWnd ownerWnd;
    ownerWnd.Attach(owner);
    CTestPopup* popup = CTestPopup::Open(&ownerWnd);
    ASSERT_NE(popup, (CTestPopup*)NULL);
    HWND hWnd = popup->m_hWnd;
    ownerWnd.Detach();
    ::DestroyWindow(owner);   // takes the pop-up it owns with it
    Pump();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CTestPopup::alive, 0);
    EXPECT_EQ(selected + cancelled, 0);
}

TEST(PopupRectTest, PopupsStayInsideTheWorkArea)
{
    CRect area = GetDesktopWorkArea();
    struct Case { const char* what; CPoint below; int aboveY; CSize size; CRect expected; };
    const Case cases[] = {
        {"below the control", CPoint(area.left + 50, area.top + 60), area.top + 40, CSize(100, 80),
         CRect(area.left + 50, area.top + 60, area.left + 150, area.top + 140)},
        {"above a control at the bottom", CPoint(area.left + 50, area.bottom - 10), area.bottom - 30, CSize(100, 80),
         CRect(area.left + 50, area.bottom - 110, area.left + 150, area.bottom - 30)},
        {"moved left just enough", CPoint(area.right - 40, area.top + 60), area.top + 40, CSize(100, 80),
         CRect(area.right - 100, area.top + 60, area.right, area.top + 140)},
        {"wider than the work area", CPoint(area.left + 20, area.top + 60), area.top + 40,
         CSize(area.Width() + 50, 80), CRect(area.left, area.top + 60, area.right + 50, area.top + 140)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CalcPopupRect(c.below.x, c.below.y, c.below.x, c.aboveY, c.size.cx, c.size.cy), c.expected);
    }
}
