#include "framework/dialogs/DialogSplitter.h"

#include "FrameDialogTestIds.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
const char* Section = "Dialog Splitter Test";
const UINT LeftPane = AFX_IDW_PANE_FIRST, RightPane = AFX_IDW_PANE_FIRST + 1;

// A dialog split into a list on the left and a button on the right; it
// records what reaches it from the panes.
class CSplitDialog : public CMyDialog
{
public:
    CSplitDialog() : CMyDialog(IDD_STATUS_BAR_TEST, NULL) {}

    void Open()
    {
        ASSERT_TRUE(Create(IDD_STATUS_BAR_TEST, NULL));
        GetDlgItem(IDC_STATUS_BAR_LIST)->ShowWindow(SW_HIDE);
        SetWindowPos(NULL, 0, 0, 420, 240, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(m_splitter.CreateStatic(this, 1, 2));
        m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(0, 0, 10, 10), &m_splitter, LeftPane);
        for (const char* name : {"Bella", "Rex", "Sable"})
            m_list.AddString(name);
        m_button.Create("Show", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &m_splitter, RightPane);
        m_splitter.RecalcLayout();
        ShowWindow(SW_SHOW);
    }

    CDialogSplitter m_splitter;
    CListBox m_list;
    CButton m_button;
    int m_clicks = 0;
    UINT m_notifyCode = 0;

protected:
    afx_msg void OnShowClicked() { ++m_clicks; }
    // Answers the list's notification; the others (such as the button's
    // custom-draw requests) keep their default answers.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (((NMHDR*)lParam)->code != (UINT)LVN_ITEMCHANGED)
            return CMyDialog::OnNotify(wParam, lParam, pResult);
        m_notifyCode = LVN_ITEMCHANGED;
        *pResult = 7;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSplitDialog, CMyDialog)
ON_BN_CLICKED(RightPane, OnShowClicked)
END_MESSAGE_MAP()

int ColumnWidth(CSplitterWnd& splitter)
{
    int width = 0, minimum = 0;
    splitter.GetColumnInfo(0, width, minimum);
    return width;
}

// Presses the mouse on the bar and lets it go dx pixels further.
void DragBar(CSplitterWnd& splitter, int dx)
{
    CWnd* left = splitter.GetPane(0, 0);
    CRect pane;
    left->GetWindowRect(&pane);
    splitter.ScreenToClient(&pane);
    int x = pane.right + 2, y = pane.Height() / 2;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y));
}

class DialogSplitterTest : public ::testing::Test
{
protected:
    DialogSplitterTest() { m_app.WriteProfileString(Section, NULL, NULL); }
    ~DialogSplitterTest() override { m_app.WriteProfileString(Section, NULL, NULL); }
    CFrameworkTestApp m_app;
};
}

TEST_F(DialogSplitterTest, RestoresTheStoredWidthOrTheDefault)
{
    CSplitDialog dialog;
    dialog.Open();
    const struct
    {
        int stored; // below -1: nothing stored
        int defaultPosition;
        int expected;
    } cases[] = {{-2, 80, 80}, {0, 80, 80}, {-1, 80, 80}, {150, 80, 150}, {-2, 0, 20}, {-2, -5, 20}};
    for (const auto& c : cases)
    {
        m_app.WriteProfileString(Section, NULL, NULL);
        if (c.stored >= -1)
            m_app.WriteProfileInt(Section, "Width", c.stored);
        EXPECT_EQ(dialog.m_splitter.RestorePosition(Section, "Width", c.defaultPosition), c.expected) << c.stored;
        EXPECT_EQ(ColumnWidth(dialog.m_splitter), c.expected);
        CRect pane;
        dialog.m_list.GetWindowRect(&pane);
        EXPECT_EQ(pane.Width(), c.expected);
    }
    dialog.DestroyWindow();
}

TEST_F(DialogSplitterTest, DraggingTheBarStoresTheFirstColumnsWidthOnlyWithSectionAndEntry)
{
    CSplitDialog dialog;
    dialog.Open();
    CDialogSplitter& splitter = dialog.m_splitter;
    splitter.RestorePosition(Section, "Width", 100);
    DragBar(splitter, 40);
    EXPECT_FALSE(splitter.IsTracking());
    EXPECT_EQ(ColumnWidth(splitter), 140);
    EXPECT_EQ((int)m_app.GetProfileInt(Section, "Width", -1), 140);
    dialog.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(SaveWindowScreenshot(dialog.m_hWnd, "framework_dialog_splitter"));

    // Without an entry the default is used and nothing is written; the
    // default is also the narrowest the first column gets; a drag cancelled
    // by Escape keeps the width.
    splitter.RestorePosition(Section, NULL, 100);
    DragBar(splitter, -30);
    EXPECT_EQ(ColumnWidth(splitter), 100);
    DragBar(splitter, 30);
    EXPECT_EQ(ColumnWidth(splitter), 130);
    EXPECT_EQ((int)m_app.GetProfileInt(Section, "Width", -1), 140);
    CRect pane;
    dialog.m_list.GetWindowRect(&pane);
    splitter.ScreenToClient(&pane);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pane.right + 2, 20));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pane.right + 60, 20));
    splitter.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(splitter.IsTracking());
    EXPECT_EQ(ColumnWidth(splitter), 130);
    dialog.DestroyWindow();
}

TEST_F(DialogSplitterTest, PassesPaneCommandsAndNotificationsToTheDialogAndFollowsTheFocus)
{
    CSplitDialog dialog;
    dialog.Open();
    CDialogSplitter& splitter = dialog.m_splitter;
    dialog.m_button.SendMessage(BM_CLICK);
    EXPECT_EQ(dialog.m_clicks, 1);

    NMHDR header = {dialog.m_list.m_hWnd, LeftPane, (UINT)LVN_ITEMCHANGED};
    EXPECT_EQ(splitter.SendMessage(WM_NOTIFY, LeftPane, (LPARAM)&header), 7);
    EXPECT_EQ(dialog.m_notifyCode, (UINT)LVN_ITEMCHANGED);

    int row = -1, col = -1;
    splitter.SetActivePane(0, 1);
    EXPECT_EQ(splitter.GetActivePane(&row, &col), &dialog.m_button);
    EXPECT_EQ(col, 1);
    splitter.SetActivePane(0, 0, &dialog.m_list);
    EXPECT_EQ(splitter.GetActivePane(&row, &col), &dialog.m_list);
    EXPECT_EQ(row * 16 + col, 0);
    splitter.SetFocus();
    EXPECT_EQ(splitter.GetActivePane(), (CWnd*)NULL);
    dialog.DestroyWindow();
}
