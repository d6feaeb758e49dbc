#pragma once
// A bar along an edge of its parent (the status bar is one). Bars answer
// WM_SIZEPARENT, sent by CWnd::RepositionBars, by taking their room off the
// rectangle that the message carries.
#include "afx/windows/Wnd.h"

class CFrameWnd;

// Bar styles kept in the low word of a bar's creation style.
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// What WM_SIZEPARENT carries in its lParam.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // null when only querying
    RECT rect;      // the room still free
    SIZE sizeTotal; // the room the bars took
    BOOL bStretch;
};

enum AfxRepositionFlags
{
    reposDefault = 0,
    reposQuery = 1,
    reposExtra = 2
};

// Places the child bars of the window with ids first..last along its client
// edges; the room left goes to the child leftOver, or into rectParam when
// querying. rectClient replaces the client rectangle when given.
void AfxRepositionBars(CWnd* window, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                       LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar() {}

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style) { m_dwStyle = style; }
    // Bars stay on the edge of the window they belong to: none floats.
    BOOL IsFloating() const { return FALSE; }
    // The size the bar wants; the base takes its current window size.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Updates the bar's items through the frame's command routing; the base
    // has none.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {}

protected:
    DWORD m_dwStyle = 0;

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    // The idle update of a bar in a frame window (a bar in a dialog is
    // updated by its dialog).
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
