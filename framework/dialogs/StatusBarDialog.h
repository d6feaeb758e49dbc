#pragma once
// A resizable dialog with a status bar along its bottom edge. Derived dialogs
// place their controls in clientArea, the room the bar leaves, from
// RepositionControls. The bar's panes are updated while idle; the dialog
// cannot be tracked smaller than two thirds of the work area (or its initial
// size, when larger).
#include "afx/windows/StatusBar.h"
#include "framework/dialogs/MyDialog.h"

#include <vector>

class CStatusBarDialog : public CMyDialog
{
    DECLARE_DYNAMIC(CStatusBarDialog)

public:
    CStatusBarDialog(UINT templateId, CWnd* parent, const UINT* indicatorIds, int count);
    ~CStatusBarDialog() override;

    std::vector<UINT> m_indicators;
    CStatusBar m_statusBar;
    BOOL m_layoutActive = FALSE;
    BOOL m_inRecalc = FALSE;
    BOOL m_inSize = FALSE;
    CRect m_clientArea;

    // Called after the bars are placed; the base does nothing.
    virtual void RepositionControls() {}
    virtual void UpdateControlsFor(CCmdTarget* target, BOOL disableIfNoHandler);

    void SetStatusText(LPCTSTR text);
    void RecalcLayout();

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
