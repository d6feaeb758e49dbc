#include "afx/app/AfxWin.h"
#include "support/DialogDriver.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    IDC_PLAIN = 1201,
    IDC_SHARED = 1202,
    IDC_DRAWN = 1203,
};

// Takes its own clicks through reflection; the parent never sees them.
class CReflectingButton : public CButton
{
public:
    afx_msg void OnClicked() { ++m_nClicks; }
    int m_nClicks = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// Sees its clicks first and lets the parent see them too.
class CSharingButton : public CButton
{
public:
    afx_msg BOOL OnClicked()
    {
        ++m_nClicks;
        return FALSE;
    }
    int m_nClicks = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSharingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CDrawnButton : public CButton
{
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++m_nDraws;
        m_nLastCtlID = lpDrawItemStruct->CtlID;
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
    int m_nDraws = 0;
    UINT m_nLastCtlID = 0;
};

class CButtonsDialog : public CDialog
{
public:
    CButtonsDialog() {}

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_bSubclassed = m_plain.SubclassDlgItem(IDC_PLAIN, this) && m_shared.SubclassDlgItem(IDC_SHARED, this)
                        && m_drawn.SubclassDlgItem(IDC_DRAWN, this);
        return TRUE;
    }

    afx_msg void OnPlain() { ++m_nParentPlain; }
    afx_msg void OnShared() { ++m_nParentShared; }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        ++m_nParentDraws; // reached only when no control takes the message
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }

    CReflectingButton m_plain;
    CSharingButton m_shared;
    CDrawnButton m_drawn;
    bool m_bSubclassed = false;
    int m_nParentPlain = 0;
    int m_nParentShared = 0;
    int m_nParentDraws = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonsDialog, CDialog)
    ON_BN_CLICKED(IDC_PLAIN, OnPlain)
    ON_BN_CLICKED(IDC_SHARED, OnShared)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()


class ButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_template.Add(CDialogTemplate::BUTTON, L"Plain", IDC_PLAIN, BS_PUSHBUTTON, 10, 10, 60, 14);
        m_template.Add(CDialogTemplate::BUTTON, L"Shared", IDC_SHARED, BS_PUSHBUTTON, 10, 30, 60, 14);
        m_template.Add(CDialogTemplate::BUTTON, L"", IDC_DRAWN, BS_OWNERDRAW, 10, 50, 60, 14);
        ASSERT_TRUE(m_dlg.CreateIndirect(m_template.Get()));
        ASSERT_TRUE(m_dlg.m_bSubclassed);
    }

    void TearDown() override { m_dlg.DestroyWindow(); }

    CDialogTemplate m_template{L"Buttons", WS_POPUP | WS_CAPTION};
    CButtonsDialog m_dlg;
};

TEST_F(ButtonTest, SubclassedControlsArePermanentObjectsOfTheirClass)
{
    CWnd* pWnd = CWnd::FromHandle(::GetDlgItem(m_dlg.m_hWnd, IDC_PLAIN));
    EXPECT_EQ(&m_dlg.m_plain, pWnd);
    EXPECT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_EQ(&m_dlg, CWnd::FromHandlePermanent(m_dlg.m_hWnd));
}

TEST_F(ButtonTest, AReflectedNotificationReachesTheControlInsteadOfTheParent)
{
    CDialogDriver::ClickNow(m_dlg.m_hWnd, IDC_PLAIN);
    EXPECT_EQ(1, m_dlg.m_plain.m_nClicks);
    EXPECT_EQ(0, m_dlg.m_nParentPlain);
}

TEST_F(ButtonTest, AnExtendedReflectionLetsTheParentSeeTheNotificationToo)
{
    CDialogDriver::ClickNow(m_dlg.m_hWnd, IDC_SHARED);
    EXPECT_EQ(1, m_dlg.m_shared.m_nClicks);
    EXPECT_EQ(1, m_dlg.m_nParentShared);
}

TEST_F(ButtonTest, AnOwnerDrawnButtonDrawsItselfThroughReflection)
{
    m_dlg.ShowWindow(SW_SHOWNA);
    ::RedrawWindow(m_dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_GT(m_dlg.m_drawn.m_nDraws, 0);
    EXPECT_EQ((UINT)IDC_DRAWN, m_dlg.m_drawn.m_nLastCtlID);
    EXPECT_EQ(0, m_dlg.m_nParentDraws);
}

TEST_F(ButtonTest, UnsubclassingGivesTheControlBackToTheParent)
{
    HWND hWndPlain = m_dlg.m_plain.UnsubclassWindow();
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_PLAIN), hWndPlain);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWndPlain));
    CDialogDriver::ClickNow(m_dlg.m_hWnd, IDC_PLAIN);
    EXPECT_EQ(0, m_dlg.m_plain.m_nClicks);
    EXPECT_EQ(1, m_dlg.m_nParentPlain);
}
} // namespace
