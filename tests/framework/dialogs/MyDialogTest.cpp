#include "support/DialogTemplate.h"
#include "framework/app/Preferences.h"
#include "framework/dialogs/MyDialog.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "framework/windows/ControlPlacement.h"
#include "foundation/settings/AppRegistryKey.h"
#include "support/TestRegistryKey.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
enum
{
    IDC_NAME = 1001,
    IDC_NOTES = 1002,
    IDC_APPLY = 1003,
    IDC_TIPPED = 1004,
};

CDialogTemplate MakeTemplate(DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME)
{
    CDialogTemplate t(L"Test Dialog", style, 200, 120);
    t.Add(CDialogTemplate::EDIT, L"", IDC_NAME, WS_BORDER | WS_TABSTOP, 10, 10, 100, 14);
    t.Add(CDialogTemplate::EDIT, L"", IDC_NOTES, WS_BORDER | ES_MULTILINE, 10, 30, 180, 60);
    t.Add(CDialogTemplate::BUTTON, L"Apply", IDC_APPLY, BS_PUSHBUTTON, 80, 100, 50, 14);
    t.Add(CDialogTemplate::BUTTON, L"OK", IDOK, BS_DEFPUSHBUTTON, 140, 100, 50, 14);
    return t;
}

// A dialog whose initialisation runs a test step while it is on screen.
class CProbeDialog : public CMyDialog
{
public:
    explicit CProbeDialog(const CDialogTemplate& t, CWnd* parent = NULL) : CMyDialog(0, parent)
    {
        InitModalIndirect(t.Get(), parent);
    }

    CString GetToolTipText(UINT controlId, CWnd*) override
    {
        return controlId == IDC_APPLY ? "Applies the changes" : "";
    }

    std::function<void(CProbeDialog&)> m_onInit;
    std::function<void(CProbeDialog&)> m_onShown;
    BOOL m_addTip = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CMyDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        PostMessage(WM_APP);
        return result;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CMyDialog::DoDataExchange(pDX);
        if (m_addTip && !pDX->m_bSaveAndValidate && pDX->m_pToolTip != NULL)
            pDX->m_pToolTip->AddTool(GetDlgItem(IDC_APPLY));
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP)
        {
            if (m_onShown)
                m_onShown(*this);
            EndDialog(IDOK);
            return 0;
        }
        return CMyDialog::WindowProc(message, wParam, lParam);
    }
};

class MyDialogTest : public ::testing::Test
{
protected:
    CFrameworkTestApp app;
    CDialogTemplate t = MakeTemplate();
};

TEST_F(MyDialogTest, TitleGivenBeforeTheWindowIsPutOnItOnce)
{
    CProbeDialog dialog(t);
    dialog.SetTitle("Litter %d of %s", 3, "Bess");
    CString afterInit, afterExchange;
    bool paletteHooked = false;
    dialog.m_onShown = [&](CProbeDialog& d) {
        paletteHooked = d.m_paletteHook.GetHookedWindow() == d.m_hWnd;
        d.GetWindowText(afterInit);
        d.SetWindowText("Changed");
        d.UpdateData(FALSE);
        d.GetWindowText(afterExchange);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("Litter 3 of Bess", afterInit);
    EXPECT_STREQ("Changed", afterExchange);
    EXPECT_TRUE(paletteHooked);
}

TEST_F(MyDialogTest, F1AloneSendsTheHelpCommandOnce)
{
    CProbeDialog dialog(t);
    dialog.m_onShown = [&](CProbeDialog& d) {
        app.m_pMainWnd = &d;
        // pressed in the name field, through the message loop
        ::PostMessageA(d.GetDlgItem(IDC_NAME)->m_hWnd, WM_KEYDOWN, VK_F1, 1);
        MSG msg;
        while (app.m_helpCommands == 0 && ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
            AfxGetThread()->PumpMessage();
        msg = {d.GetDlgItem(IDC_NAME)->m_hWnd, WM_KEYDOWN, VK_F1, 1 | 0x40000000};   // held down: repeated
        d.PreTranslateMessage(&msg);
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        ::SetKeyboardState(keys);
        msg.lParam = 1;
        d.PreTranslateMessage(&msg);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        app.m_pMainWnd = NULL;
    };
    dialog.DoModal();
    EXPECT_EQ(1, app.m_helpCommands);
}

TEST_F(MyDialogTest, HelpRequestFollowsTheDialogsContext)
{
    struct Case
    {
        BOOL noHelp;
        DWORD context;
        std::vector<DWORD> expected;
    } cases[] = {
        {TRUE, 77, {}},
        {FALSE, 77, {77}},
        {FALSE, 0, {HID_BASE_RESOURCE + 0}},   // the framework's default: the template's help
    };
    for (const Case& c : cases)
    {
        app.m_helpRequests.clear();
        CProbeDialog dialog(t);
        dialog.m_nIDHelp = 0;
        dialog.m_noHelp = c.noHelp;
        dialog.m_helpContextId = c.context;
        LRESULT handled = 0;
        dialog.m_onShown = [&](CProbeDialog& d) { handled = d.SendMessage(WM_COMMANDHELP); };
        dialog.DoModal();
        if (c.context == 0 && !c.noHelp)
            EXPECT_FALSE(handled);   // no template id: nothing to show
        else
        {
            EXPECT_TRUE(handled);
            EXPECT_EQ(c.expected, app.m_helpRequests);
        }
    }
}

// Asks the dialog for the tip of a tool given by window handle.
CString RequestTip(CWnd& dialog, UINT code)
{
    HWND tool = dialog.GetDlgItem(IDC_APPLY)->m_hWnd;
    NMTTDISPINFOW wide = {};
    NMTTDISPINFOA& narrow = *(NMTTDISPINFOA*)&wide;
    wide.hdr.hwndFrom = dialog.m_pToolTip != NULL ? dialog.m_pToolTip->m_hWnd : NULL;
    wide.hdr.idFrom = (UINT_PTR)tool;
    wide.hdr.code = code;
    if (code == TTN_NEEDTEXTA)
        narrow.uFlags = TTF_IDISHWND;
    else
        wide.uFlags = TTF_IDISHWND;
    dialog.SendMessage(WM_NOTIFY, 0, (LPARAM)&wide.hdr);
    if (code == TTN_NEEDTEXTA)
        return narrow.lpszText != NULL ? narrow.lpszText : "";
    char text[256] = "";
    if (wide.lpszText != NULL)
        ::WideCharToMultiByte(CP_ACP, 0, wide.lpszText, -1, text, sizeof(text), NULL, NULL);
    return text;
}

TEST_F(MyDialogTest, ToolTipsAnswerTheDialogsTextsWhileEnabled)
{
    CProbeDialog dialog(t);
    dialog.m_addTip = TRUE;
    CString narrow, wide, disabled, shownText;
    DWORD exStyle = 0;
    int tools = 0;
    dialog.m_onShown = [&](CProbeDialog& d) {
        exStyle = d.GetExStyle();
        tools = d.m_toolTip.GetToolCount();
        // what the tooltip control itself shows for the button
        TTTOOLINFOA info = {};
        char shown[80] = "";
        if (d.m_toolTip.GetToolInfo(info, d.GetDlgItem(IDC_APPLY)))
        {
            info.lpszText = shown;
            d.m_toolTip.SendMessage(TTM_GETTEXTA, sizeof(shown), (LPARAM)&info);
        }
        shownText = shown;
        narrow = RequestTip(d, TTN_NEEDTEXTA);
        wide = RequestTip(d, TTN_NEEDTEXTW);
        ToolTipsEnabled = FALSE;
        disabled = RequestTip(d, TTN_NEEDTEXTA);
        ToolTipsEnabled = TRUE;
    };
    dialog.DoModal();
    EXPECT_EQ(1, tools);
    EXPECT_TRUE(exStyle & WS_EX_CONTEXTHELP);
    EXPECT_STREQ("Applies the changes", shownText);
    EXPECT_STREQ("Applies the changes", narrow);
    EXPECT_STREQ("Applies the changes", wide);
    EXPECT_STREQ("", disabled);
}

TEST_F(MyDialogTest, ChildDialogNeverGetsTheCaptionHelpButton)
{
    CFrameworkTestApp* unused = &app;
    (void)unused;
    HWND host = ::CreateWindowExA(0, "STATIC", "Host", WS_POPUP, 0, 0, 400, 300, NULL, NULL, NULL, NULL);
    CDialogTemplate child = MakeTemplate(WS_CHILD);
    CMyDialog dialog;
    CWnd hostWnd;
    hostWnd.Attach(host);
    dialog.CreateIndirect(child.Get(), &hostWnd);
    dialog.m_toolTip.AddTool(dialog.GetDlgItem(IDC_APPLY));
    dialog.OnInitDialog();
    EXPECT_FALSE(dialog.GetExStyle() & WS_EX_CONTEXTHELP);
    dialog.DestroyWindow();
    hostWnd.Detach();
    ::DestroyWindow(host);
}

TEST_F(MyDialogTest, MinimumTrackingSizeAndFitToParent)
{
    HWND small = ::CreateWindowExA(0, "STATIC", "Small", WS_POPUP, 0, 0, 50, 40, NULL, NULL, NULL, NULL);
    CWnd parent;
    parent.Attach(small);
    CProbeDialog dialog(t, &parent);
    dialog.m_fitToParent = TRUE;
    CSize before, fitted, enforced;
    MINMAXINFO answered = {};
    dialog.m_onInit = [&](CProbeDialog& d) { before = CSize(d.m_initialWidth, d.m_initialHeight); };
    dialog.m_onShown = [&](CProbeDialog& d) {
        CRect r;
        d.GetWindowRect(&r);
        fitted = r.Size();
        d.m_minMaxInfo.ptMinTrackSize = CPoint(r.Width() + 40, r.Height() + 30);
        d.m_useMinMaxInfo = TRUE;
        d.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&answered);
        d.EnforceMinSize();
        d.GetWindowRect(&r);
        enforced = r.Size();
    };
    dialog.DoModal();
    EXPECT_EQ(before, fitted);   // a smaller parent leaves the dialog at its own size
    EXPECT_EQ(fitted.cx + 40, answered.ptMinTrackSize.x);
    EXPECT_EQ(CSize(fitted.cx + 40, fitted.cy + 30), enforced);
    parent.Detach();
    ::DestroyWindow(small);
}

TEST_F(MyDialogTest, OpeningMessageComesUpUnderTheDialogsCaption)
{
    std::string text, title;
    CDialogDriver driver([&](HWND box) {
        if (::GetDlgItem(box, 40454) == NULL)
            return;   // the dialog itself
        text = CDialogDriver::ItemText(box, 40454);
        title = CDialogDriver::WindowText(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    CProbeDialog dialog(t);
    dialog.m_runner.m_openingMessage = "100% of the litter is shown here";
    bool shownBeforeEnd = false;
    dialog.m_onShown = [&](CProbeDialog& d) {
        // let the posted opening message run first
        shownBeforeEnd = PumpMessagesUntil([&] { return !text.empty(); });
    };
    dialog.DoModal();
    EXPECT_TRUE(shownBeforeEnd);
    EXPECT_EQ("100% of the litter is shown here. ", text);   // made a sentence
    EXPECT_EQ("Test Dialog", title);
}

TEST_F(MyDialogTest, PlacementIsRememberedUnderItsKey)
{
    CTestRegistryKey root("Kestrova Placement Tests");
    CString savedPath = GetAppRegistryKeyPath();
    HKEY savedRoot = GetDefaultRegistryRoot();
    SetAppRegistryKey((root.Path() + "\\").c_str(), HKEY_CURRENT_USER);
    CPoint positions[2];
    for (CPoint& position : positions)
    {
        CProbeDialog dialog(t);
        dialog.m_placementKey = "Litter";
        dialog.m_savePlacementOnDestroy = TRUE;
        dialog.m_onShown = [&](CProbeDialog& d) {
            CRect rect;
            d.GetWindowRect(&rect);
            position = rect.TopLeft();
            d.SetWindowPos(NULL, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        };
        dialog.DoModal();
    }
    SetAppRegistryKey(savedPath, savedRoot);
    EXPECT_NE(CPoint(123, 77), positions[0]);
    EXPECT_EQ(CPoint(123, 77), positions[1]);
}

TEST_F(MyDialogTest, ModelessDialogIsPumpedAndOnlyMarkedByCancel)
{
    CMyDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.Get()));
    dialog.PostMessage(WM_COMMAND, IDCANCEL);
    dialog.PumpMessages();
    EXPECT_TRUE(dialog.m_cancelled);
    EXPECT_FALSE(dialog.m_finished);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
    ::PostQuitMessage(0);
    dialog.PumpMessages();
    EXPECT_TRUE(dialog.m_finished);
    dialog.DestroyWindow();
}

TEST_F(MyDialogTest, ScreenshotOfAResizableDialog)
{
    CProbeDialog dialog(t);
    bool saved = false;
    dialog.m_onShown = [&](CProbeDialog& d) {
        d.SetDlgItemText(IDC_NAME, "Bess of Kestrel Hill");
        saved = SaveWindowScreenshot(d.m_hWnd, "framework_my_dialog");
    };
    dialog.DoModal();
    EXPECT_TRUE(saved);
}
} // namespace
