#pragma once
// A pane bar with one scrolling page: the page command goes to the page's
// window, and Select Region chooses whether the pane works on the selected
// region only.
#include "framework/panes/PaneBar.h"
#include "framework/panes/ScrollingWnd.h"

#define ID_PANE_SELECT_REGION 39937
#define ID_PANE_PAGE_COMMAND 39938

class CPaneWnd : public CPaneBar
{
    DECLARE_DYNAMIC(CPaneWnd)

public:
    CPaneWnd();

    CString m_pageTitle;
    CScrollingWnd* m_page = NULL; // deletes itself after its window
    BOOL m_region = FALSE;        // work on the selected region only

    // The application's test whether a region is in use: the preset choice
    // is "everything" when it answers FALSE.
    virtual BOOL IsRegionInUse();
    // Applies the region flag; the base repaints the page.
    virtual void ApplyRegion();

protected:
    void OnAfterCreate(LPVOID param) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
