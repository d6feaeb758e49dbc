#include "framework/support/FrameworkTestApp.h"
#include "foundation/windows/SystemColours.h"
#include "framework/windows/ColouredControls.h"
#include "framework/windows/MyWnd.h"
#include "support/TestCanvas.h"
#include "support/TestWindow.h"
#include "framework/windows/WndPictureTable.h"
#include "framework/windows/WndToDestroyList.h"

#include <gtest/gtest.h>

namespace
{
class CCountedWnd : public CMyWnd
{
public:
    explicit CCountedWnd(int* deleted) : m_deleted(deleted) {}
    ~CCountedWnd() override { ++*m_deleted; }
    int* m_deleted;
};

// A 20 x 20 bitmap to paint on, filled with a marker colour.
class CMarkedBitmapDC : public CTestCanvas
{
public:
    CMarkedBitmapDC() : CTestCanvas(20, 20), dc(Dc()) { Fill(RGB(1, 2, 3)); }
    const HDC dc;
};

BOOL CreatePopup(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "Test", WS_POPUP, 0, 0, 100, 80, NULL, NULL);
}

TEST(MyWnd, DeletesItselfAfterItsWindowOnlyWhenAsked)
{
    int deleted = 0;
    CCountedWnd* kept = new CCountedWnd(&deleted);
    ASSERT_TRUE(CreatePopup(*kept));
    kept->DestroyWindow();
    EXPECT_EQ(0, deleted);
    delete kept;
    EXPECT_EQ(1, deleted);

    CCountedWnd* owned = new CCountedWnd(&deleted);
    owned->m_autoDelete = TRUE;
    ASSERT_TRUE(CreatePopup(*owned));
    owned->DestroyWindow();
    EXPECT_EQ(2, deleted);
}

TEST(MyWnd, HelpFollowsItsContextAndBackgroundCanBeLeftUnpainted)
{
    CFrameworkTestApp app;
    CMyWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    wnd.m_helpContextId = 0x1234;
    EXPECT_TRUE(wnd.SendMessage(WM_COMMANDHELP));
    wnd.m_noHelp = TRUE;
    EXPECT_TRUE(wnd.SendMessage(WM_COMMANDHELP));
    EXPECT_EQ(std::vector<DWORD>{0x1234}, app.m_helpRequests);

    CMarkedBitmapDC bitmap;
    wnd.m_noEraseBackground = TRUE;
    EXPECT_TRUE(wnd.SendMessage(WM_ERASEBKGND, (WPARAM)bitmap.dc));
    EXPECT_EQ(RGB(1, 2, 3), ::GetPixel(bitmap.dc, 5, 5));
    wnd.DestroyWindow();
}

TEST(WndPictureTable, WithoutPicturesPaintsTheButtonFace)
{
    CMyWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    CWndPictureTable table;
    table.m_owner = &wnd;
    CMarkedBitmapDC bitmap;
    CDC dc;
    dc.Attach(bitmap.dc);
    EXPECT_TRUE(table.DrawBackground(&dc));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(bitmap.dc, 5, 5));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(bitmap.dc, 19, 19));
    dc.Detach();
    wnd.DestroyWindow();
}

TEST(WndToDestroyList, ListedParentsAreReplacedAndDestroyed)
{
    CMyWnd listed, other;
    ASSERT_TRUE(CreatePopup(listed));
    WndsToDestroyOnDialog().Add(&listed);
    EXPECT_EQ(NULL, CheckWndToDestroy(&listed));
    EXPECT_EQ(&other, CheckWndToDestroy(&other));
    WndsToDestroyOnDialog().DestroyAll();
    EXPECT_EQ(NULL, listed.GetSafeHwnd());
    {
        CWndToDestroyLink link(&listed);
        link.m_registered = TRUE;
    }
    EXPECT_EQ(0, WndsToDestroyOnDialog().GetCount());
    RemoveWndToDestroyOnDialog(&other);   // not listed: nothing happens
}
} // namespace

namespace
{
TEST(ColouredControls, ListedStaticsAndEditsGetTheButtonFace)
{
    CFrameworkTestApp app;
    CTestWindow window;
    window.AddControl("STATIC", "Sire", 0, 11);
    window.AddControl("EDIT", "Bess", 0, 12);
    CColouredControls coloured;
    coloured.m_owner = window.Wnd();
    coloured.m_controlIds.Add(11);
    CWnd* listed = window.Wnd()->GetDlgItem(11);
    CWnd* unlisted = window.Wnd()->GetDlgItem(12);
    CClientDC dc(window.Wnd());
    HBRUSH face = (HBRUSH)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle();
    EXPECT_EQ(face, coloured.OnCtlColor(&dc, listed, CTLCOLOR_EDIT));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dc.GetBkColor());
    EXPECT_EQ(app.m_defaultTextColour, dc.GetTextColor());
    EXPECT_EQ(NULL, coloured.OnCtlColor(&dc, listed, CTLCOLOR_BTN));
    EXPECT_EQ(NULL, coloured.OnCtlColor(&dc, unlisted, CTLCOLOR_EDIT));
}
} // namespace
