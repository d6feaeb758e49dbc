#include "framework/DialogMetrics.h"
#include "framework/WebAddresses.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

TEST(WebAddressesTest, AddressesAndEncoding)
{
    EXPECT_STREQ(CompleteWebAddress("www.mirolf.com"), "http://www.mirolf.com");
    EXPECT_STREQ(CompleteWebAddress("https://mirolf.com/a"), "https://mirolf.com/a");
    EXPECT_STREQ(CompleteWebAddress(""), "");
    EXPECT_STREQ(CompleteWebAddress(NULL), "");
    EXPECT_STREQ(PercentEncode("Litter 7 & more"), "Litter%207%20%26%20more");
    EXPECT_STREQ(PercentEncode("\xA3" "5"), "%a35");
    EXPECT_STREQ(PercentEncode(""), "");
}

TEST(WebAddressesTest, SpinRangeGoesToTheFollowingUpDownControl)
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
