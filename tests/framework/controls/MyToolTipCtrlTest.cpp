#include "framework/app/Preferences.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/popups/TextPopup.h"
#include "support/WindowScreenshot.h"
#include "framework/windows/WorkArea.h"

#include <gtest/gtest.h>

namespace
{
    // The text a tooltip shows for a window (its tool text).
    CString ToolText(CMyToolTipCtrl& toolTip, CWnd* window)
    {
        char buffer[256] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = ::GetParent(window->m_hWnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = (UINT_PTR)window->m_hWnd;
        info.lpszText = buffer;
        toolTip.SendMessage(TTM_GETTEXTA, sizeof(buffer), (LPARAM)&info);
        return buffer;
    }

    // The visible tool windows of this thread other than the given ones.
    std::vector<HWND> TextPopupsOf(HWND owner)
    {
        std::vector<HWND> found;
        for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w != NULL; w = ::GetWindow(w, GW_HWNDNEXT))
            if (::IsWindowVisible(w) && ::GetParent(w) == owner && (::GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
                found.push_back(w);
        return found;
    }

    class MyToolTipCtrlTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_dialog.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Tips",
                                          WS_POPUP | WS_VISIBLE | WS_CAPTION, 60, 60, 300, 160, NULL, NULL));
            m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 34), &m_dialog, 100);
            m_other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 150, 74), &m_dialog, 101);
            m_toolTip.m_parent = &m_dialog;
        }
        void TearDown() override
        {
            m_toolTip.DestroyWindow();
            m_dialog.DestroyWindow();
        }
        CWnd m_dialog;
        CEdit m_edit, m_other;
        CMyToolTipCtrl m_toolTip;
    };
}

TEST(MyToolTipCtrl, FirstLineEndsAtTheFirstLineBreak)
{
    const struct
    {
        const char* text;
        const char* first;
    } cases[] = {{"one", "one"}, {"one\r\ntwo", "one"}, {"one\ntwo", "one"}, {"a\nb\rc", "a\nb"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.first, CMyToolTipCtrl::FirstLine(c.text)) << c.text;
}

TEST_F(MyToolTipCtrlTest, HoverShowsTheFirstLineAndParagraphsAddAfterABlankLine)
{
    EXPECT_FALSE(m_toolTip.HasTips());
    m_toolTip.SetTip(&m_edit, "");
    EXPECT_FALSE(m_toolTip.HasTips()) << "an empty tip adds nothing";
    m_toolTip.SetTip(&m_edit, "Name of the dog\r\nAs registered.");
    EXPECT_TRUE(m_toolTip.HasTips());
    EXPECT_STREQ("Name of the dog\r\nAs registered.", m_toolTip.GetTipText(&m_edit));
    EXPECT_STREQ("Name of the dog", ToolText(m_toolTip, &m_edit));

    m_toolTip.AddTipParagraph(&m_edit, "Required.");
    EXPECT_STREQ("Name of the dog\r\nAs registered.\r\n\r\nRequired.", m_toolTip.GetTipText(&m_edit));
    EXPECT_STREQ("Name of the dog", ToolText(m_toolTip, &m_edit));
    m_toolTip.AddTipParagraph(&m_other, "Only paragraph");
    EXPECT_STREQ("Only paragraph", m_toolTip.GetTipText(&m_other));

    m_toolTip.DelTool(&m_edit);
    EXPECT_STREQ("", m_toolTip.GetTipText(&m_edit));
    EXPECT_EQ(1, m_toolTip.GetToolCount());
    EXPECT_STREQ("", m_toolTip.GetTipText((HWND)0x1234)) << "a handle that is no window";
}

TEST_F(MyToolTipCtrlTest, ContextHelpShowsTheWholeTipOrOnlyBeeps)
{
    m_toolTip.SetTip(&m_edit, "Name of the dog\r\nAs registered with the kennel club.");
    HELPINFO help = {sizeof(HELPINFO), HELPINFO_WINDOW, 100, m_other.m_hWnd, 0, {100, 100}};
    EXPECT_TRUE(m_toolTip.OnContextHelp(&help));
    EXPECT_TRUE(TextPopupsOf(m_toolTip.m_hWnd).empty()) << "no tip: no pop-up";

    help.hItemHandle = m_edit.m_hWnd;
    EXPECT_TRUE(m_toolTip.OnContextHelp(&help));
    std::vector<HWND> popups = TextPopupsOf(m_toolTip.m_hWnd);
    ASSERT_EQ(1u, popups.size());
    CTextPopup* popup = (CTextPopup*)CWnd::FromHandlePermanent(popups[0]);
    ASSERT_TRUE(popup != NULL);
    EXPECT_STREQ("Name of the dog\r\nAs registered with the kennel club.", popup->m_text);
    SaveWindowScreenshot(popups[0], "framework_text_popup");
    ::SendMessageA(popups[0], WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(::IsWindow(popups[0]));
}

TEST_F(MyToolTipCtrlTest, PreferenceReachesEveryToolTip)
{
    CMyToolTipCtrl second;
    second.m_parent = &m_dialog;
    ASSERT_TRUE(m_toolTip.EnsureCreated() && second.EnsureCreated());
    BOOL saved = ToolTipsEnabled;
    ToolTipsEnabled = FALSE;
    UpdateAllToolTips();
    EXPECT_FALSE(m_toolTip.m_active || second.m_active);
    ToolTipsEnabled = TRUE;
    UpdateAllToolTips();
    EXPECT_TRUE(m_toolTip.m_active && second.m_active);
    ToolTipsEnabled = saved;
    second.DestroyWindow();
}

TEST(TextPopup, WrapWidthAndPlacement)
{
    EXPECT_EQ(390, CTextPopup::WrapWidth(1024));
    EXPECT_EQ(480, CTextPopup::WrapWidth(1600));

    // One word: the OK button sets the width, lying about under the point.
    CRect text, button;
    CRect window = CTextPopup::CalcWindowRect(CPoint(300, 300), CSize(20, 13), CSize(60, 24), text, button);
    EXPECT_EQ(button.left, text.left);
    EXPECT_GT(button.right, text.right);
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(300, window.left - frame.left + button.left + button.Width() / 2) << "the button lies under the point";

    // A long text: the button's right edge lines up with the text's.
    CTextPopup::CalcWindowRect(CPoint(300, 300), CSize(200, 40), CSize(60, 24), text, button);
    EXPECT_EQ(text.right, button.right);

    CRect work = GetDesktopWorkArea();
    CTextPopup* popup = CTextPopup::Open(CPoint(work.right - 2, work.top + 100), NULL, "Near the edge");
    ASSERT_TRUE(popup != NULL);
    CRect placed;
    popup->GetWindowRect(&placed);
    EXPECT_LE(placed.right, work.right) << "moved left into the work area";
    popup->Cancel();
}
