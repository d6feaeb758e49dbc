#include "afx/app/AfxWin.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
enum
{
    IDC_COLOURS = 1301,
};

// An owner-drawn list box whose items draw themselves.
class CColourList : public CListBox
{
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        if (lpDrawItemStruct->itemID != (UINT)-1)
            m_drawnItems.push_back((int)lpDrawItemStruct->itemID);
    }
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) { lpMeasureItemStruct->itemHeight = 20; }
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
    {
        m_deletedData.push_back((int)lpDeleteItemStruct->itemData);
    }

    std::vector<int> m_drawnItems;
    std::vector<int> m_deletedData;
};

class CListDialog : public CDialog
{
public:
    virtual void DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_COLOURS, m_list); }

    afx_msg void OnSelChange() { ++m_nSelChanges; }

    CColourList m_list;
    int m_nSelChanges = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListDialog, CDialog)
    ON_LBN_SELCHANGE(IDC_COLOURS, OnSelChange)
END_MESSAGE_MAP()

TEST(ListBoxTest, ABoundListBoxDrawsAndDeletesItsOwnItems)
{
    CDialogTemplate t(L"List", WS_POPUP | WS_CAPTION);
    t.Add(CDialogTemplate::LISTBOX, L"", IDC_COLOURS, LBS_OWNERDRAWFIXED | LBS_NOTIFY | WS_BORDER, 10, 10, 100, 60);
    CListDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    // data exchange bound the control once, as a permanent object
    EXPECT_EQ(&dlg.m_list, CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_COLOURS)));
    ASSERT_TRUE(dlg.UpdateData(FALSE));

    int nFirst = dlg.m_list.AddString(NULL);
    dlg.m_list.SetItemData(nFirst, 11);
    int nSecond = dlg.m_list.AddString(NULL);
    dlg.m_list.SetItemData(nSecond, 22);
    EXPECT_EQ(2, dlg.m_list.GetCount());

    dlg.ShowWindow(SW_SHOWNA);
    ::RedrawWindow(dlg.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_NE(dlg.m_list.m_drawnItems.end(),
              std::find(dlg.m_list.m_drawnItems.begin(), dlg.m_list.m_drawnItems.end(), 1));

    dlg.m_list.DeleteString(0);
    ASSERT_EQ(1u, dlg.m_list.m_deletedData.size());
    EXPECT_EQ(11, dlg.m_list.m_deletedData[0]);

    // a selection change from the user reaches the parent's handler
    dlg.m_list.SetCurSel(0);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLOURS, LBN_SELCHANGE), (LPARAM)dlg.m_list.m_hWnd);
    EXPECT_EQ(1, dlg.m_nSelChanges);
    dlg.DestroyWindow();
    EXPECT_EQ(NULL, dlg.m_list.m_hWnd); // the control was let go with its window
}
} // namespace
