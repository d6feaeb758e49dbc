// CFrameWnd: a top-level window that holds control bars along its edges
// (placed again whenever its size changes), routes the commands it does not
// handle itself on to the application object, and keeps the status bar's
// key indicators up to date while the program is idle. Which of its bars are
// shown is kept in the application's profile.
#pragma once

#include "afx/windows/Wnd.h"

class CView;
class CControlBar;

// Frame styles kept in the low word of the window style.
#define FWS_ADDTOTITLE 0x8000L
#define FWS_PREFIXTITLE 0x4000L
#define FWS_SNAPTOBARS 0x2000L

// Docking sides of control bars.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_ANY 0xF000L

// Status bar indicators for the lock keys.
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() {}

    // Creates the frame as an overlapped window (a registered frame class
    // when none is given); menuName loads that menu resource, null for none.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                DWORD dwExStyle = 0);

    // Shows the frame (-1: restored when minimised, else as it is) and
    // brings it to the top.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Places the control bars; the room they leave goes to the child with
    // id AFX_IDW_PANE_FIRST when there is one.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The view that has the focus; there are no views.
    virtual CView* GetActiveView() const { return NULL; }

    // The sides where control bars may dock (CBRS_ALIGN_*). Bars are placed
    // by their own alignment; the frame only remembers what it allows.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetDockingStyle() const { return m_dwDockStyle; }

    // The control bars that are children of the frame, in window order.
    int GetControlBars(CControlBar** bars, int maxCount) const;
    CControlBar* GetControlBar(UINT nID) const;
    // Shows or hides a bar and lays the frame out again.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay = FALSE);

    // Which bars are shown, stored in the application's profile below the
    // sections "<name>-Summary" and "<name>-Bar<n>". Loading shows or hides
    // the bars stored with an id that a bar of the frame has; others are
    // left as they are.
    void SaveBarState(LPCTSTR lpszProfileName) const;
    void LoadBarState(LPCTSTR lpszProfileName);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    static const CRect rectDefault;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Frames are made with new and go with their window.
    void PostNcDestroy() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwDockStyle = 0;
};
