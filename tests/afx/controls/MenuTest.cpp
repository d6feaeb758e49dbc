#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    ID_DRAWN = 0x8301,
    ID_PLAIN = 0x8302,
};

class COwnerDrawnMenu : public CMenu
{
public:
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    {
        ++m_nMeasures;
        m_nMeasuredID = lpMeasureItemStruct->itemID;
        lpMeasureItemStruct->itemWidth = 80;
        lpMeasureItemStruct->itemHeight = 20;
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++m_nDraws;
        m_nDrawnID = lpDrawItemStruct->itemID;
    }
    int m_nMeasures = 0;
    int m_nDraws = 0;
    UINT m_nMeasuredID = 0;
    UINT m_nDrawnID = 0;
};

// Closes the menu as soon as the menu loop waits for input.
class CMenuOwner : public CWnd
{
public:
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        if (wParam == MSGF_MENU)
        {
            m_bTrackingSeen = AfxGetThreadState()->m_hTrackingMenu != NULL;
            ::EndMenu();
        }
        return 0;
    }
    bool m_bTrackingSeen = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

void CALLBACK EndMenuLate(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu(); // in case no idle message comes
}

TEST(MenuTest, OwnerDrawnItemsOfATrackedMenuReachTheirMenuObject)
{
    CMenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, NULL, NULL));
    owner.SetForegroundWindow();
    COwnerDrawnMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_PLAIN, "Plain");
    menu.AppendMenu(MF_OWNERDRAW, ID_DRAWN, (LPCTSTR)1);
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 3000, EndMenuLate);

    BOOL nCommand = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 20, 20, &owner);
    ::KillTimer(NULL, nTimer);

    EXPECT_EQ(0, nCommand); // closed without a choice
    EXPECT_TRUE(owner.m_bTrackingSeen);
    EXPECT_EQ(NULL, AfxGetThreadState()->m_hTrackingMenu);
    EXPECT_GT(menu.m_nMeasures, 0);
    EXPECT_EQ((UINT)ID_DRAWN, menu.m_nMeasuredID);
    EXPECT_GT(menu.m_nDraws, 0);
    EXPECT_EQ((UINT)ID_DRAWN, menu.m_nDrawnID);
    owner.DestroyWindow();
}

TEST(MenuTest, ItemsAreFoundInNestedPopups)
{
    CMenu menu, sub;
    menu.CreatePopupMenu();
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_DRAWN, "Nested");
    menu.AppendMenu(MF_STRING, ID_PLAIN, "Top");
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.m_hMenu, "Sub");
    EXPECT_EQ(menu.m_hMenu, CMenu::FindPopupMenuFromID(menu.m_hMenu, ID_PLAIN));
    EXPECT_EQ(sub.m_hMenu, CMenu::FindPopupMenuFromID(menu.m_hMenu, ID_DRAWN));
    EXPECT_EQ(NULL, CMenu::FindPopupMenuFromID(menu.m_hMenu, 0x8999));
    // a sub-menu reached by handle is its permanent object
    EXPECT_EQ(&sub, menu.GetSubMenu(1));
    sub.Detach(); // owned by the menu
}
} // namespace
