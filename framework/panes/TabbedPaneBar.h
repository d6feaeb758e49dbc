#pragma once
// A pane bar whose pages are chosen with a tab control along its top; the
// tabs show the pages' tip texts as tooltips.
#include "afx/controls/TabCtrl.h"
#include "framework/panes/PaneBar.h"

#include <string>

#define IDC_PANE_BAR_TABS 40102

class CTabbedPaneBar : public CPaneBar
{
    DECLARE_DYNAMIC(CTabbedPaneBar)

public:
    CTabbedPaneBar();

    CTabCtrl m_tabs;
    BOOL m_busy = FALSE; // while the bar itself selects a tab
    CString m_tipText;
    std::wstring m_wideTipText;

    void GetPageArea(CRect& rect) override;
    BOOL CreateParts() override;
    void RecalcLayout() override;
    void OnPageChanged(int index) override;

protected:
    void OnPageAdded(int index) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The tip text of the page whose tab is under the cursor; FALSE when the
    // cursor is over no tab of a page.
    BOOL GetTipUnderCursor(CString& text);
};
