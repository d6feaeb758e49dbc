#pragma once
// The status bar: the platform's status window as a control bar, with panes
// named by indicator ids. A pane's text is at first its id's string.
#include "afx/windows/ControlBar.h"
#include "afx/strings/String.h"

#include <vector>

#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar() {}

    // style: window styles in the high word, bar styles (CBRS_*) in the low.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return (int)m_panes.size(); }
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nIDFind) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Each pane but the separators asks the frame for its state: disabled
    // panes show no text, and an update may set the pane's text.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    struct Pane
    {
        UINT id;
        UINT style;
        int width;
        CString text;
    };
    // Hands the pane edges and texts to the platform's window.
    void UpdateParts();
    // The text the platform's window shows for a pane.
    void ShowPaneText(int nIndex);

    friend class CStatusCmdUI;

    std::vector<Pane> m_panes;
};
