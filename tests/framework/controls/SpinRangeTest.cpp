#include "framework/controls/SpinRange.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

TEST(SpinRangeTest, GoesToTheFollowingUpDownControl)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    CTestWindow window;
    window.AddControl("EDIT", "", 0, 401);
    HWND spin = window.AddControl(UPDOWN_CLASSA, "", 0, 402);
    CDataExchange dx(window.Wnd(), FALSE);
    DDX_SpinRange(&dx, 401, 2, 12);
    DWORD range = (DWORD)::SendMessageA(spin, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(LOWORD(range), 12);
    EXPECT_EQ(HIWORD(range), 2);
    DDX_SpinRange(&dx, 999, 0, 1);
}
