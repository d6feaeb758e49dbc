#pragma once
// The framework's list view: a redraw lock that nests, owner-drawn rows as
// high as the font, columns that size themselves to their contents and
// header texts, a header as high as its font, and a focus rectangle across
// the whole row. It is an OLE drop target and starts OLE drags of its items;
// what it offers and reads is up to the drag-and-drop support it is given.
#include "afx/controls/ListCtrl.h"
#include "framework/dragdrop/OleDragDropSupport.h"
#include "framework/lists/MyAutoSizeHeader.h"

#include <memory>

class CMyListCtrl : public CListCtrl
{
    DECLARE_DYNCREATE(CMyListCtrl)

public:
    CMyListCtrl();
    ~CMyListCtrl() override;

    // The plain support offers and reads nothing.
    std::unique_ptr<COleDragDropSupport> m_dragDrop;
    BOOL m_dragging = FALSE; // a drag from the list is running
    int m_redrawLock = 0;
    int m_rowHeight = 0;           // 0: not measured yet
    BOOL m_followFont = TRUE;      // a new font measures the rows again
    int m_headerFontHeight = 0;    // 0: not measured yet
    std::unique_ptr<CMyAutoSizeHeader> m_header;
    BOOL m_autoSizeOnDivider = TRUE;
    BOOL m_autoDelete = FALSE;     // the object deletes itself with its window
    BOOL m_clickPending = FALSE;
    CPoint m_clickPoint;

    // Locks drawing (nested locks count); unlocking the last one draws the
    // list and its header again.
    void LockRedraw(BOOL unlock = FALSE);
    CHeaderCtrl* GetHeaderCtrl() const;
    int GetColumnCount() const;
    // The column's width; -1 when the column does not exist.
    int GetColumnWidth(int column) const;
    // Records a click to be acted on later.
    void SetPendingClick(CPoint point);

    // One column (or every column when column < 0) as wide as the widest of
    // its contents, its header text and the minimum.
    virtual void AutoSizeColumns(int column, int minimum);
    // Makes an owner-drawn list ask for its row height again.
    virtual void ForceMeasureItem();
    virtual int GetAutoColumnWidth(int column);
    virtual int GetAutoHeaderWidth(int column);
    virtual void OnHeaderLayout(HDLAYOUT* layout);
    virtual void OnColumnResized();
    virtual BOOL CanAutoSizeColumn(int column) { return m_autoSizeOnDivider; }

protected:
    // A list whose items are dragged out or dropped on brings the support
    // that puts them into a data source and reads them (the list owns it).
    explicit CMyListCtrl(COleDragDropSupport* dragDrop);

    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    void AttachHeader();
    int MeasureRowHeight(HFONT font) const;
    void InvalidateFocusedRow();

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg LRESULT OnMeasureItemReflect(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam);
    afx_msg void OnBeginDrag(NMHDR* header, LRESULT* result);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
