#pragma once
// A pane bar whose pages are views: a label and a drop-down list of the
// views along its top, the shown view below them. Choosing an entry in the
// list switches to that view; a switch the bar refuses leaves the list on
// the view that is shown.
#include "afx/controls/ComboBox.h"
#include "afx/controls/Static.h"
#include "framework/panes/PaneBar.h"

// The drop-down list of views and the label before it.
const UINT IDC_VIEW_BAR_LIST = 101;
const UINT IDC_VIEW_BAR_LABEL = 0xFFFF;

class CViewBar : public CPaneBar
{
    DECLARE_DYNAMIC(CViewBar)

public:
    CViewBar();

    CStatic m_label;
    CString m_labelText;
    CComboBox m_views;
    int m_barHeight = 0;
    BOOL m_busy = FALSE; // the bar itself is changing the list's selection
    BOOL m_layoutNeeded = TRUE;

    // Shows the entry in the list without switching views.
    void SetSelection(int index);

    // The client area below the label and the list.
    void GetPageArea(CRect& rect) override;
    BOOL CreateParts() override;
    void RecalcLayout() override;
    void OnPageChanged(int index) override;

protected:
    void OnPageAdded(int index) override;
    // Places the label and the list along the top in the bar's font.
    void LayOutParts();

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnSelectionChange();
    DECLARE_MESSAGE_MAP()
};
