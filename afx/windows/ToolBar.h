#pragma once
// CToolBar: a control bar that is the platform's toolbar control, filled
// from a toolbar resource (type 241: version 1, bitmap width and height,
// button count, then the buttons' command ids, 0 for a separator) and the
// bitmap of the same id, one image per button that is not a separator.
#include "afx/windows/ControlBar.h"
#include "afx/windows/ToolBarCtrl.h"
#include "afx/collections/UIntArray.h"

#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR 0xE800
#endif
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

public:
    CToolBar() {}

    // style: window styles in the high word, bar styles (CBRS_*) in the low;
    // ctrlStyle: the toolbar control's own styles (TBSTYLE_*).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                  UINT nID = AFX_IDW_TOOLBAR);

    // The buttons and images of a toolbar resource; FALSE when the resource
    // or its bitmap is missing or the resource is not of version 1.
    BOOL LoadToolBar(UINT nIDResource);
    // Replaces the buttons: one per id, ID_SEPARATOR (0) making a separator;
    // the other buttons take the images in order.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // The bar's toolbar control (the same window).
    CToolBarCtrl& GetToolBarCtrl() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    // Reads a toolbar resource of the resource module: its command ids
    // (separators as 0 unless skipped) and the size of its images.
    static BOOL PASCAL ReadToolBarResource(LPCTSTR lpszResourceName, CUIntArray& ids, BOOL bSkipSeparators,
                                           CSize* pImageSize = NULL);

private:
    mutable CToolBarCtrl m_ctrl; // never attached: only lends its members to this window
};
