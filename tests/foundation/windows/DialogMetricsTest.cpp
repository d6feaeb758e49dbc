#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/WindowGeometry.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
    int createdDialogs = 0;

    LRESULT CALLBACK CountDialogs(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND)
        {
            char className[16] = "";
            ::GetClassNameA((HWND)wParam, className, sizeof(className));
            if (lstrcmpA(className, "#32770") == 0)
                ++createdDialogs;
        }
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }
}

TEST(DialogMetricsTest, MeasuredOnceFromAHiddenDialog)
{
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, CountDialogs, NULL, ::GetCurrentThreadId());
    int left = GetGroupBoxLeftMargin();
    int dialogs = createdDialogs;
    EXPECT_TRUE(AreDialogMetricsMeasured());
    EXPECT_EQ(GetGroupBoxLeftMargin(), left);
    GetGroupBoxTopMargin();
    GetTabControlFrameSize();
    MeasureDialogMetrics();
    EXPECT_EQ(createdDialogs, dialogs);
    EXPECT_LE(dialogs, 1);
    ::UnhookWindowsHookEx(hook);

    // The insets follow the dialog font: positive, the top one holding the
    // group box's caption, the sides alike but for rounding.
    EXPECT_GT(left, 0);
    EXPECT_NEAR(GetGroupBoxRightMargin(), left, 1);
    EXPECT_GT(GetGroupBoxTopMargin(), GetGroupBoxBottomMargin());
    EXPECT_GT(GetGroupBoxBottomMargin(), 0);
    EXPECT_GT(GetCheckBoxSize().cy, 0);
    EXPECT_GT(GetEditHeight(), GetCheckBoxSize().cy / 2);
    EXPECT_GT(GetButtonTextExtent().cx, 0);
    EXPECT_GT(GetTabControlTopFrame(), GetTabControlLeftFrame());
    EXPECT_GT(GetComboBoxHeight(0), 0);

    CRect inside = DeflateRectByGroupBoxMargins(CRect(0, 0, 200, 100));
    EXPECT_EQ(inside, CRect(left, GetGroupBoxTopMargin(), 200 - GetGroupBoxRightMargin(), 100 - GetGroupBoxBottomMargin()));
}

// A placeholder's rectangle less the tab margins is the page area that a tab
// control of that rectangle shows in the dialog font.
TEST(DialogMetricsTest, TabMarginsLeaveThePageOfATabControl)
{
    HWND tab = ::CreateWindowExA(0, "SysTabControl32", "", WS_POPUP, 0, 0, 300, 200, NULL, NULL,
                                 ::GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(tab != NULL);
    LOGFONTA font = {};
    font.lfHeight = -11;
    lstrcpyA(font.lfFaceName, "MS Shell Dlg");
    COwnedGdiObject<HFONT> dialogFont(::CreateFontIndirectA(&font));
    ::SendMessageA(tab, WM_SETFONT, (WPARAM)dialogFont.Get(), FALSE);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    char text[] = "Hi";
    item.pszText = text;
    ::SendMessageA(tab, TCM_INSERTITEMA, 0, (LPARAM)&item);
    CRect page(0, 0, 300, 200);
    ::SendMessageA(tab, TCM_ADJUSTRECT, FALSE, (LPARAM)&page);
    ::DestroyWindow(tab);

    CRect inside = DeflateRectByTabMargins(CRect(0, 0, 300, 200));
    EXPECT_NEAR(inside.left, page.left, 1);
    EXPECT_NEAR(inside.top, page.top, 2);
    EXPECT_NEAR(inside.right, page.right, 1);
    EXPECT_NEAR(inside.bottom, page.bottom, 1);
    EXPECT_GT(inside.top, inside.left);
}
