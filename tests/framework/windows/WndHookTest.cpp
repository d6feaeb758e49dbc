#include "support/DialogTemplate.h"
#include "afx/windows/FrameWnd.h"
#include "afx/windows/View.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/support/FrameworkTestApp.h"
#include "framework/windows/PaletteHook.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    const UINT WM_PROBE = WM_USER + 100;

    std::string windowLog;

    // The window's own procedure: logs what reaches it.
    LRESULT CALLBACK OwnProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_PROBE)
        {
            windowLog += "window;";
            return 7;
        }
        if (message == WM_NCDESTROY)
            windowLog += "ncdestroy;";
        if (message == WM_QUERYNEWPALETTE)
        {
            windowLog += "asked;";
            return ::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        }
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    HWND MakeWindow(HWND parent = NULL, LONG_PTR paletteAnswer = 0)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "KestrovaHookTest";
        ::RegisterClassA(&wc);
        HWND hWnd = ::CreateWindowA("KestrovaHookTest", "", parent != NULL ? WS_CHILD : WS_POPUP, 0, 0, 50, 50,
                                    parent, NULL, ::GetModuleHandleA(NULL), NULL);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, paletteAnswer);
        return hWnd;
    }

    // Logs its name and passes the message on through the chain.
    class CLoggingHook : public CWndHook
    {
    public:
        explicit CLoggingHook(const char* name) : m_name(name) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message != WM_PROBE)
                return CWndHook::WindowProc(message, wParam, lParam);
            windowLog += m_name + ";";
            return Default() + 1;
        }
        std::string m_name;
    };

    WNDPROC ProcOf(HWND hWnd)
    {
        return (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
    }
}

TEST(WndHookTest, HooksOfOneWindowFormAChainLatestFirst)
{
    HWND hWnd = MakeWindow();
    CLoggingHook first("first"), second("second");
    first.HookWindow(hWnd);
    second.HookWindow(hWnd);
    EXPECT_NE(ProcOf(hWnd), OwnProc);

    windowLog.clear();
    EXPECT_EQ(::SendMessageA(hWnd, WM_PROBE, 0, 0), 9);
    EXPECT_EQ(windowLog, "second;first;window;");

    // Taking the first-hooked one out keeps the other working.
    first.HookWindow((HWND)NULL);
    windowLog.clear();
    EXPECT_EQ(::SendMessageA(hWnd, WM_PROBE, 0, 0), 8);
    EXPECT_EQ(windowLog, "second;window;");

    // Rehooked it leads the chain; unhooking the last gives the window its
    // own procedure back.
    first.HookWindow(hWnd);
    windowLog.clear();
    ::SendMessageA(hWnd, WM_PROBE, 0, 0);
    EXPECT_EQ(windowLog, "first;second;window;");
    first.HookWindow((HWND)NULL);
    second.HookWindow((HWND)NULL);
    EXPECT_EQ(ProcOf(hWnd), OwnProc);
    EXPECT_FALSE(second.IsHooked());
    ::DestroyWindow(hWnd);
}

TEST(WndHookTest, DestroyingTheWindowUnhooksEveryHook)
{
    HWND hWnd = MakeWindow();
    CPaletteHook palette;
    CLoggingHook* logging = new CLoggingHook("logging");
    palette.HookWindow(hWnd);
    logging->HookWindow(hWnd);

    windowLog.clear();
    ::DestroyWindow(hWnd);
    EXPECT_EQ(windowLog, "ncdestroy;");
    EXPECT_FALSE(palette.IsHooked());
    EXPECT_FALSE(logging->IsHooked());
    delete logging;   // nothing more to undo

    // A new window that reuses the handle starts without hooks.
    HWND again = MakeWindow();
    windowLog.clear();
    EXPECT_EQ(::SendMessageA(again, WM_PROBE, 0, 0), 7);
    EXPECT_EQ(ProcOf(again), OwnProc);
    ::DestroyWindow(again);
}

TEST(WndHookTest, FrameworkWindowsCanBeHooked)
{
    CWnd* wnd = new CWnd;
    ASSERT_TRUE(wnd->CreateEx(0, AfxRegisterWndClass(0), "Hooked", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    CPaletteHook first, second;
    first.HookWindow(wnd);
    second.HookWindow(wnd);
    ::SetWindowTextA(wnd->m_hWnd, "Still works");
    CString text;
    wnd->GetWindowText(text);
    EXPECT_STREQ(text, "Still works");
    wnd->DestroyWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd->m_hWnd), (CWnd*)NULL);
    EXPECT_FALSE(first.IsHooked());
    EXPECT_FALSE(second.IsHooked());
    delete wnd;
}

// A window without a palette of its own hands WM_QUERYNEWPALETTE to its
// partner and then to its children; one with a palette realises it.
TEST(WndHookTest, PaletteQueriesGoToThePartnerAndTheChildren)
{
    HWND hWnd = MakeWindow();
    HWND quietChild = MakeWindow(hWnd, 0);
    HWND answeringChild = MakeWindow(hWnd, 1);
    HWND partner = MakeWindow(NULL, 0);
    CPaletteHook hook;
    hook.HookWindow(hWnd);
    hook.partner = partner;

    windowLog.clear();
    EXPECT_EQ(::SendMessageA(hWnd, WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_EQ(windowLog, "asked;asked;asked;");   // partner, then children until one answers

    ::SetWindowLongPtrA(answeringChild, GWLP_USERDATA, 0);
    windowLog.clear();
    EXPECT_EQ(::SendMessageA(hWnd, WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_EQ(windowLog, "asked;asked;asked;");

    struct { LOGPALETTE header; PALETTEENTRY more[1]; } logPalette = {{0x300, 2, {{200, 10, 10, 0}}}, {{10, 200, 10, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette.header));
    hook.palette = &palette;
    EXPECT_GE(hook.RealizePalette(TRUE), 0);
    windowLog.clear();
    EXPECT_EQ(::SendMessageA(hWnd, WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_EQ(windowLog, "");

    hook.palette = NULL;
    EXPECT_EQ(hook.RealizePalette(TRUE), -1);
    (void)quietChild;
    ::DestroyWindow(hWnd);
    ::DestroyWindow(partner);
}

namespace
{
    // A view that logs the palette query and answers as told.
    class CPaletteView : public CView
    {
    public:
        explicit CPaletteView(BOOL answer) : m_answer(answer) {}
        void OnDraw(CDC*) override {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message != WM_QUERYNEWPALETTE)
                return CView::WindowProc(message, wParam, lParam);
            windowLog += "view;";
            return m_answer;
        }
        BOOL m_answer;
    };

    // A frame that has an active view.
    class CViewFrame : public CFrameWnd
    {
    public:
        CView* GetActiveView() const override { return m_view; }
        CView* m_view = NULL;
    };
}

// A frame without a palette asks its active view first, and then skips it
// among its children.
TEST(WndHookTest, AFramesPaletteQueryGoesToItsActiveViewFirst)
{
    CViewFrame* frame = new CViewFrame;
    ASSERT_TRUE(frame->Create(NULL, "Frame", WS_OVERLAPPEDWINDOW));
    MakeWindow(frame->m_hWnd, 0);
    CPaletteView* view = new CPaletteView(TRUE);
    ASSERT_TRUE(view->Create(frame, 100));
    frame->m_view = view;
    CPaletteHook hook;
    hook.HookWindow(frame->m_hWnd);

    windowLog.clear();
    EXPECT_EQ(::SendMessageA(frame->m_hWnd, WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_EQ(windowLog, "view;");

    view->m_answer = FALSE;
    windowLog.clear();
    EXPECT_EQ(::SendMessageA(frame->m_hWnd, WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_EQ(windowLog, "view;asked;"); // the view is asked once, not again as a child
    frame->DestroyWindow();
}

// Every dialog of the framework carries a palette hook; a second one (a
// picture's) joins its chain, and both leave when the dialog is destroyed.
TEST(WndHookTest, DialogsCarryAPaletteHookThatSharesTheChain)
{
    CFrameworkTestApp app;
    CDialogTemplate t(L"Palette", WS_POPUP | WS_CAPTION, 120, 60);
    t.Add(CDialogTemplate::STATIC, L"Picture", 100, 0, 5, 5, 100, 40);
    CMyDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.Get(), NULL));
    EXPECT_TRUE(dialog.m_paletteHook.IsHooked());

    struct { LOGPALETTE header; PALETTEENTRY more[1]; } logPalette = {{0x300, 2, {{0, 90, 200, 0}}}, {{200, 90, 0, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette.header));
    CPaletteHook picture;
    picture.palette = &palette;
    picture.HookWindow(&dialog);
    EXPECT_EQ(::SendMessageA(dialog.m_hWnd, WM_QUERYNEWPALETTE, 0, 0), 1);   // the picture's hook answers first
    ::SetWindowTextA(dialog.m_hWnd, "Still a dialog");
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Still a dialog");

    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.m_paletteHook.IsHooked());
    EXPECT_FALSE(picture.IsHooked());
}
