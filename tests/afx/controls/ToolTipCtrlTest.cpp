#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

namespace
{
enum
{
    IDC_TIPPED = 1601,
};

// Gives the tooltip texts when they are asked for, as the program's dialogs do.
class CTipDialog : public CDialog
{
public:
    afx_msg BOOL OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nAsked;
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
        m_nToolID = ::GetDlgCtrlID((HWND)pNMHDR->idFrom);
        lstrcpynA(pInfo->szText, "Tip text", sizeof(pInfo->szText));
        *pResult = 0;
        return TRUE;
    }
    int m_nAsked = 0;
    int m_nToolID = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipDialog, CDialog)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

TEST(ToolTipCtrlTest, ACallbackToolAsksItsParentThroughTheMessageMap)
{
    CDialogTemplate t(L"Tips", WS_POPUP | WS_CAPTION);
    t.Add(CDialogTemplate::BUTTON, L"Tipped", IDC_TIPPED, BS_PUSHBUTTON, 10, 10, 60, 14);
    CTipDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dlg, TTS_NOPREFIX));
    EXPECT_EQ(&tip, CWnd::FromHandlePermanent(tip.m_hWnd));
    ASSERT_TRUE(tip.AddTool(dlg.GetDlgItem(IDC_TIPPED)));
    EXPECT_EQ(1, tip.GetToolCount());

    char szText[80] = "";
    TTTOOLINFOA ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    ti.hwnd = dlg.m_hWnd;
    ti.uFlags = TTF_IDISHWND;
    ti.uId = (UINT_PTR)::GetDlgItem(dlg.m_hWnd, IDC_TIPPED);
    ti.lpszText = szText;
    tip.SendMessage(TTM_GETTEXTA, sizeof(szText), (LPARAM)&ti);
    EXPECT_EQ(1, dlg.m_nAsked);
    EXPECT_EQ(IDC_TIPPED, dlg.m_nToolID);
    EXPECT_STREQ("Tip text", szText);

    tip.DelTool(dlg.GetDlgItem(IDC_TIPPED));
    EXPECT_EQ(0, tip.GetToolCount());
    tip.DestroyWindow();
    dlg.DestroyWindow();
}
} // namespace
