#pragma once

#include "framework/windows/MyWnd.h"
#include "output/pictures/ThumbnailMaker.h"

#include <vector>

// A scrolling grid of equal cells showing the pictures of one folder, each
// fitted above a caption of its name and kind. Cells are selected by mouse
// and keys and resized all at once by dragging a cell's corner grip; the
// cell size is kept in the profile. The thumbnails are made on worker
// threads: a cell shows its name until its thumbnail arrives, and scrolling
// away drops the requests of cells no longer shown.
class CThumbnailGrid : public CMyWnd
{
    DECLARE_DYNCREATE(CThumbnailGrid)

public:
    CThumbnailGrid();
    ~CThumbnailGrid() override;

    BOOL Create(CWnd* parent, const RECT& rect, UINT id);
    void SetSettingsKey(LPCTSTR section, LPCTSTR key);
    void SetFolder(LPCTSTR folder);
    void SelectFile(LPCTSTR name);
    void SetSelection(int index);
    CString GetSelectedName() const;
    CString GetSelectedPath() const;
    void SetCount(int count);
    void EnsureVisible(int index, BOOL partialRows);
    int HitTest(int x, int y) const;
    int HitTestResizeHandle(int x, int y) const;
    CRect GetCellRect(int index) const;

    int GetSelection() const { return m_nSelection; }
    int GetCount() const { return m_nCount; }
    int GetFirstRow() const { return m_nFirstRow; }
    int GetColumns() const { return m_nColumns; }
    int GetFullRows() const { return m_nFullRows; }
    CSize GetCellSize() const { return CSize(m_nCellWidth, m_nCellHeight); }
    // TRUE while thumbnails are waiting or being made.
    BOOL IsMakingThumbnails();
    // TRUE once the picture's thumbnail (or its failure) has arrived.
    BOOL HasThumbnail(int index) const;

    CWnd* m_pOwnerDialog; // receives IDOK on a double click

protected:
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnKillFocus(CWnd* next);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnThumbnailsMade(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ReadCellSize();
    void Layout();
    void SetFirstRow(int row);
    void PaintCell(CDC* dc, int index);
    void DrawTracking();
    void InvalidateCell(int index);
    void ForgetThumbnails();
    void RequestThumbnail(CDC* dc, int index);

    struct Thumbnail
    {
        enum State
        {
            None,
            Requested,
            Made
        } state = None;
        ThumbnailBitmap made;   // no bitmap when the file held no picture
        CString description;    // of the picture's kind; empty when unknown
    };

    CString m_windowClass;
    int m_nCellWidth;
    int m_nCellHeight;
    int m_nColumns;
    int m_nFirstRow;
    int m_nVisibleRows;
    int m_nFullRows;
    int m_nCount;
    int m_nSelection;
    HCURSOR m_hResizeCursor;
    BOOL m_bTracking;
    CRect m_trackRect;
    int m_nLastX;
    int m_nLastY;
    CString m_folder;
    CStringArray m_names;
    CString m_section;
    CString m_key;
    CThumbnailMaker m_maker;
    std::vector<Thumbnail> m_thumbnails; // one per name
};
