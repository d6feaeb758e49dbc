// The main frame window as a user meets it: its status bar with the lock keys
// and the clock, the placement it keeps in the profile, the queued messages
// shown one after another, closing refused while settings cannot be saved,
// and commands routed on to the application object.
#include "application/app/MyApp.h"
#include "application/commands/AppCommandIds.h"
#include "application/frame/MainFrameIds.h"
#include "application/frame/MyMainFrame.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/SettingsExchangers.h"
#include "support/WindowScreenshot.h"
#include "framework/values/ValueFormatSettings.h"

#include "support/MessageBoxAnswerer.h"
#include "support/TestApp.h"
#include "support/TestRegistryKey.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <regex>
#include <string>

namespace
{
class MyMainFrameTest : public ::testing::Test
{
protected:
    MyMainFrameTest() : m_registry("KestrovaMainFrameTest"), m_savedPath(GetAppRegistryKeyPath())
    {
        m_savedRoot = GetDefaultRegistryRoot();
        SetAppRegistryKey(m_registry.Path().c_str(), HKEY_CURRENT_USER);
        MainFrameFirstActivation = TRUE;
    }
    ~MyMainFrameTest() override
    {
        for (HWND window : m_frames)
            if (::IsWindow(window))
                ::DestroyWindow(window);
        SetAppRegistryKey(m_savedPath, m_savedRoot);
    }

    // A frame made as the framework makes one: on the heap, gone with its window.
    CMyMainFrame* MakeFrame(const CRect& rect = CRect(40, 40, 640, 440))
    {
        CMyMainFrame* frame = new CMyMainFrame;
        EXPECT_TRUE(frame->Create(NULL, "Kestrova", WS_OVERLAPPEDWINDOW, rect));
        m_frames.push_back(frame->m_hWnd);
        return frame;
    }
    static CRect WindowRect(CWnd* wnd)
    {
        CRect rect;
        wnd->GetWindowRect(&rect);
        return rect;
    }
    // What the platform's status window shows in a pane.
    static std::string PaneText(CMyMainFrame* frame, int pane)
    {
        char text[256] = "";
        frame->m_statusBar.SendMessage(SB_GETTEXTA, pane, (LPARAM)text);
        return text;
    }
    static void Pump()
    {
        MSG msg;
        for (int i = 0; i < 50; i++, ::Sleep(5))
            while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
    }

    CTestRegistryKey m_registry;
    CString m_savedPath;
    HKEY m_savedRoot;
    std::vector<HWND> m_frames;
};
}  // namespace

TEST_F(MyMainFrameTest, StatusBarShowsTheClockInTheChosenFormAndTheLockKeysThatAreOn)
{
    CMyMainFrame* frame = MakeFrame();
    frame->ActivateFrame(SW_SHOW);
    const BOOL saved = ValueFormatSettings().use24HourClock;
    const struct
    {
        BOOL use24Hours;
        const char* form;
    } clocks[] = {{FALSE, "(1[0-2]|[1-9]):[0-5][0-9](am|pm)"}, {TRUE, "([01][0-9]|2[0-3]):[0-5][0-9]"}};
    for (const auto& clock : clocks)
    {
        ValueFormatSettings().use24HourClock = clock.use24Hours;
        // The idle update, as the message loop sends it to the frame's bars.
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        const std::string shown = PaneText(frame, frame->m_statusBar.CommandToIndex(ID_INDICATOR_CLOCK));
        EXPECT_TRUE(std::regex_match(shown, std::regex(clock.form))) << shown;
    }
    ValueFormatSettings().use24HourClock = saved;
    const struct
    {
        UINT id;
        int key;
    } locks[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}};
    for (const auto& lock : locks)
        EXPECT_EQ(PaneText(frame, frame->m_statusBar.CommandToIndex(lock.id)).empty(), (::GetKeyState(lock.key) & 1) == 0)
            << lock.id;

    // The bar lies along the bottom of the client area, as wide as it.
    CRect client, bar;
    frame->GetClientRect(&client);
    frame->ClientToScreen(&client);
    bar = WindowRect(&frame->m_statusBar);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.Width(), client.Width());
    EXPECT_GT(bar.Height(), 0);
    Pump();
    SaveWindowScreenshot(frame->m_hWnd, "main-frame");
}

TEST_F(MyMainFrameTest, PlacementIsRestoredOnTheFirstActivationOnlyAndSavedWhenTheWindowGoes)
{
    const CRect moved(120, 90, 620, 410);
    CMyMainFrame* first = MakeFrame();
    first->ActivateFrame(SW_SHOW);
    EXPECT_NE(WindowRect(first), moved) << "nothing stored yet";
    first->MoveWindow(&moved);
    first->DestroyWindow();

    MainFrameFirstActivation = TRUE;
    CMyMainFrame* second = MakeFrame();
    second->ActivateFrame(SW_SHOW);
    EXPECT_EQ(WindowRect(second), moved) << "restored from the profile";
    EXPECT_FALSE(MainFrameFirstActivation);

    const CRect elsewhere(60, 60, 460, 360);
    second->MoveWindow(&elsewhere);
    second->ActivateFrame(SW_SHOW);
    EXPECT_EQ(WindowRect(second), elsewhere) << "a second activation keeps the window where it is";
}

TEST_F(MyMainFrameTest, WhetherTheStatusBarIsShownIsKeptInTheProfile)
{
    CTestApp app("KestrovaMainFrameTest");
    CMyMainFrame* first = MakeFrame();
    EXPECT_TRUE(first->m_statusBar.GetStyle() & WS_VISIBLE);
    first->ShowControlBar(&first->m_statusBar, FALSE);
    first->SendMessage(WM_CLOSE);

    CMyMainFrame* second = MakeFrame();
    EXPECT_FALSE(second->m_statusBar.GetStyle() & WS_VISIBLE) << "hidden as it was left";
    second->ShowControlBar(&second->m_statusBar, TRUE);
    second->SendMessage(WM_CLOSE);
    EXPECT_TRUE(MakeFrame()->m_statusBar.GetStyle() & WS_VISIBLE);
}

TEST_F(MyMainFrameTest, QueuedMessagesAreShownOneAfterAnotherAndEmptyOnesDropped)
{
    CMyMainFrame* frame = MakeFrame();
    CMessageBoxAnswerer answerer(IDOK);
    frame->QueueMessage("FirstNote", "The first litter is registered.");
    frame->QueueMessage("EmptyNote", "");
    frame->QueueMessage("ThirdNote", "The third litter is registered.");
    EXPECT_TRUE(PumpMessagesUntil([&] { return frame->GetQueuedMessageCount() == 0; }));
    ASSERT_EQ(answerer.Count(), 2);
    EXPECT_NE(answerer.Texts()[0].find("first litter"), std::string::npos);
    EXPECT_NE(answerer.Texts()[1].find("third litter"), std::string::npos);
}

namespace
{
int FailingExchanger(DWORD, BOOL load)
{
    if (!load)
        NoteSettingsWriteResult(FALSE);
    return 0;
}
}  // namespace

TEST_F(MyMainFrameTest, ClosingIsRefusedWhileChangedSettingsCannotBeSaved)
{
    const SettingsExchangerTableData savedTable = SettingsExchangerTable;
    ClearSettingsExchangers();
    RegisterSettingsExchanger(FailingExchanger);
    SettingsChangedFlag = TRUE;
    CMyMainFrame* frame = MakeFrame();
    const HWND window = frame->m_hWnd;
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(window)) << "the settings are still unsaved";
    EXPECT_FALSE(frame->SendMessage(WM_QUERYENDSESSION));

    ClearSettingsExchangers();
    SettingsChangedFlag = TRUE;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(window)) << "saved, so the frame closes";
    EXPECT_FALSE(SettingsChangedFlag);
    SettingsExchangerTable = savedTable;
}

TEST_F(MyMainFrameTest, CommandsTheFrameDoesNotHandleReachTheApplication)
{
    CMyApp app;
    CMyMainFrame* frame = MakeFrame();
    app.m_pMainWnd = frame;
    const HWND window = frame->m_hWnd;
    frame->SendMessage(WM_COMMAND, ID_FRAME_NO_ACTION);
    EXPECT_TRUE(::IsWindow(window));
    frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_FALSE(::IsWindow(window)) << "the application's Exit closed its main window";
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}
