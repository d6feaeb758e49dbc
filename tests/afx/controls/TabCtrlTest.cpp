#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
TEST(TabCtrlTest, TabsAreInsertedSelectedAndRenamed)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Tabs", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 3));
    EXPECT_EQ(0, tabs.InsertItem(0, "Dam"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Sire"));
    EXPECT_EQ(2, tabs.GetItemCount());
    tabs.SetCurSel(1);
    EXPECT_EQ(1, tabs.GetCurSel());

    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = (LPSTR) "Father";
    EXPECT_TRUE(tabs.SetItem(1, &item));
    char szText[32] = "";
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    EXPECT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ("Father", szText);

    // the display area lies inside the control
    RECT rc = {0, 0, 300, 200};
    tabs.AdjustRect(FALSE, &rc);
    EXPECT_GT(rc.top, 0);
    EXPECT_LT(rc.bottom, 200);
    parent.DestroyWindow();
}
} // namespace
