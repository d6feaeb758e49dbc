#pragma once
// A list of rows of equal height that draws itself: a header band, a focus
// row moved by mouse and keys (each move asked of the class first, and a
// refusal with a reason shown as a message), vertical scrolling by rows and
// horizontal scrolling by pixels. Derived classes draw the rows and the
// header.
#include "afx/app/AfxWin.h"

class CCustomListWnd : public CWnd
{
    DECLARE_DYNAMIC(CCustomListWnd)

public:
    CCustomListWnd();

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetItemCount(int count);
    int GetItemCount() const { return m_itemCount; }
    void SetRowHeight(int height);
    void SetHeaderHeight(int height);
    void SetTotalWidth(int width);
    int GetFocusRow() const { return m_focusRow; }
    int GetFirstVisibleRow() const { return m_firstVisible; }
    int GetHorizontalOffset() const { return m_hOffset; }
    int GetWholeVisibleRows() const { return m_wholeVisibleRows; }

    // Makes the row the focus row when the class allows it (a refusal with
    // a reason shows the reason); TRUE when the row is the focus row after.
    BOOL MoveFocusTo(int row);
    // The rectangle of a visible row; FALSE for a row outside the list or
    // the visible rows.
    BOOL GetRowRect(int row, CRect& rect) const;
    // The row under a client point, -1 when none.
    int RowFromPoint(CPoint point) const;
    // Scrolls so that the row is the first visible one (held in range).
    void ScrollToRow(int first);
    void ScrollHorizontallyTo(int offset);

protected:
    virtual void DrawRow(CDC* dc, const CRect& rect, int index, BOOL focused);
    virtual void DrawFocus(CDC* dc, const CRect& rect);
    virtual void DrawBelowRows(CDC* dc, const CRect& rect);
    virtual void DrawHeader(CDC* dc, const CRect& rect);
    // FALSE refuses the row; reason, when set, is shown to the user.
    virtual BOOL CanSelectRow(int row, CString& reason);
    virtual void SelectRow(int row);
    virtual void ScrollRowIntoView(int row);
    virtual void OnRowClicked(int row);
    virtual void OnRowDoubleClicked(int row);
    virtual void OnRowContextMenu(int row, CPoint screenPoint);
    virtual void OnSideKey(UINT key);
    virtual void OnEditKey();
    virtual void OnEnterKey(BOOL shift, BOOL control);

    // Recomputes the visible rows, the horizontal page and line and the
    // scroll ranges from the client size.
    void RecalcLayout();
    void InvalidateRow(int row);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnKillFocus(CWnd* next);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    int m_itemCount = 0;
    int m_lastIndex = -1;
    int m_rowHeight = 16;
    int m_firstVisible = 0;
    int m_wholeVisibleRows = 0;
    int m_visibleRows = 0; // whole and partly visible
    int m_hOffset = 0;
    int m_headerHeight = 0;
    int m_totalWidth = 0;
    int m_hPage = 0;
    int m_hLine = 1;
    int m_focusRow = -1;
    BOOL m_repaintPending = FALSE;
    BOOL m_hasFocus = FALSE;

private:
    // The first row from start, walking by step, that the class allows
    // (asked silently); -1 when none.
    int FirstSelectableRow(int start, int step);
};
