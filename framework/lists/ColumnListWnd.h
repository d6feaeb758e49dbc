#pragma once
// A custom list window with titled columns whose dividers the user drags.
// The first column's width is remembered per window name as the window's
// list-window extent.
#include "afx/collections/StringArray.h"
#include "framework/lists/CustomListWnd.h"

#include <vector>

class CColumnListWnd : public CCustomListWnd
{
    DECLARE_DYNAMIC(CColumnListWnd)

public:
    CColumnListWnd();

    // The name under which the extent is remembered (none: not remembered).
    CString m_name;

    // Adds a column; when it is the first and the window has a name with a
    // remembered extent, the extent is its width.
    void AddColumn(LPCTSTR title, int width);
    int GetColumnCount() const { return (int)m_columns.size(); }
    int GetColumnWidth(int column) const { return m_columns.at(column).width; }
    // The client x of the divider right of the column.
    int GetDividerX(int column) const;
    // The column whose right divider lies within 3 pixels of x and has titled
    // columns on both sides (the last column's divider counts when titled);
    // -1 when none.
    int DividerAt(CPoint point) const;
    BOOL IsDragging() const { return m_dragColumn >= 0; }

    static const int MinimumColumnWidth = 8;

protected:
    // The text of one cell; the base gives none.
    virtual CString GetCellText(int row, int column);

    void DrawRow(CDC* dc, const CRect& rect, int index, BOOL focused) override;
    void DrawHeader(CDC* dc, const CRect& rect) override;

    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnCancelMode();
    DECLARE_MESSAGE_MAP()

private:
    struct Column
    {
        CString title;
        int width;
    };
    std::vector<Column> m_columns;
    int m_dragColumn = -1;
    int m_dragX = 0;

    void InvertDragLine();
    void EndDrag(BOOL accept, int x);
    void UpdateTotalWidth();
};
