#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    IDC_COLOURED = 1701,
    IDC_DECLINING = 1702,
};

// Answers its own colour message by reflection, or declines it.
class CColourStatic : public CStatic
{
public:
    explicit CColourStatic(HBRUSH hBrush) : m_hBrush(hBrush) {}

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++m_nAsked;
        m_nLastType = nCtlColor;
        pDC->SetTextColor(RGB(0, 0, 255));
        return m_hBrush;
    }

    HBRUSH m_hBrush;
    int m_nAsked = 0;
    UINT m_nLastType = 99;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CColourDialog : public CDialog
{
public:
    CColourDialog() : m_coloured(::GetSysColorBrush(COLOR_HIGHLIGHT)), m_declining(NULL) {}

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_coloured.SubclassDlgItem(IDC_COLOURED, this);
        m_declining.SubclassDlgItem(IDC_DECLINING, this);
        return TRUE;
    }

    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT)
    {
        m_pLastAsked = pWnd;
        return ::GetSysColorBrush(COLOR_INFOBK);
    }

    CColourStatic m_coloured;
    CColourStatic m_declining;
    CWnd* m_pLastAsked = NULL;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourDialog, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(StaticTest, AControlAnswersItsColourFirstAndTheParentWhenItDeclines)
{
    CDialogTemplate t(L"Colours", WS_POPUP | WS_CAPTION);
    t.Add(CDialogTemplate::STATIC, L"Coloured", IDC_COLOURED, SS_LEFT, 10, 10, 60, 10);
    t.Add(CDialogTemplate::STATIC, L"Plain", IDC_DECLINING, SS_LEFT, 10, 30, 60, 10);
    CColourDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    HDC hDC = ::GetDC(dlg.m_hWnd);

    LRESULT lResult = dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)dlg.m_coloured.m_hWnd);
    EXPECT_EQ((LRESULT)::GetSysColorBrush(COLOR_HIGHLIGHT), lResult);
    EXPECT_EQ((UINT)CTLCOLOR_STATIC, dlg.m_coloured.m_nLastType);
    EXPECT_EQ(RGB(0, 0, 255), ::GetTextColor(hDC));
    EXPECT_EQ(NULL, dlg.m_pLastAsked);

    lResult = dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)dlg.m_declining.m_hWnd);
    EXPECT_EQ(1, dlg.m_declining.m_nAsked);
    EXPECT_EQ((LRESULT)::GetSysColorBrush(COLOR_INFOBK), lResult);
    EXPECT_EQ(&dlg.m_declining, dlg.m_pLastAsked);

    ::ReleaseDC(dlg.m_hWnd, hDC);
    dlg.DestroyWindow();
}
} // namespace
