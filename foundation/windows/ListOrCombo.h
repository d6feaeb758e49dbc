#pragma once

#include "afx/app/AfxWin.h"
#include "afx/collections/DWordArray.h"
#include "afx/collections/MapStringToString.h"
#include "afx/collections/StringArray.h"
#include "foundation/containers/MapEx.h"
#include "foundation/windows/ListItemOperations.h"

#include <vector>

// One set of list operations over either a list box or a combo box; the list
// box is used when it is set. A control that keeps its items as records of
// its own (it implements CListItemOperations) is filled and read through
// those records; any other through the plain messages.
class CListOrCombo
{
public:
    explicit CListOrCombo(CListBox* listBox);
    explicit CListOrCombo(CComboBox* comboBox);

    // Width reserved for item images by a control with own records.
    static const int ImageColumnWidth = 20;

    BOOL IsMultiSelect() const;
    BOOL IsOwnerDraw() const;
    BOOL HasStrings() const;
    BOOL HasOwnRecords() const;

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight(int index) const;
    int DeleteString(int index);
    // The extent includes the image column of a control with own records.
    void SetHorizontalExtent(int width);
    void SetRedraw(BOOL redraw);
    void Invalidate();
    void GetClientRect(RECT* rect) const;
    HFONT GetFont() const;

    int AddString(LPCTSTR text, int extraValue = -1);
    int InsertString(int index, LPCTSTR text, int extraValue = -1);
    CString GetText(int index) const;
    int GetTextLen(int index) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetExtraValue(int index) const;
    void ResetContent();

    // Item data of the current selection, or the default without one.
    DWORD_PTR GetCurSelData(DWORD_PTR defaultData) const;

    // Multi-selection list: selects the item (-1 selects every item). Else
    // makes it the current selection, and does nothing for -1.
    int SelectItem(int index);
    // Multi-selection list: deselects the item. Else clears the current
    // selection when the index is negative or is the current selection.
    int DeselectItem(int index);
    int GetSelCount() const;
    int GetSelItems(int maximum, int* indices) const;
    // The selected indices in ascending order; returns their number.
    int GetSelection(CArray<int, int>& indices) const;
    // Whether the selection begins at the first item and ends at the last;
    // both FALSE without a selection.
    void GetSelectionEnds(BOOL* atTop, BOOL* atBottom) const;

    // Add or insert an item and set its data; when the data cannot be set the
    // item is taken out again and -1 returned.
    int AddItemWithData(LPCTSTR text, int extraValue, DWORD_PTR data);
    int InsertItemWithData(int index, LPCTSTR text, int extraValue, DWORD_PTR data);
    // The first item after the given one (wrapping round to it) whose data
    // equals the value; -1 when none. The Select form also selects it.
    int FindNextWithData(int after, DWORD_PTR data) const;
    int SelectNextWithData(int after, DWORD_PTR data);

    // Moves the item (text, image index and data) by delta places and selects
    // it when asked; returns its new index. A move past either end is refused
    // (-1) and leaves every item where it was.
    int MoveItem(int index, int delta, BOOL reselect);

    // Scrolls the item into view when it is above or below the visible ones.
    void EnsureVisible(int index);

    // Fills the list with the texts (image indices from extraValues when
    // given, item data from the data array when given, else the index),
    // measuring them in the font when given; keeps the selected index where
    // the list is long enough. On a failure the list is left empty and FALSE
    // returned; redraw, the device context and its font are given back on
    // every way out.
    BOOL Fill(const CStringArray& texts, const CDWordArray* data = NULL, CFont* font = NULL,
              const CDWordArray* extraValues = NULL);
    // The same from the keys of a map in its own order, each with its value
    // in the extra-value map as extra value (-1 when it has none); no item
    // data is set.
    BOOL Fill(const CMapStringToString& texts, const CMapEx<CString, LPCTSTR, DWORD, DWORD>* extraValues,
              CFont* font = NULL);

    // Tab stops that let each tab-separated column of the items (a tab inside
    // round brackets does not separate) stand clear of the next, and a
    // horizontal extent that shows every column.
    void SetTabStopsToFit();

    CListBox* m_pListBox;
    CComboBox* m_pComboBox;

private:
    struct FillItem
    {
        CString text;
        int extraValue = -1;
        BOOL hasData = FALSE;
        DWORD_PTR data = 0;
    };
    BOOL FillItems(const std::vector<FillItem>& items, CFont* font);

    HWND Window() const;
    UINT Message(UINT listMessage, UINT comboMessage) const;
    LRESULT Send(UINT listMessage, UINT comboMessage, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int ImageColumn() const;

    CListItemOperations* m_pItems;
};
