#pragma once
// A window split into rows and columns of panes with bars between them that
// the user drags. Panes are child windows with the ids of
// IdFromRowCol; the splitter lays them out in its client area.
#include "afx/windows/Wnd.h"

#include <vector>

#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    // Hit codes: the split boxes, the bars between rows (101 + row), between
    // columns (201 + column) and their crossings (301 + row * 15 + column).
    enum HitTestValue
    {
        noHit = 0,
        vSplitterBox = 1,
        hSplitterBox = 2,
        bothSplitterBox = 3,
        vSplitterBar1 = 101,
        hSplitterBar1 = 201,
        splitterIntersection1 = 301
    };

    CSplitterWnd();

    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    virtual void RecalcLayout();

    virtual CWnd* GetActivePane(int* pRow = NULL, int* pCol = NULL);
    virtual void SetActivePane(int row, int col, CWnd* pWnd = NULL);

    int HitTest(CPoint pt) const;
    BOOL IsTracking() const { return m_bTracking; }

protected:
    struct CRowColInfo
    {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

    virtual void StartTracking(int ht);
    virtual void StopTracking(BOOL bAccept);
    virtual void OnInvertTracker(const CRect& rect);
    void GetHitRect(int ht, CRect& rect) const;
    void GetInsideRect(CRect& rect) const;
    void SetSplitCursor(int ht);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    int m_nRows = 0, m_nCols = 0;
    std::vector<CRowColInfo> m_rowInfo, m_colInfo;
    int m_cxSplitter = 6, m_cySplitter = 6; // bar widths
    BOOL m_bTracking = FALSE, m_bTracking2 = FALSE;
    int m_htTrack = noHit;
    CRect m_rectTracker, m_rectTracker2, m_rectLimit;
    CPoint m_ptTrackOffset;
};
