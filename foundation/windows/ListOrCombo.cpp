#include "foundation/windows/ListOrCombo.h"

#include "foundation/windows/SelectedObject.h"

#include <algorithm>

CListOrCombo::CListOrCombo(CListBox* listBox)
    : m_pListBox(listBox), m_pComboBox(NULL), m_pItems(dynamic_cast<CListItemOperations*>(listBox))
{
}

CListOrCombo::CListOrCombo(CComboBox* comboBox)
    : m_pListBox(NULL), m_pComboBox(comboBox), m_pItems(dynamic_cast<CListItemOperations*>(comboBox))
{
}

HWND CListOrCombo::Window() const
{
    return m_pListBox != NULL ? m_pListBox->m_hWnd : m_pComboBox->m_hWnd;
}

UINT CListOrCombo::Message(UINT listMessage, UINT comboMessage) const
{
    return m_pListBox != NULL ? listMessage : comboMessage;
}

LRESULT CListOrCombo::Send(UINT listMessage, UINT comboMessage, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(Window(), Message(listMessage, comboMessage), wParam, lParam);
}

BOOL CListOrCombo::IsMultiSelect() const
{
    if (m_pListBox == NULL)
        return FALSE;
    return (::GetWindowLongA(m_pListBox->m_hWnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

BOOL CListOrCombo::IsOwnerDraw() const
{
    // The owner-draw bits are the same for both kinds (0x10 fixed, 0x20 variable).
    return (::GetWindowLongA(Window(), GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

BOOL CListOrCombo::HasStrings() const
{
    if (HasOwnRecords() || !IsOwnerDraw())
        return TRUE;
    DWORD bit = m_pListBox != NULL ? LBS_HASSTRINGS : CBS_HASSTRINGS;
    return (::GetWindowLongA(Window(), GWL_STYLE) & bit) != 0;
}

BOOL CListOrCombo::HasOwnRecords() const
{
    return m_pItems != NULL && m_pItems->HasOwnRecords();
}

int CListOrCombo::ImageColumn() const
{
    return HasOwnRecords() ? ImageColumnWidth : 0;
}

int CListOrCombo::GetCount() const
{
    return (int)Send(LB_GETCOUNT, CB_GETCOUNT);
}

int CListOrCombo::GetCurSel() const
{
    return (int)Send(LB_GETCURSEL, CB_GETCURSEL);
}

int CListOrCombo::SetCurSel(int index)
{
    return (int)Send(LB_SETCURSEL, CB_SETCURSEL, (WPARAM)index);
}

int CListOrCombo::GetTopIndex() const
{
    return (int)Send(LB_GETTOPINDEX, CB_GETTOPINDEX);
}

int CListOrCombo::SetTopIndex(int index)
{
    return (int)Send(LB_SETTOPINDEX, CB_SETTOPINDEX, (WPARAM)index);
}

int CListOrCombo::GetItemHeight(int index) const
{
    return (int)Send(LB_GETITEMHEIGHT, CB_GETITEMHEIGHT, (WPARAM)index);
}

int CListOrCombo::DeleteString(int index)
{
    return (int)Send(LB_DELETESTRING, CB_DELETESTRING, (WPARAM)index);
}

void CListOrCombo::SetHorizontalExtent(int width)
{
    Send(LB_SETHORIZONTALEXTENT, CB_SETHORIZONTALEXTENT, (WPARAM)(width + ImageColumn()));
}

void CListOrCombo::SetRedraw(BOOL redraw)
{
    ::SendMessageA(Window(), WM_SETREDRAW, redraw, 0);
}

void CListOrCombo::Invalidate()
{
    ::InvalidateRect(Window(), NULL, TRUE);
}

void CListOrCombo::GetClientRect(RECT* rect) const
{
    ::GetClientRect(Window(), rect);
}

HFONT CListOrCombo::GetFont() const
{
    return (HFONT)::SendMessageA(Window(), WM_GETFONT, 0, 0);
}

int CListOrCombo::AddString(LPCTSTR text, int extraValue)
{
    if (m_pItems != NULL)
        return m_pItems->AddString(text, extraValue);
    return (int)Send(LB_ADDSTRING, CB_ADDSTRING, 0, (LPARAM)text);
}

int CListOrCombo::InsertString(int index, LPCTSTR text, int extraValue)
{
    if (m_pItems != NULL)
        return m_pItems->InsertString(index, text, extraValue);
    return (int)Send(LB_INSERTSTRING, CB_INSERTSTRING, (WPARAM)index, (LPARAM)text);
}

CString CListOrCombo::GetText(int index) const
{
    CString text;
    if (m_pItems != NULL)
    {
        m_pItems->GetItemText(index, text);
        return text;
    }
    int length = (int)Send(LB_GETTEXTLEN, CB_GETLBTEXTLEN, (WPARAM)index);
    if (length <= 0)
        return text;
    Send(LB_GETTEXT, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text.GetBuffer(length + 1));
    text.ReleaseBuffer();
    return text;
}

int CListOrCombo::GetTextLen(int index) const
{
    if (m_pItems != NULL)
        return m_pItems->GetItemTextLen(index);
    return (int)Send(LB_GETTEXTLEN, CB_GETLBTEXTLEN, (WPARAM)index);
}

DWORD_PTR CListOrCombo::GetItemData(int index) const
{
    if (m_pItems != NULL)
        return m_pItems->GetItemData(index);
    return (DWORD_PTR)Send(LB_GETITEMDATA, CB_GETITEMDATA, (WPARAM)index);
}

int CListOrCombo::SetItemData(int index, DWORD_PTR data)
{
    if (m_pItems != NULL)
        return m_pItems->SetItemData(index, data);
    return (int)Send(LB_SETITEMDATA, CB_SETITEMDATA, (WPARAM)index, (LPARAM)data);
}

int CListOrCombo::GetExtraValue(int index) const
{
    return m_pItems != NULL ? m_pItems->GetExtraValue(index) : -1;
}

void CListOrCombo::ResetContent()
{
    if (m_pItems != NULL)
        m_pItems->ResetContent();
    else
        Send(LB_RESETCONTENT, CB_RESETCONTENT);
}

DWORD_PTR CListOrCombo::GetCurSelData(DWORD_PTR defaultData) const
{
    int selected = GetCurSel();
    return selected < 0 ? defaultData : GetItemData(selected);
}

int CListOrCombo::SelectItem(int index)
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_SETSEL, TRUE, (LPARAM)index);
    if (index == -1)
        return -1;
    return SetCurSel(index);
}

int CListOrCombo::DeselectItem(int index)
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_SETSEL, FALSE, (LPARAM)index);
    if (index < 0 || index == GetCurSel())
        return SetCurSel(-1);
    return index;
}

int CListOrCombo::GetSelCount() const
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_GETSELCOUNT, 0, 0);
    return GetCurSel() >= 0 ? 1 : 0;
}

int CListOrCombo::GetSelItems(int maximum, int* indices) const
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_GETSELITEMS, (WPARAM)maximum, (LPARAM)indices);
    int selected = GetCurSel();
    if (maximum <= 0 || selected < 0)
        return 0;
    indices[0] = selected;
    return 1;
}

int CListOrCombo::GetSelection(CArray<int, int>& indices) const
{
    int count = GetSelCount();
    indices.SetSize(std::max(count, 0));
    int got = count > 0 ? GetSelItems(count, indices.GetData()) : 0;
    got = std::max(got, 0);
    if (got < indices.GetSize())
        indices.SetSize(got);
    return got;
}

void CListOrCombo::GetSelectionEnds(BOOL* atTop, BOOL* atBottom) const
{
    CArray<int, int> selected;
    int count = GetSelection(selected);
    if (atTop != NULL)
        *atTop = count > 0 && selected[0] == 0;
    if (atBottom != NULL)
        *atBottom = count > 0 && selected[count - 1] == GetCount() - 1;
}

int CListOrCombo::AddItemWithData(LPCTSTR text, int extraValue, DWORD_PTR data)
{
    return InsertItemWithData(-1, text, extraValue, data);
}

int CListOrCombo::InsertItemWithData(int index, LPCTSTR text, int extraValue, DWORD_PTR data)
{
    int added = index == -1 ? AddString(text, extraValue) : InsertString(index, text, extraValue);
    if (added < 0)
        return -1;
    if (SetItemData(added, data) < 0)
    {
        DeleteString(added);
        return -1;
    }
    return added;
}

int CListOrCombo::FindNextWithData(int after, DWORD_PTR data) const
{
    int count = GetCount();
    if (count <= 0)
        return -1;
    int start = std::max(after, -1);
    for (int index = start + 1; index < count; index++)
        if (GetItemData(index) == data)
            return index;
    for (int index = 0; index <= start && index < count; index++)
        if (GetItemData(index) == data)
            return index;
    return -1;
}

int CListOrCombo::SelectNextWithData(int after, DWORD_PTR data)
{
    int found = FindNextWithData(after, data);
    SetCurSel(found);
    return found;
}

int CListOrCombo::MoveItem(int index, int delta, BOOL reselect)
{
    int count = GetCount();
    int target = index + delta;
    if (index < 0 || index >= count || target < 0 || target >= count)
        return -1;
    CString text = HasStrings() ? GetText(index) : CString();
    int extraValue = GetExtraValue(index);
    DWORD_PTR data = GetItemData(index);
    if (DeleteString(index) < 0)
        return -1;
    int placed = InsertString(target, text, extraValue);
    if (placed < 0)
        return -1;
    SetItemData(placed, data);
    if (reselect)
        SelectItem(placed);
    return placed;
}

void CListOrCombo::EnsureVisible(int index)
{
    if (index < 0)
        return;
    int height = std::max(GetItemHeight(index), 1);
    RECT client;
    GetClientRect(&client);
    int visible = std::max((int)(client.bottom - client.top) / height, 1);
    int top = GetTopIndex();
    if (index < top)
        SetTopIndex(index);
    else if (index >= top + visible)
        SetTopIndex(index - visible + 1);
}

BOOL CListOrCombo::Fill(const CStringArray& texts, const CDWordArray* data, CFont* font,
                        const CDWordArray* extraValues)
{
    std::vector<FillItem> items((size_t)texts.GetSize());
    for (int i = 0; i < texts.GetSize(); i++)
    {
        items[i].text = texts[i];
        items[i].extraValue = extraValues != NULL && i < extraValues->GetSize() ? (int)extraValues->GetAt(i) : -1;
        items[i].hasData = TRUE;
        items[i].data = data != NULL && i < data->GetSize() ? (DWORD_PTR)data->GetAt(i) : (DWORD_PTR)i;
    }
    return FillItems(items, font);
}

BOOL CListOrCombo::Fill(const CMapStringToString& texts, const CMapEx<CString, LPCTSTR, DWORD, DWORD>* extraValues,
                        CFont* font)
{
    std::vector<FillItem> items;
    POSITION pos = texts.GetStartPosition();
    while (pos != NULL)
    {
        FillItem item;
        CString value;
        texts.GetNextAssoc(pos, item.text, value);
        DWORD extra = 0;
        item.extraValue = extraValues != NULL && extraValues->Lookup(item.text, extra) ? (int)extra : -1;
        items.push_back(item);
    }
    return FillItems(items, font);
}

BOOL CListOrCombo::FillItems(const std::vector<FillItem>& items, CFont* font)
{
    int selected = GetCurSel();
    ResetContent();
    SetRedraw(FALSE);
    HDC dc = ::GetDC(Window());
    int widest = 0;
    BOOL filled = TRUE;
    {
        CSelectedObject selectedFont(dc, font != NULL ? font->GetSafeHandle() : NULL);
        for (size_t i = 0; i < items.size() && filled; i++)
        {
            const FillItem& item = items[i];
            if (dc != NULL)
            {
                SIZE extent = {};
                ::GetTextExtentPoint32A(dc, item.text, item.text.GetLength(), &extent);
                widest = std::max(widest, (int)extent.cx);
            }
            filled = (item.hasData ? AddItemWithData(item.text, item.extraValue, item.data)
                                   : AddString(item.text, item.extraValue)) >= 0;
        }
    }
    if (dc != NULL)
        ::ReleaseDC(Window(), dc);
    if (filled)
    {
        SetHorizontalExtent(widest + 4);
        if (selected >= 0)
            SetCurSel(std::min(selected, GetCount() - 1));
    }
    else
        ResetContent();
    SetRedraw(TRUE);
    Invalidate();
    return filled;
}

namespace
{
    // The text's columns: split at tabs, except tabs inside round brackets.
    void SplitColumns(const CString& text, CArray<CString, const CString&>& columns)
    {
        columns.RemoveAll();
        int depth = 0, start = 0;
        for (int i = 0; i < text.GetLength(); i++)
        {
            char c = text[i];
            if (c == '(')
                depth++;
            else if (c == ')' && depth > 0)
                depth--;
            else if (c == '\t' && depth == 0)
            {
                columns.Add(text.Mid(start, i - start));
                start = i + 1;
            }
        }
        columns.Add(text.Mid(start));
    }

    // Horizontal dialog base unit of the font selected into the DC.
    int HorizontalBaseUnit(HDC dc)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc, letters, 52, &size);
        return std::max((int)(size.cx / 26 + 1) / 2, 1);
    }
}

void CListOrCombo::SetTabStopsToFit()
{
    HWND window = Window();
    if (window == NULL)
        return;
    HDC dc = ::GetDC(window);
    int baseUnit = 0;

    // The widest text of each column, in pixels.
    CArray<int, int> widths;
    {
        CSelectedObject selectedFont(dc, GetFont());
        baseUnit = HorizontalBaseUnit(dc);
        CArray<CString, const CString&> columns;
        const int count = GetCount();
        for (int item = 0; item < count; item++)
        {
            SplitColumns(GetText(item), columns);
            for (int column = 0; column < columns.GetSize(); column++)
            {
                SIZE size = {0, 0};
                ::GetTextExtentPoint32A(dc, columns[column], columns[column].GetLength(), &size);
                if (column >= widths.GetSize())
                    widths.Add(0);
                widths[column] = std::max(widths[column], (int)size.cx);
            }
        }
    }
    ::ReleaseDC(window, dc);

    // Each stop in dialog units: the previous one, the column's width and a
    // gap of one base unit.
    CArray<int, int> stops;
    int stop = 0;
    for (int column = 0; column < widths.GetSize(); column++)
    {
        stop += widths[column] * 4 / baseUnit + 4;
        stops.Add(stop);
    }
    if (m_pListBox != NULL && !HasOwnRecords() && stops.GetSize() > 0)
        ::SendMessageA(window, LB_SETTABSTOPS, (WPARAM)stops.GetSize(), (LPARAM)stops.GetData());
    int extent = stops.GetSize() > 0 ? baseUnit * stops[stops.GetSize() - 1] / 4 : 0;
    SetHorizontalExtent(extent + 2);
    Invalidate();
}
