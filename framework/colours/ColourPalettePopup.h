#pragma once
// The drop-down colour palette of a colour field: the 44 named colours in
// four rows of eleven, an optional default entry above them and an optional
// "Other Colours..." entry below that opens the common colour dialog with the
// custom colours. Accepting posts the colour to the owner in lParam.
#include "framework/popups/PopupWnd.h"

class CCustomColours;

class CColourPalettePopup : public CPopupWnd
{
public:
    // Items besides the cells 0 to 43.
    enum { NoItem = -1, OtherItem = -2, DefaultItem = -3 };
    enum { Columns = 11 };

    // Opens at the anchor points (below, or above when there is no room),
    // with the owner window as parent. Without custom colours there is no
    // "Other" entry; without a default text no default entry.
    CColourPalettePopup(CPoint below, CPoint above, CWnd* owner, COLORREF colour, CCustomColours* customColours,
                        LPCTSTR defaultText);

    void Accept() override;
    void Cancel() override;

    int HitTest(CPoint point) const;
    CRect GetItemRect(int item) const;
    int GetInitialItem(COLORREF colour) const;
    // The item an arrow key moves to from the item.
    int NextItem(int item, UINT key) const;
    void Highlight(int item);

    CString m_defaultText;
    CString m_otherText;
    CWnd* m_owner;
    COLORREF m_initialColour;
    COLORREF m_currentColour;
    CCustomColours* m_customColours;
    int m_rows;
    int m_cellWidth, m_cellHeight;
    int m_edgeWidth, m_edgeHeight;
    int m_highlighted;
    int m_initialItem;
    CRect m_otherRect;
    CRect m_defaultRect;
    CPalette m_palette;
    CSize m_clientSize;

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* focusWnd);
    DECLARE_MESSAGE_MAP()

private:
    BOOL HasDefault() const { return !m_defaultText.IsEmpty(); }
    BOOL HasOther() const { return !m_otherText.IsEmpty(); }
    // The first of the default entry, the "Other" entry and the cell.
    int FirstOf(BOOL defaultFirst, int cell) const;
    // The top left corner of the grid of cells: one edge in, below the
    // default entry when there is one.
    CPoint GridOrigin() const;
    void CreatePalette();
    void ComputeSize();
    // Runs the colour dialog; FALSE when it did not end with OK.
    BOOL ChooseOtherColour();
    void DrawItem(CDC* dc, int item);
    void DrawCell(CDC* dc, int item);
    void DrawEntry(CDC* dc, int item);
    void RedrawItem(int item);
};

// Opens a colour palette; null when its window could not be made (nothing
// is left behind).
CColourPalettePopup* OpenColourPalettePopup(CPoint below, CPoint above, CWnd* owner, COLORREF colour,
                                            CCustomColours* customColours, LPCTSTR defaultText);
