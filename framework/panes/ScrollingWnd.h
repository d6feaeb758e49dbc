#pragma once
// A window whose content may be larger than its client area: scroll bars
// appear per axis as needed, and the content scrolls by the bars, keys and
// the mouse wheel. A derived class draws the content, names the cursor over
// a point and may let the user drag with the mouse.
#include "afx/app/AfxWin.h"

class CScrollingWnd : public CWnd
{
    DECLARE_DYNAMIC(CScrollingWnd)

public:
    CScrollingWnd();

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int m_contentWidth = 0;
    int m_contentHeight = 0;
    int m_pageWidth = 0;  // 0: the client width
    int m_pageHeight = 0; // 0: the client height
    int m_lineWidth = 16;
    int m_lineHeight = 16;
    BOOL m_inLayout = FALSE;
    BOOL m_dragging = FALSE;
    CPoint m_dragStart;
    CPoint m_lastDrag;
    int m_dragMode = 0;

    // Sets the content size and recomputes the scroll bars.
    void SetContentSize(int width, int height);
    // Shows a bar per axis where the content is larger than the room, and
    // sets its range and page; not re-entered while it runs.
    void UpdateScrollBars();
    // Scrolls by the distances, held in range; only on axes with a bar.
    void ScrollBy(int dx, int dy);
    CPoint GetScrollPosition() const;
    BOOL HasBar(int bar) const;

    virtual void PrepareDC(CDC* dc);
    virtual void Draw(CDC* dc);
    // The cursor resource over a client point, 0 for the arrow.
    virtual UINT GetCursorId(CPoint point);
    // Whether a drag starts at the client point.
    virtual BOOL HitTestDragStart(CPoint point);
    virtual void BeginDrag(CPoint point);
    virtual void DragMove(CPoint point, CPoint last);
    virtual void EndDrag(CPoint point);
    virtual void CancelDrag();

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    int PageSize(int bar) const;
    int LineSize(int bar) const { return bar == SB_HORZ ? m_lineWidth : m_lineHeight; }
    // The distance that a scroll-bar code asks for on the bar.
    int ScrollDistance(int bar, UINT code);
    void ReleaseDrag();
};
